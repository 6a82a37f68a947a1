#pragma once

namespace kvor {

class MainContext;
class THelpSystem;
class TKVORVisualise;
class TPowerTab;
struct VisualiseSetup;

// The dialog's view of the Power tab after its run: design, pool and suggested Ns.
VisualiseSetup VisualiseSetupOf(const TPowerTab& tab, const MainContext& context);

// The dialog's Help button and the popups of its controls, served by the window's help.
void ConnectHelp(TKVORVisualise& dialog, THelpSystem& help);

// Opens the visualisation dialog modally over the main window.
void PVisualiseButtonClick(TPowerTab& tab, MainContext& context);

} // namespace kvor
