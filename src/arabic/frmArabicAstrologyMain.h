#pragma once
#include "common/InputWindow.h"

class QPushButton;

namespace oriastra {

class frmArabicAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    explicit frmArabicAstrologyMain(AppContext& context);

    void cmdNext_Click();
    void Calculate() override { cmdNext_Click(); }

    QPushButton* cmdNext = nullptr;
};

}  // namespace oriastra
