#pragma once
#include <cstdint>
#include <string_view>

#include "common/windows/InputWindow.h"

class QPushButton;

namespace oriastra {

class frmIndonesianAstrologyMain : public InputWindow {
    Q_OBJECT
public:
    explicit frmIndonesianAstrologyMain(AppContext& context);

    void cmdCalculate_Click();
    void cmdOpen_Click();
    void Calculate() override { cmdCalculate_Click(); }

    // Loads the reading window when needed and puts the date's weton into it; does not show it.
    void FindWeton(std::int16_t year, std::string_view month, std::int16_t day);

    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
};

}  // namespace oriastra
