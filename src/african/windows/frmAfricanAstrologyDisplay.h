#pragma once
#include <array>

#include "african/logic/modAfricanAstrology.h"
#include "common/windows/ReadingWindow.h"

class QLabel;
class QPushButton;

namespace oriastra {

// The African reading: the sign's picture and name over its short fields and description.
// It keeps the reading it shows; the report reads it from here.
class frmAfricanAstrologyDisplay : public ReadingWindow {
    Q_OBJECT
public:
    explicit frmAfricanAstrologyDisplay(AppContext& context);

    void Form_Load() override;
    // Every label and the picture from the reading.
    void ShowReading(const AfricanReading& reading);
    const AfricanReading& Reading() const { return reading_; }

    void mnuBack_Click();
    void cmdSave_Click();

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* imgAfrican = nullptr;
    std::array<QLabel*, 5> lblCaptions{};
    // 0 name, 1 element, 2 lucky day, 3 most successful months, 4 body parts, 5 description.
    std::array<QLabel*, 6> lblResult{};

private:
    QWidget* MakeReadingFrame();

    AfricanReading reading_;
};

}  // namespace oriastra
