#pragma once
#include <QString>
#include <functional>

#include "common/logic/RecordLayout.h"
#include "common/logic/Tradition.h"
#include "common/windows/BirthDetailsPanel.h"
#include "common/windows/TraditionWindow.h"

namespace oriastra {

// What every tradition's input window has beyond menus and buttons: the birth details panel,
// the load step (placed at the top centre, lists filled), the unload step (the welcome panel
// comes back), the two halves every Calculate step shares, and the Open step.
class InputWindow : public TraditionWindow {
    Q_OBJECT
public:
    InputWindow(AppContext& context, Tradition tradition, const QString& caption);

    // What the Open button of every input window does, as assistive technology describes it.
    static QString OpenDescription() {
        return tr("Opens a reading saved before and calculates it again");
    }

    void Form_Load() override;
    void Form_Unload() override;

    // The tradition's Calculate step, which the Open step runs after filling the panel.
    virtual void Calculate() = 0;
    // "Open Previously Saved Reading": the dialog, then OpenRecord with the chosen file.
    void OpenSavedReading();
    // The extension test, the record's lines into the panel, then the Calculate step.
    void OpenRecord(const QString& path);

    BirthDetailsPanel* panel = nullptr;

protected:
    // The first half of every Calculate step: validation (its message shown on failure), then
    // the current birth details stored.
    bool AcceptBirthDetails();
    // The last half: the reading window shown, this window hidden with its entries, the
    // welcome panel hidden.
    void ShowReadingWindow();
    // Called with a record's entries after the panel took them, before the Calculate step.
    virtual void RecordOpened(const RecordEntries& record) { (void)record; }

    QWidget* AddText(const char* name, const QString& text, bool emphasised = false);
    // "&Open Previously Saved Reading" beside the Calculate button, the two sharing the width.
    QPushButton* AddOpenBeside(QPushButton* calculate, std::function<void()> open);

    const TraditionDescriptor& descriptor_;
    BirthDetailsPanel::FillOrder fillOrder_ = BirthDetailsPanel::FillOrder::MonthDayYear;
};

}  // namespace oriastra
