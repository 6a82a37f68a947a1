#pragma once

namespace kvor {

class MainContext;
class TPowerTab;
struct VisualiseSetup;

// The dialog's view of the Power tab after its run: design, pool and suggested Ns.
VisualiseSetup VisualiseSetupOf(const TPowerTab& tab, const MainContext& context);

// Opens the visualisation dialog modally over the main window.
void PVisualiseButtonClick(TPowerTab& tab, MainContext& context);

} // namespace kvor
