#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace kvor {

// A list of text lines held as one block of text. CR, LF and CR LF all end a line; a line end
// at the very end of the text does not start another line. The list cannot be copied, only
// moved, so a large import never holds its lines twice.
class TextLines {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator() = default;
        Iterator(std::string_view rest, bool atEnd);
        std::string_view operator*() const { return m_line; }
        Iterator& operator++();
        Iterator operator++(int);
        bool operator==(const Iterator& other) const;

    private:
        void Take();

        std::string_view m_rest;
        std::string_view m_line;
        bool m_hasMore = false; // another line follows the current one
        bool m_atEnd = true;
    };

    TextLines() = default;
    // Takes UTF-8 text and splits it into lines.
    explicit TextLines(std::string text);
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;
    TextLines(TextLines&&) noexcept = default;
    TextLines& operator=(TextLines&&) noexcept = default;
    ~TextLines() = default;

    std::size_t Count() const { return m_count; }
    Iterator begin() const;
    Iterator end() const;

private:
    std::string m_text; // every line ended by '\n', except perhaps the last
    std::size_t m_count = 0;
};

} // namespace kvor
