#include "graphs/ui/EmfPaintDevice.h"

#include "graphs/ui/EmfPaintEngine.h"

namespace kvor {

namespace {
constexpr double MmPerInch = 25.4;
}

EmfPaintDevice::EmfPaintDevice(int width, int height, int pixelsPerInch)
    : m_width(width), m_height(height), m_ppi(pixelsPerInch),
      m_engine(std::make_unique<EmfPaintEngine>(width, height, pixelsPerInch)) {}

EmfPaintDevice::~EmfPaintDevice() = default;

QPaintEngine* EmfPaintDevice::paintEngine() const {
    return m_engine.get();
}

QByteArray EmfPaintDevice::Bytes() const {
    return m_engine->Bytes();
}

int EmfPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return m_width;
    case PdmHeight:
        return m_height;
    case PdmWidthMM:
        return static_cast<int>(m_width * MmPerInch / m_ppi);
    case PdmHeightMM:
        return static_cast<int>(m_height * MmPerInch / m_ppi);
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_ppi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace kvor
