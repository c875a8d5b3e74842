#include "indonesian/windows/frmIndonesianAstrologyDisplay.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/Translations.h"
#include "common/windows/WrappedText.h"
#include "indonesian/logic/IndonesianTradition.h"
#include "indonesian/logic/WetonTexts.h"

namespace oriastra {

namespace {

constexpr int kParagraphWidth = 600;

// The window keeps one size for every weton: tall enough for the longest paragraph.
int TallestParagraph(const QLabel& label, int width) {
    QStringList paragraphs;
    for (std::string_view weekday : kJavaneseWeekdays) {
        for (std::string_view marketDay : kMarketDays) {
            paragraphs.push_back(ToQt(WetonText(weekday, marketDay)));
        }
    }
    return TallestWrappedText(label.font(), width, paragraphs);
}

}  // namespace

frmIndonesianAstrologyDisplay::frmIndonesianAstrologyDisplay(AppContext& context)
    : ReadingWindow(context, kIndonesianTradition, tr("Kestrin Indonesian Astrology")) {
    setObjectName("frmIndonesianAstrologyDisplay");
    AddStyleRules(QStringLiteral(
        "QFrame#Shape1 { background: #fffdf6; border: 2px solid #c8b07a; border-radius: 6px; }"
        "QFrame#Shape1 QLabel[resultCaption=\"true\"] { color: #4a1a60; }"
        "QGroupBox#Frame5 { border: 1px solid #d8c8a0; border-radius: 6px; margin-top: 0; }"));
    Platform& platform = context.platform;

    BuildResultRows();
    body_->addWidget(Shape1, 1);
    body_->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), platform, this));

    Frame5 = new QGroupBox(this);
    Frame5->setObjectName("Frame5");
    cmdSave = AddButton("cmdSave", tr("&Save"), ReportDescription(), [this] { cmdSave_Click(); });
    cmdBack = AddButton("cmdBack", tr("&Back"), BackDescription(), [this] { mnuBack_Click(); });
    cmdSave->setParent(Frame5);
    cmdBack->setParent(Frame5);
    auto* bottom = new QHBoxLayout(Frame5);
    bottom->setContentsMargins(8, 8, 8, 8);
    bottom->addWidget(MakeBrandFrame(platform, Frame5), 1);
    bottom->addWidget(cmdSave, 0, Qt::AlignVCenter);
    bottom->addWidget(cmdBack, 0, Qt::AlignVCenter);
    body_->addWidget(Frame5);

    AddFileEntry("mnuBack", tr("&Back"), [this] { mnuBack_Click(); });
    AddFileSeparator("mnuSep1");
    AddExitAndHelp();
}

void frmIndonesianAstrologyDisplay::BuildResultRows() {
    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    auto* grid = new QGridLayout(Shape1);
    grid->setContentsMargins(18, 14, 18, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    const QString captions[] = {tr("Indonesian Day Sign:"), tr("Indonesian Weekday:"),
                                tr("English Weekday")};
    const QString spoken[] = {tr("Indonesian Day Sign"), tr("Indonesian Weekday"),
                              tr("English Weekday"), tr("Your weton's reading")};
    for (std::size_t row = 0; row < lblJavaneseResult.size(); ++row) {
        lblJavaneseResult[row] =
            PlainLabel(QStringLiteral("lblJavaneseResult(%1)").arg(row),
                       TranslatedQt("Readings", kJavaneseResultCaption), Shape1);
        MarkValue(*lblJavaneseResult[row], spoken[row]);
    }
    for (std::size_t row = 0; row < Label1.size(); ++row) {
        const int gridRow = static_cast<int>(row);
        Label1[row] = PlainLabel(QStringLiteral("Label1(%1)").arg(row), captions[row], Shape1);
        Label1[row]->setProperty("resultCaption", true);
        QFont bold = lblJavaneseResult[row]->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        lblJavaneseResult[row]->setFont(bold);
        grid->addWidget(Label1[row], gridRow, 0);
        grid->addWidget(lblJavaneseResult[row], gridRow, 1);
    }
    grid->setColumnStretch(1, 1);

    QLabel* paragraph = lblJavaneseResult[3];
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paragraph->setMinimumWidth(kParagraphWidth);
    paragraph->setContentsMargins(0, 10, 0, 0);
    paragraph->setMinimumHeight(TallestParagraph(*paragraph, kParagraphWidth) + 10);
    grid->addWidget(paragraph, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
}

void frmIndonesianAstrologyDisplay::Form_Load() {
    PlaceAtTopCentre();
    // Also created by a closing report after this window was closed: never without the weton.
    const BirthDetails& details = context_.birthDetails;
    ShowWeton(CalculateWeton(details.year, details.month, details.day));
}

void frmIndonesianAstrologyDisplay::ShowWeton(const WetonReading& weton) {
    weton_ = weton;
    const std::string_view* texts[] = {&weton.marketDay, &weton.javaneseWeekday,
                                       &weton.englishWeekday, &weton.reading};
    for (std::size_t row = 0; row < lblJavaneseResult.size(); ++row) {
        ShowValue(*lblJavaneseResult[row], ToQt(*texts[row]));
    }
}

void frmIndonesianAstrologyDisplay::cmdSave_Click() { OpenReport(); }

void frmIndonesianAstrologyDisplay::mnuBack_Click() { Back(); }

}  // namespace oriastra
