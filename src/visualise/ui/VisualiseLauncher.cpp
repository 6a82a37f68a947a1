#include "visualise/ui/VisualiseLauncher.h"

#include "app/HelpSystem.h"
#include "app/KVORMainForm.h"
#include "app/MainContext.h"
#include "app/PowerTab.h"
#include "studies/DetectionPanels.h"
#include "visualise/ui/KVORVisualise.h"
#include "visualise/ui/VisualiseSetup.h"

namespace kvor {

namespace {

int SuggestedFor(const DetectionSide& side, char separator) {
    return SuggestedN(PanelTexts(side.AnswerStore, side.Totals, separator).RequiredN.c_str());
}

} // namespace

VisualiseSetup VisualiseSetupOf(const TPowerTab& tab, const MainContext& context) {
    VisualiseSetup setup;
    setup.Design = tab.ReadStudyDesign();
    setup.Imported = tab.Generating() ? nullptr : &tab.ImportedData();
    setup.DecimalSeparator = context.DecimalSeparator() == QLatin1Char(',') ? ',' : '.';
    setup.SuggestedIntervalsN = SuggestedFor(tab.Results().Intervals, setup.DecimalSeparator);
    setup.SuggestedRegionN = SuggestedFor(tab.Results().Region, setup.DecimalSeparator);
    return setup;
}

void PVisualiseButtonClick(TPowerTab& tab, MainContext& context) {
    QWidget* window = tab.window();
    window->setEnabled(false);
    TKVORVisualise dialog(VisualiseSetupOf(tab, context), context, window);
    window->setEnabled(true);
    if (auto* main = qobject_cast<TKVORMain*>(window)) {
        QObject::connect(&dialog, &TKVORVisualise::HelpRequested, main,
                         [main](int topic) { main->Help().ShowTopic(topic); });
    }
    dialog.exec();
}

} // namespace kvor
