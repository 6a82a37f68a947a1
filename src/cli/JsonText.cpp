#include "cli/JsonText.h"

#include <cmath>
#include <cstdio>

namespace kvor::cli {

std::string DumpNumber(double value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string JsonNumber(double value) {
    return std::isfinite(value) ? DumpNumber(value) : "null";
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                quoted += escape;
            } else {
                quoted += c;
            }
        }
    }
    quoted += '"';
    return quoted;
}

} // namespace kvor::cli
