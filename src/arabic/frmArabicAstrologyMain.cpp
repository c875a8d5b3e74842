#include "arabic/frmArabicAstrologyMain.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platform.h"
#include "common/BannerCaptions.h"
#include "common/BrandFrame.h"

namespace oriastra {

frmArabicAstrologyMain::frmArabicAstrologyMain(AppContext& context)
    : InputWindow(context, Tradition::Arabic, QStringLiteral("Kestrin Arabic Astrology")) {
    setObjectName("frmArabicAstrologyMain");
    fillOrder_ = BirthDetailsPanel::FillOrder::DayMonthYear;
    panel->nameLabel->setObjectName("lblLabel(0)");
    panel->dateLabel->setObjectName("lblLabel(1)");
    body_->addWidget(MakeBrandFrame(context.platform, this));
    AddText("lblLabel(2)",
            QStringLiteral("Do you want to know your Arabic zodiac sign? Then what are you waiting "
                           "for? Just enter your date of birth and get your result!"),
            true);
    body_->addWidget(panel);
    // The Calculate button sits inside the frame, below the lists.
    cmdNext = new QPushButton(QStringLiteral("&Get My Arabic Astrology Sign"), panel);
    cmdNext->setObjectName("cmdNext");
    cmdNext->setMinimumHeight(32);
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    auto* grid = static_cast<QGridLayout*>(panel->layout());
    grid->addWidget(cmdNext, grid->rowCount(), 1);
    body_->addWidget(MakeSponsorLabel("Label61", DiscussionBoardCaption(), context.platform, this));
    AddExitAndHelp(QStringLiteral("&Check for Software Update"));
}

void frmArabicAstrologyMain::cmdNext_Click() { AcceptBirthDetails(); }

}  // namespace oriastra
