#pragma once

namespace kvor {

class MainContext;
class TAccuracyTab;

// View Results: the sampling-lines plot of the tab's latest run, shown modally.
void ALinesButtonClick(TAccuracyTab& tab, MainContext& context);

} // namespace kvor
