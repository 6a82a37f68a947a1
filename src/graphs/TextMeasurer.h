#pragma once

#include "graphs/GraphOptions.h"

#include <string>

namespace kvor {

// Text extents in pixels in the font of a role, as the device being drawn on renders them.
// The layout arithmetic needs nothing else from a drawing library.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextHeight(const std::string& text, FontRole role) const = 0;
    virtual int TextWidth(const std::string& text, FontRole role) const = 0;
};

} // namespace kvor
