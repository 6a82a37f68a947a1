#pragma once

namespace kvor {

class TStudyTab;

// The imported-data buttons of a tab. Each dialog is modal and freed when closed; on OK the
// text-file and clipboard dialogs commit their pairs to the tab.
void AImportButtonClick(TStudyTab& tab);
void APasteButtonClick(TStudyTab& tab);
void PVIButtonClick(TStudyTab& tab);

} // namespace kvor
