#include "burmese/windows/frmBurmeseAstrologyDisplay.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "burmese/logic/BurmeseState.h"
#include "burmese/logic/BurmeseTexts.h"
#include "burmese/logic/BurmeseTradition.h"
#include "burmese/logic/modBurmese.h"
#include "burmese/windows/BurmeseChartFrame.h"
#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/WrappedText.h"

namespace oriastra {

namespace {

QLabel* MakeText(const char* name, const QString& text, QWidget* parent) {
    return PlainLabel(QString::fromLatin1(name), text, parent);
}

// A short reading value: bold, a little larger, in the window's value colour.
QLabel* MakeValue(const char* name, QWidget* parent) {
    QLabel* label = MakeText(name, QString(), parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    label->setProperty("burmeseValue", true);
    label->setWordWrap(true);
    return label;
}

// A word-wrapping label's own size guess is made for a narrower line than it gets here, which
// left the window taller than the screen; a paragraph box is sized for the longest of its texts.
QLabel* MakeParagraph(const char* name, QWidget* parent, std::string_view (*paragraph)(int)) {
    constexpr int kParagraphWidth = 760;
    QStringList paragraphs;
    for (int row = 1; row <= static_cast<int>(kDaySigns.size()); ++row) {
        paragraphs.push_back(ToQt(paragraph(row)));
    }
    const QSize size(kParagraphWidth,
                     TallestWrappedText(parent->font(), kParagraphWidth, paragraphs));
    QLabel* label = FixedParagraphLabel(QString::fromLatin1(name), size, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// One box of the day sign: captions beside their values, then the paragraph under them.
QGroupBox* MakeDayBox(QWidget* page, std::initializer_list<std::pair<QString, QLabel*>> values,
                      QLabel* paragraph = nullptr) {
    auto* box = new QGroupBox(page);
    box->setProperty("dayBox", true);
    auto* rows = new QGridLayout(box);
    rows->setHorizontalSpacing(18);
    rows->setColumnStretch(1, 1);
    int row = 0;
    for (const auto& [caption, value] : values) {
        rows->addWidget(MakeText(nullptr, caption, box), row, 0);
        MarkValue(*value, caption);
        value->setParent(box);
        rows->addWidget(value, row, 1);
        ++row;
    }
    if (paragraph != nullptr) {
        paragraph->setParent(box);
        rows->addWidget(paragraph, row, 0, 1, 2);
    }
    return box;
}

}  // namespace

frmBurmeseAstrologyDisplay::frmBurmeseAstrologyDisplay(AppContext& context, BurmeseState& state)
    : ReadingWindow(context, kBurmeseTradition, tr("Kestrin Burmese Astrology")), state_(state) {
    setObjectName("frmBurmeseAstrologyDisplay");
    AddStyleRules(QStringLiteral(
        "QLabel[burmeseValue=\"true\"] { color: #7a1010; }"
        "QGroupBox[dayBox=\"true\"] { font-weight: bold; color: #4a1a60; }"
        "QGroupBox[dayBox=\"true\"] QLabel { font-weight: normal; color: black; }"
        "QGroupBox[dayBox=\"true\"] QLabel[burmeseValue=\"true\"] { font-weight: bold; "
        "color: #7a1010; }"
        // The chart's own colours, so no rule of the house look recolours its labels.
        "QLabel[houseText=\"true\"] { color: #ffffff; background: transparent; }"
        "QLabel[planet=\"true\"] { color: #ffe08a; background: transparent; }"
        "QLabel[houseHover=\"true\"] { color: #2a1238; background: transparent; }"));
    Platform& platform = context.platform;

    body_->addWidget(MakeBrandFrame(platform, this));
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SetAccessibleText(*SSTab1->tabBar(), tr("Chart pages"),
                      tr("Left and Right choose between the chart and its "
                         "interpretation"));
    SSTab1->addTab(BuildChartTab(state.houses), tr("Burmese Astrology Chart"));
    SSTab1->addTab(BuildInterpretationTab(), tr("Burmese Astrology Interpretation"));
    body_->addWidget(SSTab1, 1);

    auto* bottom = new QHBoxLayout;
    cmdPrint =
        AddButton("cmdPrint", tr("&Print"), ReportDescription(), [this] { cmdPrint_Click(); });
    cmdOK = AddButton("cmdOK", tr("&Back"), BackDescription(), [this] { cmdOK_Click(); });
    cmdPrint->setMinimumWidth(110);
    cmdOK->setMinimumWidth(110);
    bottom->addWidget(cmdPrint);
    bottom->addWidget(cmdOK);
    bottom->addSpacing(12);
    bottom->addWidget(MakeSponsorLabel("Label61", DiscussionBoardCaption(), platform, this), 1);
    body_->addLayout(bottom);
    // The tabs, then the chart's houses (while the chart is shown), then the buttons.
    setTabOrder(SSTab1->tabBar(), Frame1->picHouse.front());
    setTabOrder(Frame1->picHouse.back(), cmdPrint);
    setTabOrder(cmdPrint, cmdOK);

    AddFileEntry("mnuPrint", tr("&Print"), [this] { cmdPrint_Click(); });
    AddFileEntry("mnuFileBack", tr("&Back"), [this] { cmdOK_Click(); });
    AddFileSeparator();
    AddExitAndHelp(tr("&Check for Software Update"), QStringLiteral("mnumakemoney"));
    ShowReading(reading_);
}

QWidget* frmBurmeseAstrologyDisplay::BuildChartTab(const HouseTexts& houses) {
    auto* page = new QWidget;
    page->setObjectName("chartPage");
    auto* layout = new QVBoxLayout(page);
    Frame1 = new BurmeseChartFrame(houses, page);
    layout->addWidget(Frame1, 0, Qt::AlignCenter);
    return page;
}

QWidget* frmBurmeseAstrologyDisplay::BuildInterpretationTab() {
    auto* page = new QWidget;
    page->setObjectName("interpretationPage");
    auto* layout = new QVBoxLayout(page);
    lblBirthDay = MakeValue("lblBirthDay", page);
    lblLuckyDirection = MakeValue("lblLuckyDirection", page);
    lblCharacteristic = MakeValue("lblCharacteristic", page);
    layout->addWidget(MakeDayBox(page, {{tr("Your Day Of Birth"), lblBirthDay},
                                        {tr("Lucky Direction"), lblLuckyDirection},
                                        {tr("Basic Characteristic Traits"), lblCharacteristic}}));
    lblBirthDayPlanet = MakeValue("lblBirthDayPlanet", page);
    lblPlanetDesc = MakeParagraph("lblPlanetDesc", page, DaySignPlanetText);
    MarkValue(*lblPlanetDesc, tr("About your birth day planet"));
    layout->addWidget(
        MakeDayBox(page, {{tr("Your Birth Day Planet"), lblBirthDayPlanet}}, lblPlanetDesc));
    lblAnimalSign = MakeValue("lblAnimalSign", page);
    lblAnimalDesc = MakeParagraph("lblAnimalDesc", page, DaySignAnimalText);
    MarkValue(*lblAnimalDesc, tr("About your animal sign"));
    layout->addWidget(MakeDayBox(page, {{tr("Animal Sign"), lblAnimalSign}}, lblAnimalDesc));
    layout->addStretch();
    return page;
}

void frmBurmeseAstrologyDisplay::Form_Load() {
    SSTab1->setCurrentIndex(1);
    PlaceAtTopCentre();
    // Also created by a closing report after this window was closed: never without the chart.
    WriteChart();
}

void frmBurmeseAstrologyDisplay::WriteChart() {
    BurmeseReading reading = reading_;
    WriteBurmeseChart(reading, context_.birthDetails, state_.BirthWeekday, state_.AfternoonAnswer);
    ShowReading(reading);
}

void frmBurmeseAstrologyDisplay::ShowReading(const BurmeseReading& reading) {
    reading_ = reading;
    ShowValue(*lblBirthDay, ToQt(reading.birthDay));
    ShowValue(*lblLuckyDirection, ToQt(reading.luckyDirection));
    ShowValue(*lblCharacteristic, ToQt(reading.characteristic));
    ShowValue(*lblBirthDayPlanet, ToQt(reading.birthDayPlanet));
    ShowValue(*lblPlanetDesc, ToQt(reading.planetDescription));
    ShowValue(*lblAnimalSign, ToQt(reading.animalSign));
    ShowValue(*lblAnimalDesc, ToQt(reading.animalDescription));
    for (std::size_t house = 0; house < reading.housePlanets.size(); ++house) {
        Frame1->ShowPlanet(static_cast<int>(house) + 1, ToQt(reading.housePlanets[house]));
    }
}

QStringList frmBurmeseAstrologyDisplay::PictureViews() const {
    return {QStringLiteral("chart"), QStringLiteral("interpretation")};
}

// On the chart the pointer rests on house 5, so its description shows.
void frmBurmeseAstrologyDisplay::ShowPictureView(int view) {
    SSTab1->setCurrentIndex(view);
    if (view == 0) Frame1->picHouse_MouseMove(5);
}

void frmBurmeseAstrologyDisplay::cmdPrint_Click() { OpenReport(); }

void frmBurmeseAstrologyDisplay::cmdOK_Click() { Back(); }

}  // namespace oriastra
