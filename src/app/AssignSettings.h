#pragma once

namespace kvor {

class MainContext;
class TStudyTab;

// True when the regression settings of the two tabs differ: regression type, constant variance
// and both variance functions, numbers compared with 14 decimals.
bool CheckAssignStatus(const TStudyTab& a, const TStudyTab& b);

// Copies the regression settings of `from` into `to` through `to`'s handlers; nothing happens
// when they already agree. The data source, X range, line and counts stay.
void AssignSettings(TStudyTab& to, const TStudyTab& from, MainContext& context);

} // namespace kvor
