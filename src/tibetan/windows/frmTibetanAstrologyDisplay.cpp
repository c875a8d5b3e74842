#include "tibetan/windows/frmTibetanAstrologyDisplay.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/SvgPicture.h"
#include "tibetan/logic/TibetanState.h"
#include "tibetan/logic/TibetanTradition.h"
#include "tibetan/windows/TibetanPictures.h"

namespace oriastra {

namespace {

constexpr int kPictureSize = 200;

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent, bool value = false) {
    QLabel* label = PlainLabel(QString::fromLatin1(name), text, parent);
    if (value) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.35);
        label->setFont(font);
        label->setProperty("readingValue", true);
    }
    return label;
}

// Multi-line, read-only, scrolling, skipped by Tab; dark purple with the box's own text colour.
QPlainTextEdit* MakeReadingBox(const char* name, const QString& about, QColor textColour,
                               QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    SetAccessibleText(*box, about,
                      QCoreApplication::translate(
                          "oriastra::frmTibetanAstrologyDisplay",
                          "Read-only text. From the page tabs, Down moves the focus here to "
                          "scroll, select and copy"));
    box->setReadOnly(true);
    // A caret to select and copy with the keyboard, once a click or Down gives it the focus.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, QColor(100, 0, 110));
    colours.setColor(QPalette::Text, textColour);
    box->setPalette(colours);
    box->setMinimumSize(380, 180);
    return box;
}

QLabel* MakePicture(const char* name, const QString& description, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setFixedSize(kPictureSize, kPictureSize);
    picture->setAccessibleDescription(description);
    return picture;
}

// A titled frame holding a sign's name over its description.
QGroupBox* MakeReadingFrame(const QString& title, QLabel* name, QPlainTextEdit* text,
                            QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* inner = new QVBoxLayout(frame);
    name->setParent(frame);
    text->setParent(frame);
    inner->addWidget(name);
    inner->addWidget(text, 1);
    return frame;
}

// The picture is named after the sign it shows.
void ShowPicture(QLabel& box, const QString& path, std::string_view sign) {
    if (path.isEmpty()) return;
    box.setPixmap(SvgPixmap(path, kPictureSize, box.devicePixelRatioF()));
    box.setProperty("picture", path);
    box.setAccessibleName(ToQt(sign));
}

}  // namespace

frmTibetanAstrologyDisplay::frmTibetanAstrologyDisplay(AppContext& context, TibetanState& state)
    : ReadingWindow(context, kTibetanTradition, tr("Kestrin Tibetan Astrology")), state_(state) {
    setObjectName("frmTibetanAstrologyDisplay");
    Platform& platform = context.platform;
    // The three pages share one night-purple look with light captions and gold values; the
    // rules are this window's own.
    AddStyleRules(QStringLiteral(R"(
QStackedWidget#pages > QWidget {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a1050, stop:1 #1e0830); }
QStackedWidget#pages QLabel { color: #f1e6cf; background: transparent; }
QStackedWidget#pages QLabel[readingValue="true"] { color: #f4c860; }
QStackedWidget#pages QGroupBox { color: #f4c860; border: 1px solid #8a6a30; }
QStackedWidget#pages QFrame#Shape1 { background: #e0b040; border-radius: 1px; }
)"));

    auto* top = new QHBoxLayout;
    cmdSave = AddButton("cmdSave", tr("Save"), ReportDescription(), [this] { cmdSave_Click(); });
    cmdBack = AddButton("cmdBack", tr("Back"), BackDescription(), [this] { cmdBack_Click(); });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdBack);
    top->addLayout(buttons);
    top->addWidget(MakeBrandFrame(platform, this), 1);
    body_->addLayout(top);

    TS = new QTabBar(this);
    TS->setObjectName("TS");
    TS->addTab(tr("Tibetan Astrology"));
    TS->addTab(tr("Tibetan Sun Sign"));
    TS->addTab(tr("Tibetan Animal Sign"));
    TS->setExpanding(false);
    SetAccessibleText(*TS, tr("Reading pages"),
                      tr("Left and Right choose a page; Down moves into its text"));
    TS->installEventFilter(this);
    connect(TS, &QTabBar::currentChanged, this, [this] { TS_Click(); });
    pages = new QStackedWidget(this);
    pages->setObjectName("pages");
    pages->setFrameShape(QFrame::StyledPanel);
    BuildOverviewPage();
    BuildSunSignPage();
    BuildAnimalPage();
    body_->addWidget(TS);
    body_->addWidget(pages, 1);
    body_->setSpacing(6);

    auto* sponsors = new QHBoxLayout;
    sponsors->addWidget(MakeSponsorLabel("Label14", ForumShortCaption(), platform, this), 1);
    sponsors->addWidget(MakeSponsorLabel("Label3", ClickToVisitCaption(), platform, this), 1);
    body_->addLayout(sponsors);

    AddFileEntry("mnuBack", tr("&Back"), [this] { cmdBack_Click(); });
    AddFileSeparator();
    AddExitAndHelp();
}

void frmTibetanAstrologyDisplay::BuildOverviewPage() {
    Picture1 = new QWidget(pages);
    Picture1->setObjectName("Picture1");
    auto* layout = new QVBoxLayout(Picture1);
    auto* signs = new QGridLayout;
    signs->addWidget(MakeLabel(nullptr, tr("Your Tibetan Sun Sign"), Picture1), 0, 0);
    lblTibetanSunSign = MakeLabel("lblTibetanSunSign", tr("Tibetan Sun Sign"), Picture1, true);
    MarkValue(*lblTibetanSunSign, tr("Your Tibetan Sun Sign"));
    signs->addWidget(lblTibetanSunSign, 0, 1);
    signs->addWidget(MakeLabel(nullptr, tr("Your Translation of Tibetan Sun Sign"), Picture1), 1,
                     0);
    lblTransTibetanName = MakeLabel("lblTransTibetanName", tr("Tranlation"), Picture1, true);
    MarkValue(*lblTransTibetanName, tr("Your Translation of Tibetan Sun Sign"));
    signs->addWidget(lblTransTibetanName, 1, 1);
    signs->setColumnStretch(1, 1);
    signs->setHorizontalSpacing(16);
    layout->addLayout(signs);
    // The decorative shape: a gold rule under the names.
    auto* shape = new QFrame(Picture1);
    shape->setObjectName("Shape1");
    shape->setFixedHeight(3);
    layout->addWidget(shape);
    lblElement = MakeLabel("lblElement", tr("Element Name"), Picture1, true);
    MarkValue(*lblElement, tr("Your Tibetan Element"));
    txtElement =
        MakeReadingBox("txtElement", tr("About your element"), QColor(255, 192, 128), Picture1);
    layout->addWidget(
        MakeReadingFrame(tr("Your Tibetan Element"), lblElement, txtElement, Picture1), 1);
    pages->addWidget(Picture1);
}

void frmTibetanAstrologyDisplay::BuildSunSignPage() {
    Picture2 = new QWidget(pages);
    Picture2->setObjectName("Picture2");
    auto* layout = new QHBoxLayout(Picture2);
    lblWesternSunSign = MakeLabel("lblWesternSunSign", tr("Western Sun Sign"), Picture2, true);
    MarkValue(*lblWesternSunSign, tr("Your Western Sun Sign"));
    txtWesternSunSign = MakeReadingBox("txtWesternSunSign", tr("About your sun sign"),
                                       QColor(255, 255, 128), Picture2);
    layout->addWidget(MakeReadingFrame(tr("Your Tibetan Sun Sign"), lblWesternSunSign,
                                       txtWesternSunSign, Picture2),
                      1);
    picTibetanSunSign =
        MakePicture("picTibetanSunSign", tr("Picture of your Tibetan sun sign"), Picture2);
    layout->addWidget(picTibetanSunSign, 0, Qt::AlignTop);
    pages->addWidget(Picture2);
}

void frmTibetanAstrologyDisplay::BuildAnimalPage() {
    Picture3 = new QWidget(pages);
    Picture3->setObjectName("Picture3");
    auto* layout = new QHBoxLayout(Picture3);
    picTibetanAnimalSign =
        MakePicture("picTibetanAnimalSign", tr("Picture of your Tibetan animal sign"), Picture3);
    layout->addWidget(picTibetanAnimalSign, 0, Qt::AlignTop);
    lblAnimalSunSign = MakeLabel("lblAnimalSunSign", tr("Animal Sun Sign"), Picture3, true);
    MarkValue(*lblAnimalSunSign, tr("Your Tibetan Animal Sign"));
    txtAnimalSunSign = MakeReadingBox("txtAnimalSunSign", tr("About your animal sign"),
                                      QColor(128, 255, 128), Picture3);
    layout->addWidget(MakeReadingFrame(tr("Your Tibetan Animal Sign"), lblAnimalSunSign,
                                       txtAnimalSunSign, Picture3),
                      1);
    pages->addWidget(Picture3);
}

void frmTibetanAstrologyDisplay::Form_Load() {
    PlaceAtTopCentre();
    state_.reading = CalculateTibetanReading(context_.birthDetails, state_.reading);
    const TibetanReading& reading = state_.reading;
    ShowPicture(*picTibetanSunSign, TibetanSunSignPicture(reading.sunSignPicture),
                reading.tibetanSunSign);
    ShowPicture(*picTibetanAnimalSign, TibetanAnimalPicture(reading.animalPicture),
                reading.animalSign);
    // Until a first reading exists the labels keep their initial captions.
    auto copy = [](QLabel& label, std::string_view text) {
        if (!text.empty()) ShowValue(label, ToQt(text));
    };
    copy(*lblTibetanSunSign, reading.tibetanSunSign);
    copy(*lblTransTibetanName, reading.translation);
    copy(*lblElement, reading.element);
    copy(*lblWesternSunSign, reading.westernSunSign);
    copy(*lblAnimalSunSign, reading.animalSign);
    txtElement->setPlainText(ToQt(reading.elementText));
    txtWesternSunSign->setPlainText(ToQt(reading.westernSunSignText));
    txtAnimalSunSign->setPlainText(ToQt(reading.animalSignText));
    TS->setCurrentIndex(0);
    TS_Click();
}

QStringList frmTibetanAstrologyDisplay::PictureViews() const {
    QStringList views;
    for (int tab = 1; tab <= TS->count(); ++tab) views << QStringLiteral("tab%1").arg(tab);
    return views;
}

void frmTibetanAstrologyDisplay::ShowPictureView(int view) { TS->setCurrentIndex(view); }

void frmTibetanAstrologyDisplay::TS_Click() {
    const int tab = TS->currentIndex();
    if (tab == 0) pages->setCurrentWidget(Picture1);
    else if (tab == 1) pages->setCurrentWidget(Picture2);
    else if (tab == 2) pages->setCurrentWidget(Picture3);
}

bool frmTibetanAstrologyDisplay::eventFilter(QObject* watched, QEvent* event) {
    // Tab skips the reading texts; Down on the tabs is the keyboard's way into the page's text.
    if (watched == TS && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        QPlainTextEdit* const texts[] = {txtElement, txtWesternSunSign, txtAnimalSunSign};
        const int tab = TS->currentIndex();
        if (tab >= 0 && tab < 3) texts[tab]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return ReadingWindow::eventFilter(watched, event);
}

void frmTibetanAstrologyDisplay::cmdSave_Click() { OpenReport(); }

void frmTibetanAstrologyDisplay::cmdBack_Click() { Back(); }

}  // namespace oriastra
