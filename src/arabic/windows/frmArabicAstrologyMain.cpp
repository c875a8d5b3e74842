#include "arabic/windows/frmArabicAstrologyMain.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "arabic/logic/ArabicState.h"
#include "arabic/logic/ArabicTradition.h"
#include "arabic/logic/modArabicAstrology.h"
#include "arabic/windows/ShowArabicSign.h"
#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/Twips.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

namespace {

// The top of the Open button: 5400 twips, below the client area of 4590 twips.
constexpr int kOpenButtonTop = 5400;

}  // namespace

frmArabicAstrologyMain::frmArabicAstrologyMain(AppContext& context, ArabicState& state)
    : InputWindow(context, kArabicTradition, tr("Kestrin Arabic Astrology")), state_(state) {
    setObjectName("frmArabicAstrologyMain");
    fillOrder_ = BirthDetailsPanel::FillOrder::DayMonthYear;
    panel->nameLabel->setObjectName("lblLabel(0)");
    panel->dateLabel->setObjectName("lblLabel(1)");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("lblLabel(2)",
            tr("Do you want to know your Arabic zodiac sign? Then what are you waiting "
               "for? Just enter your date of birth and get your result!"),
            true);
    body_->addWidget(panel);
    // The Calculate button sits inside the frame, below the lists.
    cmdNext = new QPushButton(tr("&Get My Arabic Astrology Sign"), panel);
    cmdNext->setObjectName("cmdNext");
    cmdNext->setMinimumHeight(32);
    cmdNext->setAutoDefault(true);
    cmdNext->setAccessibleDescription(tr("Shows your Arabic zodiac sign for the date above"));
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    auto* grid = static_cast<QGridLayout*>(panel->layout());
    grid->addWidget(cmdNext, grid->rowCount(), 1);
    body_->addWidget(MakeSponsorLabel("Label61", DiscussionBoardCaption(), context.platform, this));
    AddExitAndHelp(tr("&Check for Software Update"));

    // Outside the layout, so it never takes room; resizeEvent keeps it out of sight.
    cmdOpen = new QPushButton(tr("&Open Previously Saved Reading"), this);
    cmdOpen->setObjectName("cmdOpen");
    cmdOpen->setAutoDefault(true);
    cmdOpen->setAccessibleDescription(
        tr("Takes the date of birth from a Kestrin Free Numerology Pro file"));
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    setTabOrder(panel->cboYear, cmdNext);
    setTabOrder(cmdNext, cmdOpen);
}

void frmArabicAstrologyMain::resizeEvent(QResizeEvent* event) {
    InputWindow::resizeEvent(event);
    // A window laid out taller than the client area it was drawn for still hides the button.
    const int top = std::max(TwipsToPixels(kOpenButtonTop), height());
    cmdOpen->setGeometry(panel->x(), top, cmdOpen->sizeHint().width(),
                         cmdOpen->sizeHint().height());
}

void frmArabicAstrologyMain::cmdNext_Click() {
    if (!AcceptBirthDetails()) return;
    const BirthDetails& details = context_.birthDetails;
    StoreWesternSunSign(state_, details.month, details.day);
    ShowArabicSign(context_.windows, state_.WesternSunSign);
    ShowReadingWindow();
}

void frmArabicAstrologyMain::cmdOpen_Click() { OpenSavedReading(); }

}  // namespace oriastra
