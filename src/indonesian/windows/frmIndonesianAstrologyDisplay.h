#pragma once
#include <array>

#include "common/windows/ReadingWindow.h"
#include "indonesian/logic/modJavaneseAstrology.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace oriastra {

// The weton: market day, Javanese weekday, English weekday and the reading, framed by Shape1.
// It keeps the weton it shows; the report reads that value, never the labels.
class frmIndonesianAstrologyDisplay : public ReadingWindow {
    Q_OBJECT
public:
    explicit frmIndonesianAstrologyDisplay(AppContext& context);

    void Form_Load() override;
    // Sets all four result labels, empty texts included.
    void ShowWeton(const WetonReading& weton);
    const WetonReading& Weton() const { return weton_; }

    void cmdSave_Click();
    void mnuBack_Click();

    QFrame* Shape1 = nullptr;
    std::array<QLabel*, 3> Label1{};
    std::array<QLabel*, 4> lblJavaneseResult{};
    QGroupBox* Frame5 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;

private:
    void BuildResultRows();

    WetonReading weton_ = InitialWetonReading();
};

}  // namespace oriastra
