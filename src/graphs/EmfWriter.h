#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvor {

// Records of an enhanced metafile in the published EMF format, collected in memory and
// completed by Finish (header with bounds and counts, closing EOF record).
class EmfWriter {
public:
    struct Point {
        std::int32_t X = 0;
        std::int32_t Y = 0;
    };
    struct Rect {
        std::int32_t Left = 0;
        std::int32_t Top = 0;
        std::int32_t Right = 0;
        std::int32_t Bottom = 0;
    };
    struct Font {
        std::int32_t Height = 0;     // negative: character height in logical units
        std::int32_t Escapement = 0; // tenths of a degree, counter-clockwise
        bool Bold = false;
        bool Italic = false;
        bool Underline = false;
        bool StrikeOut = false;
        std::u16string Face;
    };

    // A picture of width x height pixels on a reference device of pixelsPerInch.
    EmfWriter(int width, int height, int pixelsPerInch);

    // Object slots: the writer keeps one pen, one brush and one font selected at a time.
    void SelectPen(std::uint32_t colour, int width, bool none);
    void SelectBrush(std::uint32_t colour, bool none);
    void SelectFont(const Font& font);
    void SetTextColour(std::uint32_t colour);

    void PolyPolyline(const std::vector<std::vector<Point>>& lines);
    void Polygon(const std::vector<Point>& points);
    void Ellipse(const Rect& box);
    // Text at its baseline reference point, with each character's advance; `box` bounds it.
    void TextOut(Point reference, const std::u16string& text, const std::vector<std::int32_t>& dx,
                 const Rect& box);
    void ClipToRect(const Rect& rect);
    void ResetClip();

    // The whole file: header first, EOF last.
    std::vector<std::uint8_t> Finish();

    // COLORREF of an RGB colour.
    static std::uint32_t Colour(int r, int g, int b);

private:
    class Record;
    void Append(const Record& record);
    void Include(const Rect& box);

    int m_width;
    int m_height;
    int m_ppi;
    std::vector<std::uint8_t> m_body;
    std::uint32_t m_records = 0;
    bool m_anyBounds = false;
    Rect m_bounds;
    bool m_penSelected = false;
    bool m_brushSelected = false;
    bool m_fontSelected = false;
    bool m_textColourSet = false;
    std::uint32_t m_textColour = 0;
};

// EMF record types used here.
namespace EmfRecord {
inline constexpr std::uint32_t Header = 1;
inline constexpr std::uint32_t Polygon = 3;
inline constexpr std::uint32_t PolyPolyline = 7;
inline constexpr std::uint32_t SetWindowExtEx = 9;
inline constexpr std::uint32_t SetWindowOrgEx = 10;
inline constexpr std::uint32_t SetViewportExtEx = 11;
inline constexpr std::uint32_t SetViewportOrgEx = 12;
inline constexpr std::uint32_t Eof = 14;
inline constexpr std::uint32_t SetMapMode = 17;
inline constexpr std::uint32_t SetBkMode = 18;
inline constexpr std::uint32_t SetTextAlign = 22;
inline constexpr std::uint32_t SetTextColor = 24;
inline constexpr std::uint32_t IntersectClipRect = 30;
inline constexpr std::uint32_t SelectObject = 37;
inline constexpr std::uint32_t CreateBrushIndirect = 39;
inline constexpr std::uint32_t DeleteObject = 40;
inline constexpr std::uint32_t Ellipse = 42;
inline constexpr std::uint32_t ExtSelectClipRgn = 75;
inline constexpr std::uint32_t ExtCreateFontIndirectW = 82;
inline constexpr std::uint32_t ExtTextOutW = 84;
inline constexpr std::uint32_t ExtCreatePen = 95;
} // namespace EmfRecord

} // namespace kvor
