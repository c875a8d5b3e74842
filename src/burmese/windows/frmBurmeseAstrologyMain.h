#pragma once
#include "burmese/logic/BurmeseReport.h"
#include "common/windows/InputWindow.h"

class QPushButton;

namespace oriastra {

struct BurmeseState;

class frmBurmeseAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    frmBurmeseAstrologyMain(AppContext& context, BurmeseState& state);

    // The generate step: validation, weekday, house texts, day sign (the Wednesday question
    // unless a record answered it), house chart, then the chart window.
    void cmdGenerateChart_Click();
    void cmdOpen_Click();
    void Calculate() override { cmdGenerateChart_Click(); }

    // The name box and the lists as the report shows them.
    BurmeseReportEntries ReportEntries() const;

    QPushButton* cmdGenerateChart = nullptr;
    QPushButton* cmdOpen = nullptr;

protected:
    void RecordOpened(const RecordEntries& record) override;

private:
    BurmeseState& state_;
};

}  // namespace oriastra
