#pragma once

#include <string>

namespace kvor {

struct RunResults;
struct StudyDesign;

// Writes the 1920 x 1440 picture that the sampling-lines dialog exports, drawn with the default
// graph options, as bmp, emf, png or pdf. Returns why it could not be written, or nothing.
std::string WriteSampleLinesPicture(const RunResults& results, const StudyDesign& design,
                                    bool parameterSpace, bool zeroOrigin, const std::string& file,
                                    const std::string& format);

} // namespace kvor
