#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/KVORPageControl.h"
#include "app/PowerTab.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

enum class Source { Generate, ImportEmpty, ImportPairs };
enum class Regression { OLS, WLS, Deming };

struct Combination {
    char Tab;
    Source DataSource;
    Regression Type;
    int Form; // of both variance functions
};

std::string Describe(const Combination& c) {
    return std::string(1, c.Tab) + " source " + std::to_string(static_cast<int>(c.DataSource)) +
           " regression " + std::to_string(static_cast<int>(c.Type)) + " form " +
           std::to_string(c.Form);
}

// Drives a fresh window the way a user would: data source first, forms chosen under Deming,
// then the regression type of the case.
void Arrange(MainWindowFixture& f, const Combination& c) {
    const QString t(c.Tab);
    f.Window->pageControl()->setCurrentIndex(c.Tab == 'A' ? 0 : 1);
    kvor::TStudyTab* tab = c.Tab == 'A' ? static_cast<kvor::TStudyTab*>(f.Window->AccuracyTab())
                                        : f.Window->PowerTab();
    if (c.DataSource != Source::Generate) {
        f.Find<QAbstractButton>(t + "ReadRadioButton")->click();
    }
    if (c.DataSource == Source::ImportPairs) {
        tab->ImportedData().Count = 250000;
        tab->ImportCommitted("250000 pairs", "pasted", true);
    }
    f.Find<QAbstractButton>(t + "DemingRadioButton")->click();
    const QString form = QString::number(c.Form);
    f.Find<QAbstractButton>(t + "YF" + form + "RadioButton")->setChecked(true);
    f.Find<QAbstractButton>(t + "XF" + form + "RadioButton")->setChecked(true);
    const char* type[] = {"OLS", "WLS", "Deming"};
    f.Find<QAbstractButton>(t + type[static_cast<int>(c.Type)] + "RadioButton")->click();
}

struct Expectation {
    const char* Control; // without the tab letter
    bool Visible;
    bool Enabled;
};

std::vector<Expectation> Expected(const Combination& c) {
    const bool generate = c.DataSource == Source::Generate;
    const bool pairs = c.DataSource == Source::ImportPairs;
    const bool ready = generate || pairs;
    const bool ols = c.Type == Regression::OLS;
    const bool deming = c.Type == Regression::Deming;
    const bool f2 = c.Form == 2;
    const bool f4 = c.Form == 4;
    const bool yShown = !ols;
    std::vector<Expectation> e = {
        {"MinNumEdit", true, generate},
        {"MaxNumEdit", true, generate},
        {"UniformRadioButton", true, generate},
        {"ImportButton", true, !generate},
        {"VIButton", true, pairs},
        {"FileLabel1", true, !generate},
        {"ConstantNumEdit", ols, ols && generate},
        {"FunctionLabel", ols, ols && generate},
        {"YF2RadioButton", yShown, yShown && ready},
        {"YF4RadioButton", yShown, yShown && ready},
        {"YParaSpinEdit", yShown, yShown && ready && f2},
        {"YB1Edit", yShown, yShown && ready},
        {"YJEdit", yShown, yShown && ready},
        {"YB3Edit", yShown && f4, yShown && ready && f4},
        {"XF2RadioButton", true, deming && ready},
        {"XParaSpinEdit", true, deming && ready && f2},
        {"XB1Edit", true, deming && ready},
        {"XJEdit", true, deming && ready},
        {"XB3Edit", f4, deming && ready && f4},
        {"AssignButton", true, ready},
        {"VFButton", true, generate || (pairs && !ols)},
    };
    if (c.Tab == 'A') {
        e.push_back({"RandomRadioButton", true, pairs});
        e.push_back({"SequentialRadioButton", true, pairs});
    } else {
        e.push_back({"ActualSlopeNumEdit", true, generate});
        e.push_back({"ActualInterceptNumEdit", true, generate});
    }
    return e;
}

TEST(StudyTabEnabling, EveryDataSourceRegressionAndFormCombinationOnBothTabs) {
    for (const char tab : {'A', 'P'}) {
        for (const Source source : {Source::Generate, Source::ImportEmpty, Source::ImportPairs}) {
            for (const Regression type : {Regression::OLS, Regression::WLS, Regression::Deming}) {
                for (const int form : {2, 3, 4}) {
                    const Combination c{tab, source, type, form};
                    MainWindowFixture f;
                    Arrange(f, c);
                    for (const Expectation& e : Expected(c)) {
                        const QWidget* w = f.Find(QString(tab) + e.Control);
                        ASSERT_NE(w, nullptr);
                        EXPECT_EQ(w->isVisible(), e.Visible) << Describe(c) << " " << e.Control;
                        if (e.Visible) {
                            EXPECT_EQ(w->isEnabled(), e.Enabled) << Describe(c) << " " << e.Control;
                        }
                    }
                }
            }
        }
    }
}

TEST(StudyTabEnabling, WindowStartsInTheGenerateOlsAutomaticLayout) {
    MainWindowFixture f;
    EXPECT_EQ(f.Window->pageControl()->currentIndex(), 0);
    for (const char* name : {"AGenerateRadioButton", "PGenerateRadioButton", "AOLSRadioButton",
                             "POLSRadioButton", "PAutoRadioButton", "AYF2RadioButton"}) {
        EXPECT_TRUE(f.Find<QAbstractButton>(name)->isChecked()) << name;
    }
    for (const char* name : {"PNSpinEdit", "APasteButton", "PPasteButton", "PVIButton",
                             "PClearButton", "PSeedCheckBox", "AAbortButton"}) {
        EXPECT_FALSE(f.Find(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(f.Find("ASeedCheckBox")->isEnabled());
    EXPECT_TRUE(f.Window->HandlersActive());
    EXPECT_TRUE(f.Find("AMinNumEdit")->hasFocus());
}

TEST(StudyTabEnabling, OlsToWlsWithForm4ShowsB3AndBackToOlsShowsOnlyTheConstant) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("AWLSRadioButton")->click();
    f.Find<QAbstractButton>("AYF4RadioButton")->click();
    f.Find<QAbstractButton>("AOLSRadioButton")->click();
    EXPECT_FALSE(f.Find("AYB3Edit")->isVisible());
    EXPECT_FALSE(f.Find("AYB1Edit")->isVisible());
    EXPECT_FALSE(f.Find("AYF4RadioButton")->isVisible());
    EXPECT_TRUE(f.Find("AConstantNumEdit")->isVisible());
    EXPECT_EQ(f.Find<QGroupBox>("AYGroupBox")->title(), " Y-&Variance ");
    f.Find<QAbstractButton>("AWLSRadioButton")->click();
    EXPECT_TRUE(f.Find("AYB3Edit")->isVisible());
    EXPECT_TRUE(f.Find("AYB3Edit")->isEnabled());
    EXPECT_FALSE(f.Find("AYParaSpinEdit")->isEnabled());
    EXPECT_FALSE(f.Find("AConstantNumEdit")->isVisible());
    EXPECT_EQ(f.Find<QGroupBox>("AYGroupBox")->title(), " Y-&Variance Function ");
}

TEST(StudyTabEnabling, ImportWithoutPairsDisablesTheVarianceAreaUntilAnImport) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("AWLSRadioButton")->click();
    f.Find<QAbstractButton>("AReadRadioButton")->click();
    for (const char* name : {"AYGroupBox", "AYB1Edit", "AXGroupBox", "AAssignButton", "AVFButton",
                             "ASamplingGroupBox"}) {
        EXPECT_FALSE(f.Find(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(f.Find("AImportButton")->hasFocus());
    f.Window->AccuracyTab()->ImportedData().Count = 5000;
    f.Window->AccuracyTab()->ImportCommitted("5000 X, Y pairs", "data.txt", true);
    for (const char* name : {"AYGroupBox", "AYB1Edit", "AAssignButton", "AVFButton",
                             "ASamplingGroupBox", "AVIButton"}) {
        EXPECT_TRUE(f.Find(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(f.Find("AXB1Edit")->isEnabled());
    EXPECT_EQ(f.Find<QLabel>("AFileLabel1")->text(), "5000 X, Y pairs");
}

} // namespace
