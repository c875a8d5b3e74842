#pragma once
#include "common/InputWindow.h"

class QPushButton;

namespace oriastra {

class frmBurmeseAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    explicit frmBurmeseAstrologyMain(AppContext& context);

    void cmdGenerateChart_Click();
    void Calculate() override { cmdGenerateChart_Click(); }

    QPushButton* cmdGenerateChart = nullptr;
};

}  // namespace oriastra
