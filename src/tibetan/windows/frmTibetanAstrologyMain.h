#pragma once
#include "common/windows/InputWindow.h"

class QPushButton;

namespace oriastra {

class frmTibetanAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    explicit frmTibetanAstrologyMain(AppContext& context);

    void cmdCalculate_Click();
    void cmdOpen_Click();
    void Calculate() override { cmdCalculate_Click(); }

    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
};

}  // namespace oriastra
