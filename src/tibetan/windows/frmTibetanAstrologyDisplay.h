#pragma once
#include "common/windows/ReadingWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace oriastra {

struct TibetanState;

// The Tibetan reading on three tabs: overview with the element, the sun sign, the animal.
class frmTibetanAstrologyDisplay : public ReadingWindow {
    Q_OBJECT
public:
    frmTibetanAstrologyDisplay(AppContext& context, TibetanState& state);

    void Form_Load() override;
    QStringList PictureViews() const override;
    void ShowPictureView(int view) override;
    void TS_Click();
    void cmdSave_Click();
    void cmdBack_Click();

    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;
    QTabBar* TS = nullptr;
    QStackedWidget* pages = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* Picture2 = nullptr;
    QWidget* Picture3 = nullptr;
    QLabel* lblTibetanSunSign = nullptr;
    QLabel* lblTransTibetanName = nullptr;
    QLabel* lblElement = nullptr;
    QPlainTextEdit* txtElement = nullptr;
    QLabel* lblWesternSunSign = nullptr;
    QPlainTextEdit* txtWesternSunSign = nullptr;
    QLabel* picTibetanSunSign = nullptr;
    QLabel* picTibetanAnimalSign = nullptr;
    QLabel* lblAnimalSunSign = nullptr;
    QPlainTextEdit* txtAnimalSunSign = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildOverviewPage();
    void BuildSunSignPage();
    void BuildAnimalPage();

    TibetanState& state_;
};

}  // namespace oriastra
