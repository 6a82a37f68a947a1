#include "app/SampleLinesOpener.h"

#include "app/AccuracyTab.h"
#include "app/MainContext.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "graphs/SampleLinesModel.h"
#include "graphs/ui/KVORSampleLinesForm.h"

#include <QPointer>

namespace kvor {

namespace {

template <typename Edit> Edit* Entry(TAccuracyTab& tab, const char* name) {
    return tab.findChild<Edit*>(name);
}

} // namespace

void ALinesButtonClick(TAccuracyTab& tab, MainContext& context) {
    QWidget* main = tab.window();
    main->setEnabled(false);
    GraphOutputContext& output = context.Output();
    RunResults results = tab.RunResults();
    PrepareSampleLinesAxes(results, output.DesignOptions.LinesZeroOriginForced);

    const auto* samples = Entry<TQIVSpinEdit>(tab, "ASamplesSpinEdit");
    const auto* size = Entry<TQIVSpinEdit>(tab, "ASizeSpinEdit");
    QPointer<TQIVNumEdit> slope = Entry<TQIVNumEdit>(tab, "ATargetSlopeNumEdit");
    QPointer<TQIVNumEdit> intercept = Entry<TQIVNumEdit>(tab, "ATargetInterceptNumEdit");
    SampleLinesSetup setup;
    setup.Regression = tab.Regression();
    setup.Samples = samples != nullptr ? samples->Value() : results.Count;
    setup.SetSize = size != nullptr ? size->Value() : 0;
    setup.DecimalSeparator = context.DecimalSeparator() == QLatin1Char(',') ? ',' : '.';
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
    dialog.exec();
}

} // namespace kvor
