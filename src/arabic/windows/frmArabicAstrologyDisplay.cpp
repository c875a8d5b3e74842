#include "arabic/windows/frmArabicAstrologyDisplay.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "arabic/logic/ArabicTradition.h"
#include "arabic/windows/ArabicPictures.h"
#include "common/logic/BannerCaptions.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/ReportView.h"
#include "common/windows/SvgPicture.h"

namespace oriastra {

namespace {

// The window's labels were drawn in 8.25 point type, which is this program's label size; the
// Arabic name stands out at 14.25 point on that scale.
constexpr qreal kDrawnLabelSize = 8.25;

// A result label in bold, `drawnSize` points on the drawn scale.
QLabel* MakeResult(int index, qreal drawnSize, QWidget* parent) {
    QLabel* label = PlainLabel(QStringLiteral("lblResult(%1)").arg(index), QString(), parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * drawnSize / kDrawnLabelSize);
    label->setFont(font);
    label->setProperty("readingValue", true);
    return label;
}

QLabel* MakePicture(const char* name, QSize size, const QString& description, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setFixedSize(size);
    picture->setAccessibleDescription(description);
    return picture;
}

// The picture is named after what it shows.
void ShowPicture(QLabel& box, const QString& path, QSize size, const QString& shows) {
    if (path.isEmpty()) return;
    box.setPixmap(SvgPixmap(path, size, box.devicePixelRatioF()));
    box.setProperty("picture", path);
    box.setAccessibleName(shows);
}

}  // namespace

frmArabicAstrologyDisplay::frmArabicAstrologyDisplay(AppContext& context)
    : ReadingWindow(context, kArabicTradition, tr("Kestrin Arabic Astrology")) {
    setObjectName("frmArabicAstrologyDisplay");
    // The result frame has the look of the input window's "Personal Details" frame.
    AddStyleRules(QStringLiteral(R"(
QGroupBox#fraResult { font-weight: bold; color: #4a1a60; border: 1px solid #c8b07a;
    border-radius: 6px; margin-top: 12px; padding: 10px 8px 8px 8px; }
QGroupBox#fraResult::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QGroupBox#fraResult QLabel { font-weight: normal; color: black; }
QGroupBox#fraResult QLabel[readingValue="true"] { font-weight: bold; color: #4a1a60; }
)"));
    Platform& platform = context.platform;
    body_->addWidget(MakeBrandFrame(platform, this));
    BuildResultFrame();
    body_->addWidget(fraResult, 1);

    cmdExit = AddButton("cmdExit", tr("E&xit"), tr("Closes the reading and the birth details"),
                        [this] { cmdExit_Click(); });
    cmdBack = AddButton("cmdBack", tr("&Back"), BackDescription(), [this] { cmdBack_Click(); });
    for (QPushButton* button : {cmdExit, cmdBack}) button->setMinimumWidth(110);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    buttons->addWidget(cmdBack);
    buttons->addStretch();
    body_->addLayout(buttons);
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(false), platform, this));

    // The entry is part of the menu as users know it, but printing has never been offered.
    AddFileEntry("mnuPrint", tr("&Print"), [] {})->setEnabled(false);
    AddFileEntry("mnuBack", tr("&Back"), [this] { cmdBack_Click(); });
    AddFileSeparator("mnuFileSep1");
    AddExitAndHelp();

    setTabOrder(RTB, cmdExit);
    setTabOrder(cmdExit, cmdBack);
    cmdBack->setFocus(Qt::OtherFocusReason);
    ShowReading(reading_);
}

void frmArabicAstrologyDisplay::BuildResultFrame() {
    fraResult = new QGroupBox(tr("Kestrin Arabic Astrology Result"), this);
    fraResult->setObjectName("fraResult");
    lblLabel[0] = PlainLabel("lblLabel(0)", tr("English Sun Sign"), fraResult);
    lblLabel[1] = PlainLabel("lblLabel(1)", tr("Arabic Sun Sign"), fraResult);
    lblLabel[2] = PlainLabel("lblLabel(2)", tr("Phonetic"), fraResult);
    lblLabel[3] = PlainLabel("lblLabel(3)", tr("Urdu Name"), fraResult);
    lblResult[0] = MakeResult(0, 8.25, fraResult);
    lblResult[1] = MakeResult(1, 14.25, fraResult);
    lblResult[2] = MakeResult(2, 8.25, fraResult);
    for (int row = 0; row < 3; ++row) MarkValue(*lblResult[row], lblLabel[row]->text());
    picArabic = MakePicture("picArabic", kUrduNamePictureSize,
                            tr("Your sign's name in Urdu script"), fraResult);
    picZodiac =
        MakePicture("picZodiac", kZodiacPictureSize, tr("Picture of your zodiac sign"), fraResult);
    RTB = new ReportView(context_.platform, fraResult);
    SetAccessibleText(*RTB, tr("About your sign"), tr("Read-only description of your zodiac sign"));
    RTB->setMinimumSize(440, kZodiacPictureSize.height());

    auto* names = new QGridLayout;
    names->setHorizontalSpacing(14);
    names->setVerticalSpacing(6);
    names->addWidget(lblLabel[1], 0, 0);
    names->addWidget(lblResult[1], 0, 1, 1, 3);
    names->addWidget(lblLabel[2], 1, 0);
    names->addWidget(lblResult[2], 1, 1, 1, 3);
    names->addWidget(lblLabel[0], 2, 0);
    names->addWidget(lblResult[0], 2, 1);
    names->addWidget(lblLabel[3], 2, 2, Qt::AlignRight | Qt::AlignVCenter);
    names->addWidget(picArabic, 2, 3);
    names->setColumnStretch(1, 1);

    auto* sign = new QHBoxLayout;
    sign->setSpacing(12);
    sign->addWidget(picZodiac, 0, Qt::AlignTop);
    sign->addWidget(RTB, 1);

    auto* inner = new QVBoxLayout(fraResult);
    inner->setSpacing(10);
    inner->addLayout(names);
    inner->addLayout(sign, 1);
}

void frmArabicAstrologyDisplay::Form_Load() { PlaceAtTopCentre(); }

void frmArabicAstrologyDisplay::ShowReading(const ArabicReading& reading) {
    reading_ = reading;
    ShowValue(*lblResult[0], ToQt(reading.westernName));
    ShowValue(*lblResult[1], ToQt(reading.arabicName));
    ShowValue(*lblResult[2], ToQt(reading.phoneticName));
    // The view reads each CR LF joint as one line break.
    RTB->ShowRuns({StyledRun{std::string(reading.description)}});
    ShowPicture(*picArabic, ArabicUrduNamePicture(reading.urduNamePicture), kUrduNamePictureSize,
                tr("%1 written in Urdu").arg(ToQt(reading.phoneticName)));
    ShowPicture(*picZodiac, ArabicZodiacPicture(reading.zodiacPicture), kZodiacPictureSize,
                ToQt(reading.westernName));
}

void frmArabicAstrologyDisplay::cmdBack_Click() { Back(); }

void frmArabicAstrologyDisplay::cmdExit_Click() { Unload(); }

}  // namespace oriastra
