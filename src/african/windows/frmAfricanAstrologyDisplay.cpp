#include "african/windows/frmAfricanAstrologyDisplay.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "african/logic/AfricanTexts.h"
#include "african/logic/AfricanTradition.h"
#include "african/windows/AfricanPictures.h"
#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetails.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/SvgPicture.h"
#include "common/windows/WrappedText.h"

namespace oriastra {

namespace {

constexpr int kPictureSize = 96;
constexpr int kDescriptionWidth = 380;
const QColor kCaptionColour(110, 20, 90);

QLabel* MakeLabel(const QString& name, const QString& text, qreal points, QWidget* parent) {
    QLabel* label = PlainLabel(name, text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(points);
    label->setFont(font);
    return label;
}

// Tall enough for the longest description, so the window keeps its size from sign to sign.
int DescriptionHeight(const QLabel& label) {
    QStringList descriptions;
    for (int row = 0; row < static_cast<int>(kAfricanSigns.size()); ++row) {
        descriptions.push_back(ToQt(AfricanSignText(row)));
    }
    return TallestWrappedText(label.font(), kDescriptionWidth, descriptions);
}

}  // namespace

frmAfricanAstrologyDisplay::frmAfricanAstrologyDisplay(AppContext& context)
    : ReadingWindow(context, kAfricanTradition, tr("Kestrin African Astrology")) {
    setObjectName("frmAfricanAstrologyDisplay");
    Platform& platform = context.platform;
    body_->addWidget(MakeBrandFrame(platform, this));
    body_->addWidget(MakeReadingFrame(), 1);

    cmdBack = AddButton("cmdBack", tr("&Back"), BackDescription(), [this] { mnuBack_Click(); });
    cmdSave = AddButton("cmdSave", tr("&Save"), ReportDescription(), [this] { cmdSave_Click(); });
    auto* row = new QHBoxLayout;
    row->addWidget(cmdBack);
    row->addWidget(cmdSave);
    row->addSpacing(12);
    row->addWidget(MakeSponsorLabel("Label14", ForumVisitCaption(true), platform, this), 1);
    body_->addLayout(row);

    AddFileEntry("mnuBack", tr("&Back"), [this] { mnuBack_Click(); });
    AddFileSeparator();
    AddExitAndHelp();
}

// Picture and captions on the left, the name and description on the right.
QWidget* frmAfricanAstrologyDisplay::MakeReadingFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("fraReading");
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);

    const QString captions[] = {tr("African Astrology Symbol"), tr("Element"), tr("Lucky Day"),
                                tr("Most Successful Months"), tr("Body Parts")};
    for (std::size_t i = 0; i < lblCaptions.size(); ++i) {
        lblCaptions[i] =
            MakeLabel(QStringLiteral("lblCaptions(%1)").arg(i), captions[i], 8.25, frame);
        QPalette colours = lblCaptions[i]->palette();
        colours.setColor(QPalette::WindowText, kCaptionColour);
        lblCaptions[i]->setPalette(colours);
    }
    const QString spoken[] = {
        tr("Your African sign"), captions[1], captions[2], captions[3], captions[4],
        tr("About your sign")};
    for (std::size_t i = 0; i < lblResult.size(); ++i) {
        lblResult[i] = MakeLabel(QStringLiteral("lblResult(%1)").arg(i), QString(),
                                 i == 0 ? 12.0 : 8.25, frame);
        lblResult[i]->setWordWrap(true);
        MarkValue(*lblResult[i], spoken[i]);
    }
    QLabel& description = *lblResult[5];
    description.setFont(font());
    description.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description.setFixedWidth(kDescriptionWidth);
    description.setMinimumHeight(DescriptionHeight(description));

    imgAfrican = new QLabel(frame);
    imgAfrican->setObjectName("imgAfrican");
    imgAfrican->setFixedSize(kPictureSize, kPictureSize);
    imgAfrican->setAccessibleDescription(tr("Picture of your African sign"));

    grid->addWidget(lblCaptions[0], 0, 0, 1, 2);
    grid->addWidget(lblResult[0], 0, 2);
    grid->addWidget(imgAfrican, 1, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    for (int i = 1; i <= 4; ++i) {
        grid->addWidget(lblCaptions[static_cast<std::size_t>(i)], i + 1, 0, Qt::AlignTop);
        grid->addWidget(lblResult[static_cast<std::size_t>(i)], i + 1, 1, Qt::AlignTop);
    }
    grid->addWidget(&description, 1, 2, 5, 1);
    grid->setColumnMinimumWidth(1, 150);
    grid->setRowStretch(5, 1);
    return frame;
}

void frmAfricanAstrologyDisplay::Form_Load() {
    PlaceAtTopCentre();
    // Also created by a closing report after this window was closed: never without the sign.
    ShowReading(CalculateAfricanSign(context_.birthDetails.month, context_.birthDetails.day));
}

void frmAfricanAstrologyDisplay::ShowReading(const AfricanReading& reading) {
    reading_ = reading;
    const std::string_view* texts[] = {&reading.sign,      &reading.element,
                                       &reading.luckyDay,  &reading.mostSuccessfulMonths,
                                       &reading.bodyParts, &reading.description};
    for (std::size_t i = 0; i < lblResult.size(); ++i) ShowValue(*lblResult[i], ToQt(*texts[i]));
    const QString path = AfricanSignPicture(reading.picture);
    imgAfrican->setPixmap(path.isEmpty() ? QPixmap()
                                         : SvgPixmap(path, kPictureSize, devicePixelRatioF()));
    imgAfrican->setProperty("picture", path);
    // Named after the sign it shows.
    imgAfrican->setAccessibleName(ToQt(reading.sign));
}

void frmAfricanAstrologyDisplay::mnuBack_Click() { Back(); }

void frmAfricanAstrologyDisplay::cmdSave_Click() { OpenReport(); }

}  // namespace oriastra
