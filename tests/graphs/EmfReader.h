#pragma once

// A small reader of enhanced metafiles, written from the published format and independent of
// the writer: records, the header's fields and the texts of the text records.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace emfread {

struct Record {
    std::uint32_t Type = 0;
    std::uint32_t Size = 0;
    std::size_t Offset = 0;
};

struct File {
    bool Parsed = false;
    std::string Error;
    std::vector<Record> Records;
    // Header fields.
    std::int32_t Bounds[4]{};
    std::int32_t Frame[4]{};
    std::uint32_t Signature = 0;
    std::uint32_t Bytes = 0;
    std::uint32_t RecordCount = 0;
    std::uint16_t Handles = 0;
    std::int32_t Device[2]{};
    std::int32_t Millimeters[2]{};
    std::vector<std::u16string> Texts;
    std::vector<std::uint8_t> Data;

    std::uint32_t U32(std::size_t at) const {
        std::uint32_t v = 0;
        std::memcpy(&v, Data.data() + at, 4);
        return v;
    }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    int Count(std::uint32_t type) const {
        int n = 0;
        for (const Record& r : Records) {
            n += r.Type == type ? 1 : 0;
        }
        return n;
    }
};

inline constexpr std::uint32_t Header = 1;
inline constexpr std::uint32_t Eof = 14;
inline constexpr std::uint32_t ExtTextOutW = 84;

inline File Read(std::vector<std::uint8_t> data) {
    File f;
    f.Data = std::move(data);
    std::size_t at = 0;
    while (at + 8 <= f.Data.size()) {
        Record r{f.U32(at), f.U32(at + 4), at};
        if (r.Size < 8 || r.Size % 4 != 0 || at + r.Size > f.Data.size()) {
            f.Error = "bad record size at " + std::to_string(at);
            return f;
        }
        f.Records.push_back(r);
        if (r.Type == ExtTextOutW) {
            const std::uint32_t chars = f.U32(at + 44);
            const std::uint32_t offString = f.U32(at + 48);
            std::u16string text;
            for (std::uint32_t i = 0; i < chars; ++i) {
                const std::size_t c = at + offString + 2 * i;
                text.push_back(static_cast<char16_t>(f.Data[c] | f.Data[c + 1] << 8));
            }
            f.Texts.push_back(text);
        }
        at += r.Size;
    }
    if (at != f.Data.size() || f.Records.empty() || f.Records.front().Type != Header) {
        f.Error = "records do not cover the file or no header first";
        return f;
    }
    for (int i = 0; i < 4; ++i) {
        f.Bounds[i] = f.I32(8 + 4 * static_cast<std::size_t>(i));
        f.Frame[i] = f.I32(24 + 4 * static_cast<std::size_t>(i));
    }
    f.Signature = f.U32(40);
    f.Bytes = f.U32(48);
    f.RecordCount = f.U32(52);
    f.Handles = static_cast<std::uint16_t>(f.U32(56) & 0xFFFF);
    f.Device[0] = f.I32(72);
    f.Device[1] = f.I32(76);
    f.Millimeters[0] = f.I32(80);
    f.Millimeters[1] = f.I32(84);
    f.Parsed = true;
    return f;
}

} // namespace emfread
