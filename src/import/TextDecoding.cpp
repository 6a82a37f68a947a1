#include "import/TextDecoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvor {

namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at `i`, or 0 when it is not one (overlong forms,
// surrogates and values beyond U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        low = b0 == 0xE0 ? 0xA0 : 0x80;
        high = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        low = b0 == 0xF0 ? 0x90 : 0x80;
        high = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    if (byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8SequenceLength(s, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

// A file that says it is UTF-8 keeps its readable parts; each broken byte reads as U+FFFD.
std::string RepairUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8SequenceLength(s, i);
        if (n == 0) {
            AppendUtf8(out, Replacement);
            ++i;
        } else {
            out.append(s, i, n);
            i += n;
        }
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (const char c : s) {
        AppendUtf8(out, static_cast<unsigned char>(c));
    }
    return out;
}

std::optional<std::string> Utf16ToUtf8(std::string_view s, bool bigEndian) {
    if (s.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto unit = [&](std::size_t k) -> char32_t {
        const auto a = static_cast<unsigned char>(s[2 * k]);
        const auto b = static_cast<unsigned char>(s[2 * k + 1]);
        return bigEndian ? (char32_t{a} << 8) | b : (char32_t{b} << 8) | a;
    };
    const std::size_t units = s.size() / 2;
    std::string out;
    out.reserve(units + units / 2);
    for (std::size_t k = 0; k < units; ++k) {
        const char32_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
            const char32_t v = unit(k + 1);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                ++k;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? Replacement : u);
    }
    return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::optional<std::string> Decode(std::string bytes) {
    const std::string_view view = bytes;
    if (StartsWith(view, "\xEF\xBB\xBF")) {
        if (IsValidUtf8(view.substr(3))) {
            bytes.erase(0, 3);
            return bytes;
        }
        return RepairUtf8(view.substr(3));
    }
    if (StartsWith(view, "\xFF\xFE")) {
        return Utf16ToUtf8(view.substr(2), false);
    }
    if (StartsWith(view, "\xFE\xFF")) {
        return Utf16ToUtf8(view.substr(2), true);
    }
    if (IsValidUtf8(view)) {
        return bytes;
    }
    return Latin1ToUtf8(view);
}

} // namespace

std::optional<std::string> DecodeTextBytes(std::string bytes) {
    std::optional<std::string> text = Decode(std::move(bytes));
    if (text && text->find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return text;
}

} // namespace kvor
