#pragma once

#include <string>
#include <vector>

namespace kvor {

// The number formats of the result panels.
enum class PanelFormat { A, Z, P, Percentage, Mean, RequiredN, Count };

// Texts of a panel format that between them include its widest possible text, for either
// decimal separator: panels are sized once for the longest thing they can show.
std::vector<std::string> WidestCandidates(PanelFormat format);

} // namespace kvor
