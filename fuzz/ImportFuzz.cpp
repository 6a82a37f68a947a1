// Feeds arbitrary bytes through decoding, line splitting, the X, Y scan and the suitability
// checks, and traps on any broken promise of theirs.
#include "engine/ImportedData.h"
#include "import/ImportSuitability.h"
#include "import/ImportXY.h"
#include "import/LocaleFloat.h"
#include "import/TextDecoding.h"
#include "import/TextLines.h"
#include "import/XYParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

const char* const Separators[] = {",", "\t", " ", ";", "\xC2\xA7"};

// Short inputs are repeated up to the Accuracy minimum so the later checks are reached too.
std::string Lengthen(const std::string& text) {
    const kvor::TextLines probe{std::string(text)};
    if (probe.Count() == 0 || text.size() > 256) {
        return text;
    }
    std::string block = text;
    if (block.back() != '\n' && block.back() != '\r') {
        block += '\n';
    }
    std::string out;
    for (std::size_t lines = 0; lines < 3000; lines += probe.Count()) {
        out += block;
    }
    return out;
}

void CheckBuffer(const kvor::ImportedData& buffer) {
    Require(buffer.Count >= 0 && buffer.Count <= 1000000);
    for (std::int32_t i = 0; i < buffer.Count; ++i) {
        const double x = buffer.X[i];
        const double y = buffer.Y[i];
        Require(std::isfinite(x) && std::isfinite(y));
        Require(x <= kvor::LineLimit && y <= kvor::LineLimit);
        Require(buffer.MinX <= x && buffer.MinY <= y);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    static kvor::ImportedData buffer;
    const std::uint8_t mode = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const char decimal = (mode & 1) != 0 ? ',' : '.';
    const std::string_view separator = Separators[(mode >> 1) % 5];
    const auto kind = (mode & 0x10) != 0 ? kvor::ImportKind::Power : kvor::ImportKind::Accuracy;
    const auto source =
        (mode & 0x20) != 0 ? kvor::ImportSource::Clipboard : kvor::ImportSource::File;

    if (const auto value = kvor::ParseLocaleFloat(bytes, decimal)) {
        Require(std::isfinite(*value));
        Require(kvor::ParseLocaleFloat(bytes, decimal == '.' ? ',' : '.') == value);
    }

    std::optional<std::string> text = kvor::DecodeTextBytes(bytes);
    if (!text) {
        return 0;
    }
    Require(text->find('\0') == std::string::npos);
    if ((mode & 0x40) != 0) {
        text = Lengthen(*text);
    }

    const kvor::TextLines lines(std::move(*text));
    const kvor::ScanTotals totals = kvor::ParseXYLines(lines, separator, decimal, buffer);
    CheckBuffer(buffer);
    Require(totals.NegativeX <= static_cast<std::size_t>(buffer.Count));
    const auto refusal =
        kvor::CheckImportSuitability(buffer, kind, totals, source, (mode & 0x80) != 0);
    if (refusal) {
        Require(buffer.Count == 0 && !refusal->Message.empty());
    } else {
        Require(static_cast<std::size_t>(buffer.Count) >= kvor::MinimumPairs(kind));
    }

    const kvor::ImportResult result =
        kvor::CheckImportLines(lines, separator, decimal, kind, source, true, buffer);
    Require(result.Accepted() == !refusal.has_value());
    Require(result.Accepted() ? !result.StatusText.empty() : buffer.Count == 0);
    return 0;
}
