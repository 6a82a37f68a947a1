#pragma once

#include <QByteArray>
#include <QPaintDevice>

#include <memory>

namespace kvor {

class EmfPaintEngine;

// A paint device that records what is painted on it as an enhanced metafile of width x height
// pixels on a reference device of pixelsPerInch. Bytes() is complete once painting has ended.
class EmfPaintDevice final : public QPaintDevice {
public:
    EmfPaintDevice(int width, int height, int pixelsPerInch);
    ~EmfPaintDevice() override;

    QPaintEngine* paintEngine() const override;
    QByteArray Bytes() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int m_width;
    int m_height;
    int m_ppi;
    std::unique_ptr<EmfPaintEngine> m_engine;
};

} // namespace kvor
