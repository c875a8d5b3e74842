#pragma once
#include "common/TraditionWindow.h"

class QPushButton;
class QTextEdit;

namespace oriastra {

// The Tibetan report: shows, prints, and saves the birth details behind it as a ".tib" record.
class frmTibetanAstrologySave : public TraditionWindow {
    Q_OBJECT
public:
    explicit frmTibetanAstrologySave(AppContext& context);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdSave_Click();
    void cmdPrint_Click();

    QTextEdit* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
};

}  // namespace oriastra
