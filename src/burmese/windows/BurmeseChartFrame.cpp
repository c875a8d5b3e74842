#include "burmese/windows/BurmeseChartFrame.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "burmese/logic/BurmeseTexts.h"
#include "burmese/logic/modBurmese.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/SvgPicture.h"
#include "common/windows/Twips.h"
#include "common/windows/WrappedText.h"

namespace oriastra {

namespace {

struct HouseBox {
    const char* box;
    const char* caption;
    const char* number;
    int left;  // twips within picContainer
    int top;
};

// House 1 first. The troubled houses 1, 2 and 6 sit in the bottom row's outer boxes and centre.
constexpr std::array<HouseBox, 7> kHouseBoxes = {{
    {"picOne", "Label12", "Label6", 1920, 3240},
    {"picTwo", "Label14", "Label5", 120, 3240},
    {"picThree", "Label15", "Label2", 120, 1680},
    {"picFour", "Label16", "Label3", 1920, 1680},
    {"picFive", "Label17", "Label4", 3720, 1680},
    {"picSix", "Label13", "Label7", 3720, 3240},
    {"picSeven", "Label18", "Label1", 1920, 120},
}};

constexpr int kBoxWidth = 1815;
constexpr int kBoxHeight = 1575;

const QColor kChartColour(53, 138, 189);
const QColor kTroubledHouseColour(96, 85, 83);
const QColor kHappyHouseColour(64, 64, 64);

bool IsTroubledHouse(int house) { return house == 1 || house == 2 || house == 6; }

QRect Twips(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// A thin gold edge keeps the touching boxes apart.
const QColor kHouseEdgeColour(200, 168, 96);

void Paint(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, kHouseEdgeColour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// The box's size is fixed; the font steps down until the longest text fits it.
void FitFont(QLabel& label, const QStringList& texts) {
    QFont font = label.font();
    for (qreal size = font.pointSizeF(); size > 6.0; size -= 0.25) {
        font.setPointSizeF(size);
        if (TallestWrappedText(font, label.width(), texts) <= label.height()) break;
    }
    label.setFont(font);
}

QCursor PointingHand() {
    const QPixmap hand = SvgPixmap(QStringLiteral(":/frmBurmeseAstrologyDisplay/pointing-hand.svg"),
                                   32, qApp->devicePixelRatio());
    // The tip of the raised finger.
    return QCursor(hand, 13, 1);
}

}  // namespace

BurmeseChartFrame::BurmeseChartFrame(const HouseTexts& houses, QWidget* parent)
    : QFrame(parent), houses_(houses) {
    setObjectName("Frame1");
    setFrameShape(QFrame::StyledPanel);
    setFixedSize(TwipsToPixels(8955), TwipsToPixels(5400));

    picContainer = new QWidget(this);
    picContainer->setObjectName("picContainer");
    picContainer->setGeometry(Twips(130, 240, 5685, 4965));
    Paint(*picContainer, kChartColour);
    hand_ = PointingHand();
    for (int house = 1; house <= 7; ++house) BuildHouse(house);

    lblHouseName = PlainLabel(QStringLiteral("lblHouseName"), QString(), this);
    lblHouseName->setGeometry(Twips(6000, 240, 2715, 450));
    lblHouseName->setProperty("houseHover", true);
    QFont nameFont = lblHouseName->font();
    nameFont.setBold(true);
    lblHouseName->setFont(nameFont);
    lblHouseName->setWordWrap(true);
    lblHouseDesc = PlainLabel(QStringLiteral("lblHouseDesc"), QString(), this);
    lblHouseDesc->setGeometry(Twips(6000, 720, 2775, 4485));
    lblHouseDesc->setProperty("houseHover", true);
    lblHouseDesc->setWordWrap(true);
    lblHouseDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QStringList descriptions = {ToQt(HouseChartLegend())};
    for (int house = 1; house <= 7; ++house) descriptions.push_back(ToQt(HouseDescriptionText(house)));
    FitFont(*lblHouseDesc, descriptions);

    Track(this, std::nullopt);
    Track(picContainer, std::nullopt);
    Track(lblHouseDesc, std::nullopt);
    Track(lblHouseName, kStill);
    ShowHover(std::nullopt);
}

void BurmeseChartFrame::BuildHouse(int house) {
    const HouseBox& place = kHouseBoxes[house - 1];
    auto* box = new QFrame(picContainer);
    box->setObjectName(QString::fromLatin1(place.box));
    box->setGeometry(Twips(place.left, place.top, kBoxWidth, kBoxHeight));
    box->setFrameShape(QFrame::Box);
    Paint(*box, IsTroubledHouse(house) ? kTroubledHouseColour : kHappyHouseColour);
    box->setCursor(hand_);
    box->setFocusPolicy(Qt::TabFocus);
    box->setAccessibleDescription(ToQt(HouseDescriptionText(house)));

    QLabel* caption = PlainLabel(QString::fromLatin1(place.caption), ToQt(HouseBoxCaption(house)), box);
    caption->setProperty("houseText", true);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Two lines for every caption, so the numbers of a row stand level.
    caption->setFixedHeight(2 * caption->fontMetrics().lineSpacing());
    QLabel* number = PlainLabel(QString::fromLatin1(place.number), QString::number(house), box);
    number->setProperty("houseText", true);
    QFont numberFont = number->font();
    numberFont.setPointSizeF(numberFont.pointSizeF() * 1.6);
    numberFont.setBold(true);
    number->setFont(numberFont);
    QLabel* planet = PlainLabel(QStringLiteral("lblPlanetName(%1)").arg(house - 1),
                               QStringLiteral("moon"), box);
    planet->setProperty("planet", true);
    QFont planetFont = planet->font();
    planetFont.setBold(true);
    planetFont.setPointSizeF(planetFont.pointSizeF() * 1.2);
    planet->setFont(planetFont);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->setSpacing(0);
    layout->addWidget(caption);
    layout->addStretch();
    // Sized to their text, so the box around them still answers the pointer.
    layout->addWidget(number, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(planet, 0, Qt::AlignHCenter);

    picHouse[house - 1] = box;
    lblHouseCaption[house - 1] = caption;
    lblHouseNumber[house - 1] = number;
    lblPlanetName[house - 1] = planet;
    ShowPlanet(house, planet->text());
    if (house > 1) setTabOrder(picHouse[house - 2], box);
    Track(box, house);
    Track(caption, house);
    Track(number, kStill);
    Track(planet, kStill);
}

void BurmeseChartFrame::Track(QWidget* widget, std::optional<int> house) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    hoverOf_[widget] = house;
}

void BurmeseChartFrame::ShowPlanet(int house, const QString& planet) {
    lblPlanetName[house - 1]->setText(planet);
    picHouse[house - 1]->setAccessibleName(
        tr("House %1, %2: %3").arg(house).arg(ToQt(HouseBoxCaption(house)), planet));
}

void BurmeseChartFrame::MarkFocus(int house, bool focused) {
    QFrame& box = *picHouse[house - 1];
    QPalette palette = box.palette();
    palette.setColor(QPalette::WindowText, focused ? QColor(255, 244, 192) : kHouseEdgeColour);
    box.setPalette(palette);
    box.setLineWidth(focused ? 3 : 1);
    if (focused) ShowHover(house);
}

bool BurmeseChartFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const auto box = std::find(picHouse.begin(), picHouse.end(), watched);
        if (box != picHouse.end()) {
            MarkFocus(static_cast<int>(box - picHouse.begin()) + 1,
                      event->type() == QEvent::FocusIn);
        }
        return QFrame::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseMove) return QFrame::eventFilter(watched, event);
    const auto found = hoverOf_.find(watched);
    if (found == hoverOf_.end()) return QFrame::eventFilter(watched, event);
    if (found->second != kStill) ShowHover(found->second);
    // Taken here, so a move over a number or planet label does not reach the box behind it.
    return true;
}

void BurmeseChartFrame::picHouse_MouseMove(int house) { ShowHover(house); }

void BurmeseChartFrame::picContainer_MouseMove() { ShowHover(std::nullopt); }

void BurmeseChartFrame::ShowHover(std::optional<int> house) {
    const HouseHover hover = HouseHoverTexts(houses_, house);
    lblHouseName->setText(ToQt(hover.name));
    lblHouseDesc->setText(ToQt(hover.description));
}

}  // namespace oriastra
