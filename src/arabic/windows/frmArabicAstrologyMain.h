#pragma once
#include "common/windows/InputWindow.h"

class QPushButton;

namespace oriastra {

struct ArabicState;

class frmArabicAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    frmArabicAstrologyMain(AppContext& context, ArabicState& state);

    void cmdNext_Click();
    void cmdOpen_Click();
    void Calculate() override { cmdNext_Click(); }

    QPushButton* cmdNext = nullptr;
    // Lies below the client area, out of sight; Alt+O and the Tab key still reach it.
    QPushButton* cmdOpen = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ArabicState& state_;
};

}  // namespace oriastra
