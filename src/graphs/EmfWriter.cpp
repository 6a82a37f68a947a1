#include "graphs/EmfWriter.h"

#include <algorithm>

namespace kvor {

namespace {

constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t EmfVersion = 0x10000;
constexpr std::uint32_t HeaderSize = 108;
constexpr std::uint32_t MapAnisotropic = 8;
constexpr std::uint32_t Transparent = 1;
constexpr std::uint32_t TextAlignBaseline = 24;
constexpr std::uint32_t RegionCopy = 5;
constexpr std::uint32_t GraphicsModeCompatible = 1;
constexpr std::uint32_t StockNullBrush = 0x80000005;
constexpr std::uint32_t StockNullPen = 0x80000008;
constexpr std::uint32_t StockDefaultFont = 0x8000000E;
constexpr std::uint32_t PenGeometricFlat = 0x00010000 | 0x00000200 | 0x00002000;
constexpr std::uint32_t PenNull = 5;
constexpr std::uint32_t BrushSolid = 0;
constexpr std::uint32_t BrushNull = 1;
constexpr std::uint32_t PenSlot = 1;
constexpr std::uint32_t BrushSlot = 2;
constexpr std::uint32_t FontSlot = 3;
constexpr std::uint16_t HandleCount = 4;
constexpr std::size_t FaceChars = 32;

EmfWriter::Rect BoxOf(const std::vector<EmfWriter::Point>& points) {
    EmfWriter::Rect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const EmfWriter::Point& p : points) {
        box = {std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
               std::max(box.Bottom, p.Y)};
    }
    return box;
}

} // namespace

// One record in little-endian order; its size field is filled in when it is appended.
class EmfWriter::Record {
public:
    explicit Record(std::uint32_t type) {
        U32(type);
        U32(0);
    }
    Record& U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
        return *this;
    }
    Record& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    Record& U16(std::uint16_t v) {
        m_bytes.push_back(static_cast<std::uint8_t>(v));
        m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Record& U8(std::uint8_t v) {
        m_bytes.push_back(v);
        return *this;
    }
    Record& R(const Rect& r) { return I32(r.Left).I32(r.Top).I32(r.Right).I32(r.Bottom); }
    Record& P(const Point& p) { return I32(p.X).I32(p.Y); }
    Record& Pad4() {
        while (m_bytes.size() % 4 != 0) {
            m_bytes.push_back(0);
        }
        return *this;
    }
    std::size_t Size() const { return m_bytes.size(); }
    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> bytes = m_bytes;
        const auto size = static_cast<std::uint32_t>(bytes.size());
        for (int i = 0; i < 4; ++i) {
            bytes[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(size >> (8 * i));
        }
        return bytes;
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

std::uint32_t EmfWriter::Colour(int r, int g, int b) {
    return static_cast<std::uint32_t>(r & 0xFF) | static_cast<std::uint32_t>(g & 0xFF) << 8 |
           static_cast<std::uint32_t>(b & 0xFF) << 16;
}

EmfWriter::EmfWriter(int width, int height, int pixelsPerInch)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)),
      m_ppi(std::max(pixelsPerInch, 1)) {
    Append(Record(EmfRecord::SetMapMode).U32(MapAnisotropic));
    Append(Record(EmfRecord::SetWindowOrgEx).I32(0).I32(0));
    Append(Record(EmfRecord::SetWindowExtEx).I32(m_width).I32(m_height));
    Append(Record(EmfRecord::SetViewportOrgEx).I32(0).I32(0));
    Append(Record(EmfRecord::SetViewportExtEx).I32(m_width).I32(m_height));
    Append(Record(EmfRecord::SetBkMode).U32(Transparent));
    Append(Record(EmfRecord::SetTextAlign).U32(TextAlignBaseline));
}

void EmfWriter::Append(const Record& record) {
    const std::vector<std::uint8_t> bytes = record.Bytes();
    m_body.insert(m_body.end(), bytes.begin(), bytes.end());
    ++m_records;
}

void EmfWriter::Include(const Rect& box) {
    const Rect clipped{std::max(box.Left, 0), std::max(box.Top, 0),
                       std::min(box.Right, m_width - 1), std::min(box.Bottom, m_height - 1)};
    if (clipped.Left > clipped.Right || clipped.Top > clipped.Bottom) {
        return;
    }
    if (!m_anyBounds) {
        m_bounds = clipped;
        m_anyBounds = true;
        return;
    }
    m_bounds.Left = std::min(m_bounds.Left, clipped.Left);
    m_bounds.Top = std::min(m_bounds.Top, clipped.Top);
    m_bounds.Right = std::max(m_bounds.Right, clipped.Right);
    m_bounds.Bottom = std::max(m_bounds.Bottom, clipped.Bottom);
}

void EmfWriter::SelectPen(std::uint32_t colour, int width, bool none) {
    if (m_penSelected) {
        Append(Record(EmfRecord::SelectObject).U32(StockNullPen));
        Append(Record(EmfRecord::DeleteObject).U32(PenSlot));
    }
    Record pen(EmfRecord::ExtCreatePen);
    pen.U32(PenSlot).U32(0).U32(0).U32(0).U32(0); // no brush bitmap
    pen.U32(none ? PenNull : PenGeometricFlat).U32(static_cast<std::uint32_t>(std::max(width, 1)));
    pen.U32(BrushSolid).U32(colour).U32(0).U32(0); // hatch, no style entries
    Append(pen);
    Append(Record(EmfRecord::SelectObject).U32(PenSlot));
    m_penSelected = true;
}

void EmfWriter::SelectBrush(std::uint32_t colour, bool none) {
    if (m_brushSelected) {
        Append(Record(EmfRecord::SelectObject).U32(StockNullBrush));
        Append(Record(EmfRecord::DeleteObject).U32(BrushSlot));
    }
    Append(Record(EmfRecord::CreateBrushIndirect)
               .U32(BrushSlot)
               .U32(none ? BrushNull : BrushSolid)
               .U32(colour)
               .U32(0));
    Append(Record(EmfRecord::SelectObject).U32(BrushSlot));
    m_brushSelected = true;
}

void EmfWriter::SelectFont(const Font& font) {
    if (m_fontSelected) {
        Append(Record(EmfRecord::SelectObject).U32(StockDefaultFont));
        Append(Record(EmfRecord::DeleteObject).U32(FontSlot));
    }
    Record r(EmfRecord::ExtCreateFontIndirectW);
    r.U32(FontSlot);
    r.I32(font.Height).I32(0).I32(font.Escapement).I32(font.Escapement);
    r.I32(font.Bold ? 700 : 400);
    r.U8(font.Italic ? 1 : 0).U8(font.Underline ? 1 : 0).U8(font.StrikeOut ? 1 : 0);
    r.U8(1);                   // DEFAULT_CHARSET
    r.U8(0).U8(0).U8(5).U8(0); // precisions, CLEARTYPE_QUALITY, pitch and family
    for (std::size_t i = 0; i < FaceChars; ++i) {
        r.U16(i + 1 < FaceChars && i < font.Face.size() ? font.Face[i] : u'\0');
    }
    Append(r);
    Append(Record(EmfRecord::SelectObject).U32(FontSlot));
    m_fontSelected = true;
}

void EmfWriter::SetTextColour(std::uint32_t colour) {
    if (m_textColourSet && m_textColour == colour) {
        return;
    }
    Append(Record(EmfRecord::SetTextColor).U32(colour));
    m_textColourSet = true;
    m_textColour = colour;
}

void EmfWriter::PolyPolyline(const std::vector<std::vector<Point>>& lines) {
    std::vector<Point> all;
    for (const auto& line : lines) {
        all.insert(all.end(), line.begin(), line.end());
    }
    if (all.empty()) {
        return;
    }
    const Rect box = BoxOf(all);
    Record r(EmfRecord::PolyPolyline);
    r.R(box)
        .U32(static_cast<std::uint32_t>(lines.size()))
        .U32(static_cast<std::uint32_t>(all.size()));
    for (const auto& line : lines) {
        r.U32(static_cast<std::uint32_t>(line.size()));
    }
    for (const Point& p : all) {
        r.P(p);
    }
    Append(r);
    Include(box);
}

void EmfWriter::Polygon(const std::vector<Point>& points) {
    if (points.empty()) {
        return;
    }
    Record r(EmfRecord::Polygon);
    const Rect box = BoxOf(points);
    r.R(box).U32(static_cast<std::uint32_t>(points.size()));
    for (const Point& p : points) {
        r.P(p);
    }
    Append(r);
    Include(box);
}

void EmfWriter::Ellipse(const Rect& box) {
    Append(Record(EmfRecord::Ellipse).R(box));
    Include(box);
}

void EmfWriter::TextOut(Point reference, const std::u16string& text,
                        const std::vector<std::int32_t>& dx, const Rect& box) {
    if (text.empty()) {
        return;
    }
    constexpr std::uint32_t StringOffset = 76;
    const auto chars = static_cast<std::uint32_t>(text.size());
    const std::uint32_t dxOffset = StringOffset + (2 * chars + 3) / 4 * 4;
    Record r(EmfRecord::ExtTextOutW);
    r.R(box).U32(GraphicsModeCompatible);
    r.U32(0).U32(0); // exScale, eyScale: unused in the compatible mode
    r.P(reference).U32(chars).U32(StringOffset).U32(0);
    r.R(Rect{}).U32(dxOffset);
    for (const char16_t c : text) {
        r.U16(static_cast<std::uint16_t>(c));
    }
    r.Pad4();
    for (std::size_t i = 0; i < text.size(); ++i) {
        r.I32(i < dx.size() ? dx[i] : 0);
    }
    Append(r);
    Include(box);
}

void EmfWriter::ClipToRect(const Rect& rect) {
    ResetClip();
    Append(Record(EmfRecord::IntersectClipRect).R(rect));
}

void EmfWriter::ResetClip() {
    Append(Record(EmfRecord::ExtSelectClipRgn).U32(0).U32(RegionCopy));
}

std::vector<std::uint8_t> EmfWriter::Finish() {
    Record eof(EmfRecord::Eof);
    eof.U32(0).U32(16).U32(20); // no palette; offset and size of the last record
    const std::vector<std::uint8_t> eofBytes = eof.Bytes();

    // Frame in 0.01 mm of the picture on the reference device, inclusive.
    const auto hundredthsMm = [this](int pixels) {
        return static_cast<std::int32_t>(static_cast<long long>(pixels) * 2540 / m_ppi);
    };
    const Rect frame{0, 0, hundredthsMm(m_width) - 1, hundredthsMm(m_height) - 1};
    const Rect bounds = m_anyBounds ? m_bounds : Rect{0, 0, -1, -1};
    const auto total = static_cast<std::uint32_t>(HeaderSize + m_body.size() + eofBytes.size());
    const std::int32_t deviceWidth = m_width;
    const std::int32_t deviceHeight = m_height;
    const std::int32_t mmWidth = hundredthsMm(m_width) / 100;
    const std::int32_t mmHeight = hundredthsMm(m_height) / 100;

    Record header(EmfRecord::Header);
    header.R(bounds).R(frame).U32(EmfSignature).U32(EmfVersion).U32(total);
    header.U32(m_records + 2).U16(HandleCount).U16(0);
    header.U32(0).U32(0).U32(0); // no description, no palette
    header.I32(deviceWidth).I32(deviceHeight).I32(mmWidth).I32(mmHeight);
    header.U32(0).U32(0).U32(0); // no pixel format, no OpenGL
    header.U32(static_cast<std::uint32_t>(static_cast<long long>(m_width) * 25400 / m_ppi));
    header.U32(static_cast<std::uint32_t>(static_cast<long long>(m_height) * 25400 / m_ppi));

    std::vector<std::uint8_t> file = header.Bytes();
    file.insert(file.end(), m_body.begin(), m_body.end());
    file.insert(file.end(), eofBytes.begin(), eofBytes.end());
    return file;
}

} // namespace kvor
