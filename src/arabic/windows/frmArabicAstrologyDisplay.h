#pragma once
#include <array>

#include "arabic/logic/modArabicAstrology.h"
#include "common/windows/ReadingWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace oriastra {

class ReportView;

// One person's Arabic sign: the names, the name in Urdu script, the zodiac picture and the
// description, inside the frame "Kestrin Arabic Astrology Result". It has no report.
class frmArabicAstrologyDisplay : public ReadingWindow {
    Q_OBJECT
public:
    explicit frmArabicAstrologyDisplay(AppContext& context);

    void Form_Load() override;
    // Labels, both pictures and the description view take the reading; the view holds nothing
    // but this description.
    void ShowReading(const ArabicReading& reading);
    const ArabicReading& Reading() const { return reading_; }

    void cmdBack_Click();
    void cmdExit_Click();

    QGroupBox* fraResult = nullptr;
    std::array<QLabel*, 4> lblLabel{};   // "English Sun Sign", "Arabic Sun Sign", "Phonetic", "Urdu Name"
    std::array<QLabel*, 3> lblResult{};  // western, Arabic, phonetic name
    QLabel* picArabic = nullptr;         // the name in Urdu script (IMG)
    QLabel* picZodiac = nullptr;         // the zodiac picture (IMG2)
    ReportView* RTB = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdBack = nullptr;

private:
    void BuildResultFrame();

    ArabicReading reading_;
};

}  // namespace oriastra
