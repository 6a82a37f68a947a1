#include "visualise/ui/VisualiseLauncher.h"

#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/KVORMainForm.h"
#include "app/MainContext.h"
#include "app/PowerTab.h"
#include "studies/DetectionPanels.h"
#include "visualise/ui/KVORVisualise.h"
#include "visualise/ui/KVORVisualisePlot.h"
#include "visualise/ui/VisualiseSetup.h"

#include <QPointer>

namespace kvor {

namespace {

int SuggestedFor(const DetectionSide& side, char separator) {
    return SuggestedN(PanelTexts(side.AnswerStore, side.Totals, separator).RequiredN.c_str());
}

} // namespace

void ConnectHelp(TKVORVisualise& dialog, THelpSystem& help) {
    QObject::connect(&dialog, &TKVORVisualise::HelpRequested, &help,
                     [&help](int topic) { help.ShowTopic(topic); });
    help.ConnectPopups(dialog);
    dialog.PlotOpening = [&help](TKVORVisualisePlot& plot) {
        QObject::connect(&plot, &TKVORVisualisePlot::HelpRequested, &help,
                         [&help](int topic) { help.ShowTopic(topic); });
        help.ConnectPopups(plot);
    };
}

VisualiseSetup VisualiseSetupOf(const TPowerTab& tab, const MainContext& context) {
    VisualiseSetup setup;
    setup.Design = tab.ReadStudyDesign();
    setup.Imported = tab.Generating() ? nullptr : &tab.ImportedData();
    setup.DecimalSeparator = context.SeparatorChar();
    setup.SuggestedIntervalsN = SuggestedFor(tab.Results().Intervals, setup.DecimalSeparator);
    setup.SuggestedRegionN = SuggestedFor(tab.Results().Region, setup.DecimalSeparator);
    QPointer<const TPowerTab> entries(&tab);
    const StudyDesign opened = setup.Design;
    setup.EntriesNow = [entries, opened] {
        const StudyDesign d = entries ? entries->ReadStudyDesign() : opened;
        return PowerEntries{d.TrueSlope, d.TrueIntercept, d.ActualSlope, d.ActualIntercept,
                            d.DataSource == DataSource::Import};
    };
    return setup;
}

void PVisualiseButtonClick(TPowerTab& tab, MainContext& context) {
    QWidget* window = tab.window();
    window->setEnabled(false);
    TKVORVisualise dialog(VisualiseSetupOf(tab, context), context, window);
    window->setEnabled(true);
    if (auto* main = qobject_cast<TKVORMain*>(window)) {
        ConnectHelp(dialog, main->Help());
    }
    dialog.exec();
}

} // namespace kvor
