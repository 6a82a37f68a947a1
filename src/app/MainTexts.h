#pragma once

namespace kvor::MainTexts {

inline constexpr const char* ApplicationTitle = "KVOR 8.0";
inline constexpr const char* AccuracyTabCaption = " &Accuracy ";
inline constexpr const char* PowerTabCaption = " &Power  ";

} // namespace kvor::MainTexts
