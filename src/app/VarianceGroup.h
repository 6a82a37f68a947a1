#pragma once

#include "engine/StudyDesign.h"

#include <QGroupBox>

class QGridLayout;
class QLabel;
class QRadioButton;

namespace kvor {

class MainContext;
class TQIVNumEdit;
class TQIVSpinEdit;
enum class DesignField;

// Help ids of one variance-function group, in the order F2, F3, F4, Para, B1, B2, B3, J.
struct VarianceHelpIds {
    int F2, F3, F4, Para, B1, B2, B3, J;
};

// The controls of one variance function (" Y-&Variance Function " or its X twin): the three
// form buttons, Para, B1 to B3 and J. The Y group also holds the constant variance of OLS.
class TVarianceGroup : public QGroupBox {
    Q_OBJECT

public:
    // prefix is the tab letter and the axis, "AY", "PX", ...
    TVarianceGroup(const QString& prefix, const VarianceHelpIds& help, bool withConstant,
                   MainContext& context, QWidget* parent);

    QRadioButton* F2() const { return m_f2; }
    QRadioButton* F3() const { return m_f3; }
    QRadioButton* F4() const { return m_f4; }
    TQIVSpinEdit* Para() const { return m_para; }
    QLabel* ParaLabel() const { return m_paraLabel; }
    TQIVNumEdit* B1() const { return m_b[0]; }
    TQIVNumEdit* B2() const { return m_b[1]; }
    TQIVNumEdit* B3() const { return m_b[2]; }
    TQIVNumEdit* J() const { return m_j; }
    QList<TQIVNumEdit*> NumEdits() const { return {m_b[0], m_b[1], m_b[2], m_j}; }
    // Null in the X group.
    TQIVNumEdit* Constant() const { return m_constant; }
    QLabel* ConstantLabel() const { return m_constantLabel; }
    QLabel* FunctionLabel() const { return m_functionLabel; }

    // The design field one of the group's edits holds.
    DesignField FieldOf(const TQIVNumEdit* edit) const;

    // 2, 4 or 3, in the order the buttons are read.
    int Form() const;
    VarianceFunction Read() const;

    // Shows or hides the form buttons, Para, B1, B2, J, and B3 exactly with form 4.
    void ShowFunction(bool visible);
    // Enables the group and its controls; Para only with form 2, B3 only while shown.
    void EnableFunction(bool enabled);
    void DisableAll();
    // The form layout: Para, tab stops, B3 and the place of J (paraEnabled: the regression
    // uses this function's Para).
    void ApplyForm(bool paraEnabled);
    // Caption of the form-2 button from the Para value.
    void UpdateParaCaption();

signals:
    void FormClicked();
    void ParaChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceJ(bool rightHand);

    QChar m_axis;
    QRadioButton* m_f2;
    QRadioButton* m_f3;
    QRadioButton* m_f4;
    QLabel* m_paraLabel;
    TQIVSpinEdit* m_para;
    QLabel* m_bLabel[3];
    TQIVNumEdit* m_b[3];
    QLabel* m_jLabel;
    TQIVNumEdit* m_j;
    QLabel* m_functionLabel = nullptr;
    QLabel* m_constantLabel = nullptr;
    TQIVNumEdit* m_constant = nullptr;
    QGridLayout* m_coefficients;
};

} // namespace kvor
