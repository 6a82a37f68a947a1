#include "import/LocaleFloat.h"

#include <charconv>
#include <cstddef>
#include <system_error>

namespace kvor {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Copies the accepted characters into `out` in the form std::from_chars reads.
class NumberText {
public:
    NumberText(const NumberText&) = delete;
    NumberText& operator=(const NumberText&) = delete;
    explicit NumberText(std::size_t length) {
        if (length >= sizeof(m_local)) {
            m_heap.resize(length);
            m_data = m_heap.data();
        }
    }
    void Push(char c) { m_data[m_size++] = c; }
    const char* Begin() const { return m_data; }
    const char* End() const { return m_data + m_size; }

private:
    char m_local[64] = {};
    std::string m_heap;
    char* m_data = m_local;
    std::size_t m_size = 0;
};

} // namespace

std::string_view SplitAtSeparator(std::string_view& text, std::string_view separator) {
    const std::size_t p = separator.empty() ? std::string_view::npos : text.find(separator);
    if (p == std::string_view::npos) {
        const std::string_view head = text;
        text = {};
        return head;
    }
    const std::string_view head = text.substr(0, p);
    text.remove_prefix(p + separator.size());
    return head;
}

std::string ToSystemDecimal(std::string text, char decimalSeparator) {
    const char system = decimalSeparator == ',' ? ',' : '.';
    const char foreign = system == '.' ? ',' : '.';
    const std::size_t p = text.find(foreign);
    if (p != std::string::npos) {
        text[p] = system;
    }
    return text;
}

std::optional<double> ParseLocaleFloat(std::string_view text, char decimalSeparator) {
    const char system = decimalSeparator == ',' ? ',' : '.';
    const char foreign = system == '.' ? ',' : '.';
    // ToSystemDecimal without a copy: the first foreign mark reads as the system's.
    const std::size_t swapped = text.find(foreign);
    const auto at = [&](std::size_t i) { return i == swapped ? system : text[i]; };

    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && IsBlank(text[i])) {
        ++i;
    }
    while (end > i && IsBlank(text[end - 1])) {
        --end;
    }

    NumberText number(end - i + 1);
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            number.Push('-');
        }
        ++i;
    }
    std::size_t digits = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++digits) {
        number.Push(text[i]);
    }
    if (i < end && at(i) == system) {
        number.Push('.');
        for (++i; i < end && IsDigit(text[i]); ++i, ++digits) {
            number.Push(text[i]);
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        number.Push('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            number.Push(text[i]);
            ++i;
        }
        std::size_t exponentDigits = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits) {
            number.Push(text[i]);
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != end) {
        return std::nullopt;
    }

    double value = 0;
    const auto [stop, error] =
        std::from_chars(number.Begin(), number.End(), value, std::chars_format::general);
    if (error != std::errc{} || stop != number.End()) {
        return std::nullopt;
    }
    return value;
}

} // namespace kvor
