#pragma once

namespace kvor {

class MainContext;
class TStudyTab;

// View Variance Functions: the focused entry committed, the plotting checks, their messages
// (warnings before the plot, errors without it, Y first), the plot shown modally, and the
// focus on the entry the first message names. The twins differ only in the tab.
void AVFButtonClick(TStudyTab& tab, MainContext& context);
void PVFButtonClick(TStudyTab& tab, MainContext& context);

} // namespace kvor
