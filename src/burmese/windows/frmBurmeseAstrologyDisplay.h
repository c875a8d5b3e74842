#pragma once
#include "burmese/logic/BurmeseReading.h"
#include "common/windows/ReadingWindow.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace oriastra {

class BurmeseChartFrame;
struct BurmeseState;
struct HouseTexts;

// The Burmese chart window: the house chart with its hover descriptions on the first tab, the
// day sign on the second, which is the one shown on opening.
class frmBurmeseAstrologyDisplay : public ReadingWindow {
    Q_OBJECT
public:
    frmBurmeseAstrologyDisplay(AppContext& context, BurmeseState& state);

    void Form_Load() override;
    QStringList PictureViews() const override;
    void ShowPictureView(int view) override;
    void cmdPrint_Click();
    void cmdOK_Click();

    const BurmeseReading& Reading() const { return reading_; }
    // Writes the reading into the labels and keeps it for the report.
    void ShowReading(const BurmeseReading& reading);
    // The chart of the current birth details and the Burmese state over the reading shown;
    // what the chart leaves keeps its caption.
    void WriteChart();

    QTabWidget* SSTab1 = nullptr;
    BurmeseChartFrame* Frame1 = nullptr;
    QLabel* lblBirthDay = nullptr;
    QLabel* lblLuckyDirection = nullptr;
    QLabel* lblCharacteristic = nullptr;
    QLabel* lblBirthDayPlanet = nullptr;
    QLabel* lblPlanetDesc = nullptr;
    QLabel* lblAnimalSign = nullptr;
    QLabel* lblAnimalDesc = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    QWidget* BuildChartTab(const HouseTexts& houses);
    QWidget* BuildInterpretationTab();

    BurmeseState& state_;
    BurmeseReading reading_ = InitialBurmeseReading();
};

}  // namespace oriastra
