#include "app/AssignSettings.h"

#include "app/MainContext.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/StudyTab.h"
#include "app/VarianceGroup.h"
#include "app/WidgetHelpers.h"

#include <QRadioButton>

#include <vector>

namespace kvor {

namespace {

constexpr RegressionType Regressions[] = {RegressionType::OLS, RegressionType::WLS,
                                          RegressionType::Deming};

// The number an edit stands for after its exit rule: an unfinished text takes the default.
QString Compared(const TQIVNumEdit* edit, double fallback) {
    const double value = edit->IsPartial() ? fallback : edit->Value();
    return QString::number(value, 'f', 14);
}

// Every compared item of a tab, in the order of the comparison.
std::vector<QString> Settings(const TStudyTab& tab) {
    std::vector<QString> items;
    for (RegressionType type : Regressions) {
        items.push_back(tab.RegressionButton(type)->isChecked() ? "1" : "0");
    }
    items.push_back(Compared(tab.YGroup()->Constant(), 1));
    for (const TVarianceGroup* group : {tab.YGroup(), tab.XGroup()}) {
        const bool x = group == tab.XGroup();
        items.push_back(group->F2()->isChecked() ? "1" : "0");
        items.push_back(QString::number(group->Para()->Value()));
        items.push_back(group->F4()->isChecked() ? "1" : "0");
        items.push_back(group->F3()->isChecked() ? "1" : "0");
        items.push_back(Compared(group->B1(), 0));
        items.push_back(Compared(group->B2(), 0));
        items.push_back(Compared(group->B3(), 0));
        items.push_back(Compared(group->J(), x ? 1 : 0));
    }
    return items;
}

QRadioButton* FormButton(const TVarianceGroup& group, int form) {
    return form == 2 ? group.F2() : form == 4 ? group.F4() : group.F3();
}

void CopyNumber(TQIVNumEdit* to, const TQIVNumEdit* from) {
    to->setText(from->text());
}

} // namespace

bool CheckAssignStatus(const TStudyTab& a, const TStudyTab& b) {
    return Settings(a) != Settings(b);
}

void AssignSettings(TStudyTab& to, const TStudyTab& from, MainContext& context) {
    if (!CheckAssignStatus(to, from)) {
        return;
    }
    const UpdatesSuspended suspended(to);
    QRadioButton* regression = to.RegressionButton(from.Regression());
    if (regression->isChecked()) {
        to.OLSRadioButtonClick();
    } else {
        regression->setChecked(true);
    }
    for (TVarianceGroup* group : {to.YGroup(), to.XGroup()}) {
        const TVarianceGroup* source = group == to.YGroup() ? from.YGroup() : from.XGroup();
        QRadioButton* form = FormButton(*group, source->Form());
        if (form->isChecked()) {
            to.FormClick(*group);
        } else {
            form->setChecked(true);
        }
    }
    const HandlersPause pause(context);
    CopyNumber(to.YGroup()->Constant(), from.YGroup()->Constant());
    for (TVarianceGroup* group : {to.YGroup(), to.XGroup()}) {
        const TVarianceGroup* source = group == to.YGroup() ? from.YGroup() : from.XGroup();
        group->Para()->SetValue(source->Para()->Value());
        CopyNumber(group->B1(), source->B1());
        CopyNumber(group->B2(), source->B2());
        CopyNumber(group->B3(), source->B3());
        CopyNumber(group->J(), source->J());
    }
}

} // namespace kvor
