#pragma once
#include "common/windows/InputWindow.h"

class QPushButton;

namespace oriastra {

class frmAfricanAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    explicit frmAfricanAstrologyMain(AppContext& context);

    void cmdCalculate_Click();
    void cmdOpen_Click();
    void Calculate() override { cmdCalculate_Click(); }

    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;

private:
    // Loads the reading window when needed (not shown) and fills it with the stored date's sign.
    void FillReadingWindow();
};

}  // namespace oriastra
