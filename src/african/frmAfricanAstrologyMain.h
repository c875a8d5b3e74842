#pragma once
#include "common/InputWindow.h"

class QPushButton;

namespace oriastra {

class frmAfricanAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    explicit frmAfricanAstrologyMain(AppContext& context);

    void cmdCalculate_Click();
    void Calculate() override { cmdCalculate_Click(); }

    QPushButton* cmdCalculate = nullptr;
};

}  // namespace oriastra
