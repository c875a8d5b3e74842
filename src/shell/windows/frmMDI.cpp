#include "shell/windows/frmMDI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>
#include <optional>

#include "common/logic/BannerCaptions.h"
#include "common/logic/BirthDetailsRules.h"
#include "common/logic/SelectorOrder.h"
#include "common/logic/WebPages.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BannerLabel.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/FocusInView.h"
#include "common/windows/HelpMenu.h"
#include "common/windows/InputWindow.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"
#include "common/windows/SvgPicture.h"
#include "common/windows/Translations.h"
#include "common/windows/Twips.h"
#include "common/windows/WindowRegistry.h"
#include "common/windows/modHelp.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/HouseStyle.h"

namespace oriastra {

namespace {

constexpr int kButtonPictureSize = 40;
// The welcome panel's headings come before the traditions' labels.
constexpr std::size_t kHeadings = 3;

std::size_t IndexOf(Tradition tradition) {
    return static_cast<std::size_t>(tradition->selector.index);
}
std::size_t LabelIndexOf(Tradition tradition) { return kHeadings + IndexOf(tradition); }

QLabel* PanelLabel(int index, const QString& text, QWidget* parent) {
    QLabel* label = PlainLabel(QStringLiteral("lblCaption(%1)").arg(index), text, parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setMouseTracking(true);
    return label;
}

// The introduction wraps at a width readable on the screen, never wider than a line can be read.
int IntroductionWidth(int screenWidth) { return std::min(720, screenWidth - 80); }

}  // namespace

frmMDI::frmMDI(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), traditions_(InIndexOrder(AllTraditions())) {
    setObjectName("frmMDI");
    setWindowTitle(ToQt(kProgramTitle));

    auto* central = new QWidget(this);
    central->setObjectName("frmMDIClient");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName("mdiArea");
    mdiArea_->setBackground(QColor(0x2a, 0x22, 0x33));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    windows_ = std::make_unique<WindowRegistry>(*mdiArea_);
    KeepFocusInView(*mdiArea_);

    BuildStrips();
    BuildWelcomePanel();
    BuildMenus();
    // Tab follows the buttons as they stand on screen, then the Exit button.
    QWidget* previous = nullptr;
    for (Tradition tradition : InScreenOrder(traditions_)) {
        if (!tradition->selector.place) continue;
        QWidget* button = cmdSelectOption[IndexOf(tradition)];
        if (previous != nullptr) setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, cmdMdiExit);
    PutLinksLastInTabOrder(*this);
    layout->addWidget(Picture6);
    layout->addWidget(Picture1);
    layout->addWidget(GoldRule(central));
    layout->addWidget(welcomeScroll_, 1);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(GoldRule(central));
    layout->addWidget(PicCoBrand);
    mdiArea_->hide();
}

frmMDI::~frmMDI() {
    // The children close after this part of the window is gone; they must not call back.
    disconnect(mdiArea_, nullptr, this, nullptr);
}

void frmMDI::BuildStrips() {
    Picture6 = new QWidget(this);
    Picture6->setObjectName("Picture6");
    Picture6->setFixedHeight(34);
    Picture6->setCursor(Qt::PointingHandCursor);
    Picture6->installEventFilter(this);
    lblCorvaneBanner =
        MakeSponsorLabel("lblCorvaneBanner", MainBannerCaption(), platform_, Picture6);
    lblCorvaneBanner->setWordWrap(false);

    PaintStrip(*Picture6, QColor(0x3a, 0x10, 0x50), QColor(0x22, 0x08, 0x2e));
    QPalette gold = lblCorvaneBanner->palette();
    gold.setColor(QPalette::WindowText, QColor(0xf4, 0xc8, 0x60));
    lblCorvaneBanner->setPalette(gold);
    QFont bold = lblCorvaneBanner->font();
    bold.setBold(true);
    lblCorvaneBanner->setFont(bold);

    Picture1 = new QWidget(this);
    Picture1->setObjectName("Picture1");
    PaintStrip(*Picture1, QColor(0x2a, 0x0c, 0x3a), QColor(0x16, 0x06, 0x20));
    Picture1->setFixedHeight(64);
    picButtonContainer = new QFrame(Picture1);
    picButtonContainer->setObjectName("picButtonContainer");
    auto* row = new QHBoxLayout(picButtonContainer);
    row->setContentsMargins(10, 6, 10, 6);
    row->setSpacing(8);
    cmdSelectOption.resize(traditions_.size());
    buttonPictures.resize(traditions_.size());
    for (Tradition tradition : traditions_) {
        const SelectorEntry& entry = tradition->selector;
        const std::size_t index = IndexOf(tradition);
        auto* picture = new QLabel(picButtonContainer);
        picture->setObjectName(ToQt(entry.pictureName));
        picture->setFixedSize(kButtonPictureSize, kButtonPictureSize);
        picture->setPixmap(SvgPixmap(QStringLiteral(":/frmMDI/%1.svg").arg(ToQt(tradition->key)),
                                     kButtonPictureSize, devicePixelRatioF()));
        SetAccessibleText(*picture, TranslatedQt("Traditions", entry.pictureShows),
                          tr("Picture of %1").arg(TranslatedQt("Traditions", entry.caption)));
        auto* button =
            new StripButton(TranslatedQt("Traditions", entry.caption), picButtonContainer);
        button->setObjectName(QStringLiteral("cmdSelectOption(%1)").arg(index));
        button->setMinimumHeight(34);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        button->setAccessibleDescription(tr("Opens %1; any tradition window still open is closed")
                                             .arg(TranslatedQt("Traditions", entry.caption)));
        const int buttonIndex = static_cast<int>(index);
        connect(button, &QPushButton::clicked, this,
                [this, buttonIndex] { cmdSelectOption_Click(buttonIndex); });
        cmdSelectOption[index] = button;
        buttonPictures[index] = picture;
    }
    // A hidden entry stands after the others and stays hidden; nothing shows it.
    for (Tradition tradition : InScreenOrder(traditions_)) {
        const std::size_t index = IndexOf(tradition);
        row->addWidget(buttonPictures[index]);
        row->addWidget(cmdSelectOption[index]);
        if (tradition->selector.place) {
            row->addSpacing(14);
        } else {
            buttonPictures[index]->hide();
            cmdSelectOption[index]->hide();
        }
    }

    PicCoBrand = new QWidget(this);
    PicCoBrand->setObjectName("PicCoBrand");
    PicCoBrand->setFixedHeight(46);
    cmdMdiExit = new StripButton(tr("&Exit"), PicCoBrand);
    cmdMdiExit->setObjectName("cmdMdiExit");
    cmdMdiExit->setFixedSize(96, 30);
    cmdMdiExit->setAutoDefault(true);
    cmdMdiExit->setAccessibleDescription(tr("Closes every window and ends the program"));
    connect(cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    Label7 = MakeFullBrandLabel("Label7", FullBrandCaption(), platform_, PicCoBrand);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PaintStrip(*PicCoBrand, QColor(0x16, 0x06, 0x20), QColor(0x16, 0x06, 0x20));
    QPalette light = Label7->palette();
    light.setColor(QPalette::WindowText, QColor(0xf0, 0xdc, 0xa0));
    Label7->setPalette(light);
    QFont underlined = Label7->font();
    underlined.setUnderline(true);
    Label7->setFont(underlined);
}

void frmMDI::BuildWelcomePanel() {
    picMain = new QWidget(this);
    picMain->setObjectName("picMain");
    picMain->setAutoFillBackground(true);
    QPalette black = picMain->palette();
    black.setColor(QPalette::Window, Qt::black);
    picMain->setPalette(black);
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);
    // The panel scrolls when the window is too small for it (a small or scaled screen); its
    // labels are the buttons' doubles for the mouse, so the keyboard never stops here.
    welcomeScroll_ = new QScrollArea(this);
    welcomeScroll_->setObjectName("picMainScroll");
    welcomeScroll_->setFrameShape(QFrame::NoFrame);
    welcomeScroll_->setFocusPolicy(Qt::NoFocus);
    welcomeScroll_->setWidgetResizable(true);
    welcomeScroll_->setWidget(picMain);

    const std::array<QString, kHeadings> headings = {
        tr("Welcome to Kestrin Oriastra"),
        TranslatedQt("Traditions", ProseNamingTraditions().welcome),
        tr("Kestrin Oriastra includes the following programs")};
    lblCaption.resize(kHeadings + traditions_.size());
    for (std::size_t index = 0; index < kHeadings; ++index) {
        lblCaption[index] = PanelLabel(static_cast<int>(index), headings[index], picMain);
    }
    for (Tradition tradition : traditions_) {
        const SelectorEntry& entry = tradition->selector;
        const std::size_t labelIndex = LabelIndexOf(tradition);
        QLabel* label = PanelLabel(static_cast<int>(labelIndex),
                                   TranslatedQt("Traditions", entry.caption), picMain);
        QPalette colour = label->palette();
        colour.setColor(QPalette::WindowText, QColor(entry.labelColor.red, entry.labelColor.green,
                                                     entry.labelColor.blue));
        label->setPalette(colour);
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        label->setFont(font);
        label->setCursor(Qt::PointingHandCursor);
        label->setAccessibleDescription(
            tr("Opens %1, as its button does").arg(TranslatedQt("Traditions", entry.caption)));
        lblCaption[labelIndex] = label;
        if (!entry.place) label->hide();
    }

    QFont title = lblCaption[0]->font();
    title.setPointSizeF(title.pointSizeF() * 2.2);
    title.setBold(true);
    lblCaption[0]->setFont(title);
    QFont listHeading = lblCaption[2]->font();
    listHeading.setPointSizeF(listHeading.pointSizeF() * 1.3);
    listHeading.setItalic(true);
    lblCaption[2]->setFont(listHeading);
    lblCaption[1]->setWordWrap(true);
    // Its width from the start: shown without one, a wrapped text tries width after width.
    lblCaption[1]->setFixedWidth(IntroductionWidth(platform_.ScreenWidth()));
    QFont intro = lblCaption[1]->font();
    intro.setPointSizeF(intro.pointSizeF() * 1.15);
    lblCaption[1]->setFont(intro);
    const std::array<QColor, 3> headingColours = {QColor(0xf4, 0xc8, 0x60), QColor(0xe8, 0xe0, 0xf0),
                                                  QColor(0xcf, 0xa8, 0xe8)};
    for (int index = 0; index < 3; ++index) {
        QPalette colour = lblCaption[static_cast<std::size_t>(index)]->palette();
        colour.setColor(QPalette::WindowText, headingColours[static_cast<std::size_t>(index)]);
        lblCaption[static_cast<std::size_t>(index)]->setPalette(colour);
    }
    for (QLabel* label : lblCaption) label->installEventFilter(this);
}

void frmMDI::BuildMenus() {
    mnuFile_ = new QMenu(tr("&File"), menuBar());
    mnuFile_->setObjectName("mnuFile");
    QAction* exit = mnuFile_->addAction(tr("E&xit"));
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    mnuHelp_ = MakeHelpMenu(platform_, *this, ProseNamingTraditions().about,
                            {.updateCaption = {}, .makeMoneyName = QStringLiteral("mkmoney")});
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMDI::ShowMenusOf);
    ShowMenusOf(nullptr);
}

void frmMDI::ShowMenusOf(QMdiSubWindow* active) {
    const auto* child = active != nullptr && mdiArea_->isVisible()
                            ? qobject_cast<ChildWindow*>(active->widget())
                            : nullptr;
    QList<QMenu*> menus = child != nullptr ? child->Menus() : QList<QMenu*>();
    if (menus.isEmpty()) menus = {mnuFile_, mnuHelp_};
    menuBar()->clear();
    for (QMenu* menu : menus) menuBar()->addMenu(menu);
    cmdMdiExit->setShortcut(child == nullptr ? QKeySequence::mnemonic(cmdMdiExit->text())
                                             : QKeySequence());
}

void frmMDI::Form_Load() {
    const int screenWidth = platform_.ScreenWidth();
    lblCorvaneBanner->adjustSize();
    lblCorvaneBanner->move(CentredLeft(screenWidth, lblCorvaneBanner->width()),
                           (Picture6->height() - lblCorvaneBanner->height()) / 2);
    picButtonContainer->adjustSize();
    picButtonContainer->move(CentredLeft(screenWidth, picButtonContainer->width()),
                             (Picture1->height() - picButtonContainer->height()) / 2);
    lblCaption[1]->setFixedWidth(IntroductionWidth(screenWidth));
    // Top to bottom: the headings, then the traditions as their buttons stand.
    std::vector<std::size_t> panelOrder;
    for (std::size_t index = 0; index < kHeadings; ++index) panelOrder.push_back(index);
    for (Tradition tradition : InScreenOrder(traditions_)) {
        panelOrder.push_back(LabelIndexOf(tradition));
    }
    constexpr int kMargin = 48;
    int top = kMargin;
    QRect labels;
    for (std::size_t index : panelOrder) {
        QLabel* label = lblCaption[index];
        label->adjustSize();
        label->move(CentredLeft(screenWidth, label->width()), top);
        if (!label->isVisibleTo(picMain)) continue;
        top += label->height() + (index < kHeadings ? 28 : 14);
        labels |= label->geometry();
    }
    // Where the window gives the labels less room, the panel scrolls to them.
    picMain->setMinimumSize(labels.right() + 1, labels.bottom() + 1 + kMargin);
    cmdMdiExit->move(screenWidth - (cmdMdiExit->width() + TwipsToPixels(120)),
                     (PicCoBrand->height() - cmdMdiExit->height()) / 2);
    // The offer text fills the strip up to the Exit button and never covers it.
    Label7->setGeometry(12, 4, std::max(120, cmdMdiExit->x() - 36), PicCoBrand->height() - 8);
}

void frmMDI::CloseTraditionWindows() {
    for (WindowId id : TraditionCloseOrder(traditions_)) windows_->Unload(id);
}

void frmMDI::OpenTradition(Tradition tradition) {
    SetWelcomePanelVisible(false);
    ChildWindow* input = windows_->Show(InputOf(tradition));
    if (input != nullptr) input->PlaceAtTopCentre();
}

void frmMDI::OpenRecordFile(const QString& path) {
    const std::optional<Tradition> tradition = TraditionOfRecord(QFile::encodeName(path).toStdString());
    if (!tradition) {
        platform_.MessageBox(TranslatedQt("Messages", kMessageCheckFile), MessageButtons::Ok,
                             MessageIcon::Error);
        return;
    }
    CloseTraditionWindows();
    OpenTradition(*tradition);
    if (auto* input = windows_->As<InputWindow>(InputOf(*tradition))) input->OpenRecord(path);
}

void frmMDI::cmdSelectOption_Click(int index) {
    CloseTraditionWindows();
    if (index < 0 || index >= static_cast<int>(traditions_.size())) return;
    OpenTradition(traditions_[static_cast<std::size_t>(index)]);
}

void frmMDI::lblCaption_Click(int index) {
    CloseTraditionWindows();
    for (Tradition tradition : traditions_) {
        if (static_cast<int>(LabelIndexOf(tradition)) == index) OpenTradition(tradition);
    }
}

void frmMDI::cmdMdiExit_Click() { close(); }

void frmMDI::SetWelcomePanelVisible(bool visible) {
    welcomeScroll_->setVisible(visible);
    mdiArea_->setVisible(!visible);
    ShowMenusOf(visible ? nullptr : mdiArea_->activeSubWindow());
    // Back at the welcome panel, the keyboard goes on from the first tradition button.
    QWidget* focused = QApplication::focusWidget();
    if (visible && (focused == nullptr || !focused->isVisible())) {
        cmdSelectOption[IndexOf(InScreenOrder(traditions_).front())]->setFocus(
            Qt::OtherFocusReason);
    }
}

bool frmMDI::IsWelcomePanelVisible() const { return picMain->isVisibleTo(centralWidget()); }

void frmMDI::closeEvent(QCloseEvent* event) {
    windows_->UnloadAll();
    event->accept();
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event) {
    // Links act on the left button only; any other button does nothing.
    const bool leftRelease = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched == Picture6 && event->type() == QEvent::MouseButtonRelease) {
        if (leftRelease) OpenHomePage(platform_);
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == picMain) {
            for (QLabel* label : lblCaption) {
                QFont font = label->font();
                font.setUnderline(false);
                label->setFont(font);
            }
            return false;
        }
        for (std::size_t index = 0; index < lblCaption.size(); ++index) {
            if (watched != lblCaption[index]) continue;
            if (index >= kHeadings) {
                QFont font = lblCaption[index]->font();
                font.setUnderline(true);
                lblCaption[index]->setFont(font);
            }
            // A move over a label is the label's own; it must not reach the panel behind it,
            // which would take the marking off again.
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (std::size_t index = 0; index < lblCaption.size(); ++index) {
            if (watched == lblCaption[index]) {
                if (leftRelease) lblCaption_Click(static_cast<int>(index));
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace oriastra
