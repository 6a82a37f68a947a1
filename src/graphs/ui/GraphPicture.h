#pragma once

#include <string>

namespace kvor {

class TGraph;

// Writes the 1920 x 1440 export picture of the graph (3 % margin) as bmp, emf, png or pdf.
// Returns why it could not be written, or nothing.
std::string WriteGraphPicture(TGraph& graph, const std::string& file, const std::string& format);

} // namespace kvor
