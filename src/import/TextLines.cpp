#include "import/TextLines.h"

#include <algorithm>

namespace kvor {

namespace {

// Rewrites CR LF and lone CR as LF in place.
void UnifyLineEnds(std::string& text) {
    std::size_t out = 0;
    const std::size_t size = text.size();
    for (std::size_t in = 0; in < size; ++in) {
        const char c = text[in];
        if (c == '\r') {
            text[out++] = '\n';
            if (in + 1 < size && text[in + 1] == '\n') {
                ++in;
            }
        } else {
            text[out++] = c;
        }
    }
    text.resize(out);
}

} // namespace

TextLines::TextLines(std::string text) : m_text(std::move(text)) {
    UnifyLineEnds(m_text);
    m_count = static_cast<std::size_t>(std::count(m_text.begin(), m_text.end(), '\n'));
    if (!m_text.empty() && m_text.back() != '\n') {
        ++m_count;
    }
}

TextLines::Iterator TextLines::begin() const {
    return Iterator(m_text, m_text.empty());
}

TextLines::Iterator TextLines::end() const {
    return Iterator({}, true);
}

TextLines::Iterator::Iterator(std::string_view rest, bool atEnd) : m_rest(rest), m_atEnd(atEnd) {
    if (!m_atEnd) {
        Take();
    }
}

void TextLines::Iterator::Take() {
    const std::size_t p = m_rest.find('\n');
    if (p == std::string_view::npos) {
        m_line = m_rest;
        m_rest = {};
        m_hasMore = false;
        return;
    }
    m_line = m_rest.substr(0, p);
    m_rest.remove_prefix(p + 1);
    m_hasMore = !m_rest.empty();
}

TextLines::Iterator& TextLines::Iterator::operator++() {
    if (!m_hasMore) {
        m_atEnd = true;
        m_line = {};
        return *this;
    }
    Take();
    return *this;
}

TextLines::Iterator TextLines::Iterator::operator++(int) {
    Iterator before = *this;
    ++*this;
    return before;
}

bool TextLines::Iterator::operator==(const Iterator& other) const {
    if (m_atEnd || other.m_atEnd) {
        return m_atEnd == other.m_atEnd;
    }
    return m_line.data() == other.m_line.data() && m_rest.data() == other.m_rest.data();
}

} // namespace kvor
