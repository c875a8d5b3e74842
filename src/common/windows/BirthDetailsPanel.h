#pragma once
#include <QGroupBox>
#include <QString>

#include "common/logic/BirthDetailsRules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace oriastra {

class Platform;

// The "Personal Details" frame every input window carries: name, month, day, year and, in a
// window that asks it, the sex.
class BirthDetailsPanel : public QGroupBox {
    Q_OBJECT
public:
    enum class FillOrder { MonthDayYear, DayMonthYear };

    BirthDetailsPanel(const PanelRules& rules, Platform& platform, QWidget* parent = nullptr);

    // The load step: lists filled in the window's order, first entries selected, name empty,
    // no sex chosen.
    void FillLists(FillOrder order = FillOrder::MonthDayYear);

    PanelEntries Entries() const;
    // Shows the first broken rule's message and returns false; true when the entries may be used.
    bool Validate();
    BirthDetails Store() const;

    // Puts entries back into the controls (the Open step fills them through the shared rule).
    void SetEntries(const PanelEntries& entries);

    QLabel* nameLabel = nullptr;    // "Name"
    QLabel* dateLabel = nullptr;    // "Date of Birth"
    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* Label2 = nullptr;       // "Sex"
    QRadioButton* optMale = nullptr;
    QRadioButton* optFemale = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NameControls();

    const PanelRules& rules_;
    Platform& platform_;
};

}  // namespace oriastra
