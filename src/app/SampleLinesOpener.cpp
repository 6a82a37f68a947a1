#include "app/SampleLinesOpener.h"

#include "app/AccuracyTab.h"
#include "app/HelpSystem.h"
#include "app/KVORMainForm.h"
#include "app/MainContext.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "graphs/SampleLinesModel.h"
#include "graphs/ui/KVORSampleLinesForm.h"

#include <QPointer>

namespace kvor {

namespace {} // namespace

void ALinesButtonClick(TAccuracyTab& tab, MainContext& context) {
    QWidget* main = tab.window();
    main->setEnabled(false);
    GraphOutputContext& output = context.Output();
    RunResults results = tab.RunResults();
    PrepareSampleLinesAxes(results, output.DesignOptions.LinesZeroOriginForced);

    const TQIVSpinEdit* samples = tab.SamplesSpinEdit();
    const TQIVSpinEdit* size = tab.SizeSpinEdit();
    QPointer<TQIVNumEdit> slope = tab.TargetSlope();
    QPointer<TQIVNumEdit> intercept = tab.TargetIntercept();
    SampleLinesSetup setup;
    setup.Regression = tab.Regression();
    setup.Samples = samples != nullptr ? samples->Value() : results.Count;
    setup.SetSize = size != nullptr ? size->Value() : 0;
    setup.DecimalSeparator = context.SeparatorChar();
    setup.TrueValuesNow = [slope, intercept] {
        TrueValues truth;
        if (slope) {
            truth.Slope = slope->Value();
        }
        if (intercept) {
            truth.Intercept = intercept->Value();
        }
        return truth;
    };
    TKVORSampleLines dialog(output, results, setup, main);
    main->setEnabled(true);
    if (auto* window = qobject_cast<TKVORMain*>(main)) {
        THelpSystem& help = window->Help();
        QObject::connect(&dialog, &TKVORSampleLines::HelpRequested, &help,
                         [&help](int topic) { help.ShowTopic(topic); });
        help.ConnectPopups(dialog);
    }
    dialog.exec();
}

} // namespace kvor
