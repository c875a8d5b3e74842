#include "Monkey.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "MonkeyFiles.h"
#include "MonkeyRules.h"
#include "ScriptedPlatform.h"
#include "burmese/logic/BurmeseState.h"
#include "burmese/windows/BurmeseChartFrame.h"
#include "common/windows/BannerLabel.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/ReportView.h"
#include "common/windows/frmAbout.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

namespace oriastra {

namespace {

// How often each kind of move is picked, against the others on offer at that moment.
enum Weight : int {
    kEndProgram = 1,  // Exit or the main window's close box: a fresh program follows
    kDisabled = 1,    // an entry that is switched off
    kChooseTradition = 2,
    kMinimise = 2,
    kHover = 3,
    kKey = 3,
    kLabel = 3,
    kLink = 3,
    kMenuEntry = 3,
    kCloseBox = 4,
    kFront = 5,
    kRadio = 8,
    kReport = 8,
    kList = 10,
    kTab = 10,
    kRestore = 10,
    kNameBox = 15,
    kChart = 15,
    kButton = 25,
};

bool Reachable(const QWidget* widget) {
    return widget != nullptr && widget->isVisible() && widget->isEnabled() &&
           !widget->visibleRegion().isEmpty();
}

std::string Plain(const QString& caption) {
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    return plain.toStdString();
}

// A text for the log: quoted, control characters shown, long texts cut.
std::string Quoted(const QString& text) {
    QString shown;
    for (QChar character : text.left(48)) {
        shown += character.unicode() < 0x20
                     ? QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(character);
    }
    std::string quoted = '"' + shown.toStdString() + '"';
    if (text.size() > 48) quoted += " (" + std::to_string(text.size()) + " characters)";
    return quoted;
}

std::string NameOf(const QWidget& control) {
    if (!control.objectName().isEmpty()) return control.objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return "label " + Quoted(label->text().left(24));
    }
    return control.metaObject()->className();
}

std::string NameOf(const ChildWindow& window) { return WindowName(window.Id()); }

bool OfChildWindow(const QObject* object) {
    for (; object != nullptr; object = object->parent()) {
        if (qobject_cast<const ChildWindow*>(object) != nullptr) return true;
    }
    return false;
}

// File > Exit while the menu bar shows the main window's own menus.
QAction* MainExitEntry(frmMDI& main) {
    for (QAction* title : main.menuBar()->actions()) {
        if (title->menu() == nullptr || OfChildWindow(title->menu())) continue;
        for (QAction* entry : title->menu()->actions()) {
            if (entry->objectName() == QLatin1String("mnuExit")) return entry;
        }
    }
    return nullptr;
}

QPoint SomePoint(MonkeyDice& dice, const QWidget& widget) {
    const QRect shown = widget.visibleRegion().boundingRect();
    return {shown.x() + dice.Below(shown.width()), shown.y() + dice.Below(shown.height())};
}

void MoveOver(QWidget& widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// Letters, digits, spaces and characters a name box meets in the wild: markup, quotes, letters
// the record code page drops or lacks, a character beyond the first plane.
QString SomeText(MonkeyDice& dice, int length) {
    static const QStringList oddList =
        QString::fromUtf8("<b>|&|&&|'|\"|\\|/|%s|,|;|.|-|*|?|`|é|ü|ß|ñ|€|©|«|\u00a0|Ж|中|😀|\u200b")
            .split(QLatin1Char('|'));
    static const std::vector<QString> odd(oddList.begin(), oddList.end());
    QString text;
    for (int index = 0; index < length; ++index) {
        const int kind = dice.Below(10);
        if (kind < 5) {
            text += QChar((dice.OneIn(2) ? 'a' : 'A') + dice.Below(26));
        } else if (kind < 7) {
            text += QChar('0' + dice.Below(10));
        } else if (kind < 8) {
            text += QLatin1Char(' ');
        } else {
            text += dice.Pick(odd);
        }
    }
    return text;
}

// Typed key by key, as a keyboard sends them: a key code where the character has one, and the
// character as the key's text.
void Type(QWidget& widget, const QString& text) {
    for (char32_t character : text.toUcs4()) {
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers;
        if (character >= U'a' && character <= U'z') {
            key = static_cast<Qt::Key>(Qt::Key_A + (character - U'a'));
        } else if (character >= U'A' && character <= U'Z') {
            key = static_cast<Qt::Key>(character);
            modifiers = Qt::ShiftModifier;
        } else if (character >= 0x20 && character < 0x7f) {
            key = static_cast<Qt::Key>(character);
        }
        QTest::sendKeyEvent(QTest::Click, &widget, key, QString::fromUcs4(&character, 1),
                            modifiers);
    }
}

}  // namespace

Monkey::Monkey(std::uint64_t seed, ScriptedPlatform& platform, MonkeyFiles& files,
               QString printerPdf)
    : dice_(seed), platform_(platform), files_(files), printerPdf_(std::move(printerPdf)) {
    platform_.onMessage = [this](const ScriptedPlatform::Message& message) {
        Count(message.buttons == MessageButtons::YesNo ? "questions" : "messages");
        std::string note = "message " + Quoted(message.text);
        if (message.buttons == MessageButtons::YesNo) {
            const bool yes = dice_.OneIn(2);
            platform_.answers.assign(1, yes ? MessageAnswer::Yes : MessageAnswer::No);
            note += yes ? " answered Yes" : " answered No";
        }
        Note(note);
    };
    platform_.onDialog = [this](const FileDialogRequest& request) {
        const bool save = request.kind == FileDialogRequest::Kind::Save;
        const MonkeyFiles::Answer answer =
            save ? files_.ForSave(dice_, request.defaultExtension) : files_.ForOpen(dice_);
        platform_.chosenPaths.assign(1, answer.path);
        Count(save ? "save dialogs" : "open dialogs");
        Note((save ? "save dialog: " : "open dialog: ") + answer.what);
        if (save && answer.path && program_ != nullptr) {
            ProgramState& state = program_->State();
            const BirthDetails& details = state.birthDetails;
            files_.ExpectSaved(*answer.path, request.defaultExtension,
                               {details.name, details.sex, details.day, details.month, details.year,
                                state.traditions.Of<BurmeseState>().AfternoonAnswer});
        }
    };
}

Monkey::~Monkey() {
    platform_.onMessage = nullptr;
    platform_.onDialog = nullptr;
}

std::vector<std::string> Monkey::TakeProblems() { return std::exchange(problems_, {}); }

std::string Monkey::Summary() const {
    std::string summary;
    for (const auto& [what, count] : counts_) {
        summary += (summary.empty() ? "" : ", ") + what + " " + std::to_string(count);
    }
    return summary;
}

void Monkey::Add(int weight, std::string what, std::function<void()> act) {
    moves_.push_back({weight, std::move(what), std::move(act)});
}

std::string Monkey::Step(Application& program) {
    program_ = &program;
    frmMDI& main = program.MainWindow();
    moves_.clear();
    notes_.clear();
    AddMainWindowMoves(main);
    AddMenuMoves(main);
    if (main.MdiArea().isVisible()) {
        for (QMdiSubWindow* frame : main.MdiArea().subWindowList()) {
            if (!frame->isVisible()) continue;
            if (auto* window = qobject_cast<ChildWindow*>(frame->widget())) Count(NameOf(*window));
            AddWindowMoves(main, *frame);
        }
    }
    AddKeyMoves(main);

    int total = 0;
    for (const Move& move : moves_) total += move.weight;
    int roll = dice_.Below(total);
    std::size_t chosen = 0;
    while (roll >= moves_[chosen].weight) roll -= moves_[chosen++].weight;
    const Move move = moves_[chosen];

    // The desktop as it stands for this step: a printer or none, a print dialog that is
    // cancelled or accepted.
    platform_.printerPdf = dice_.OneIn(4) ? printerPdf_ : QString();
    platform_.cancelPrintDialog = dice_.OneIn(3);
    const std::size_t printDialogs = platform_.printDialogs.size();
    const int defaultPrints = platform_.defaultPrinterRequests;
    const qsizetype printed = platform_.printJobs.size();
    const qsizetype pages = platform_.openedPages.size();
    // A modal window runs its own event loop; this answers it from inside that loop.
    QTimer::singleShot(0, &timers_, [this] { AnswerModal(); });

    // No exception may escape a handler; one that does is a finding, with the step that raised it.
    try {
        move.act();
    } catch (const std::exception& error) {
        problems_.push_back(std::string("an exception escaped: ") + error.what());
        Note(std::string("threw ") + error.what());
    }

    if (platform_.printDialogs.size() > printDialogs) {
        Note(platform_.cancelPrintDialog ? "print dialog cancelled" : "print dialog accepted");
    }
    if (platform_.defaultPrinterRequests > defaultPrints) {
        Note(platform_.printerPdf.isEmpty() ? "no default printer" : "default printer");
    }
    if (platform_.printJobs.size() > printed) {
        Note("printed");
        Count("printed");
    }
    for (qsizetype page = pages; page < platform_.openedPages.size(); ++page) {
        Note("page " + platform_.openedPages[page].toStdString());
    }
    CloseStrayPopups();
    return move.what + notes_;
}

void Monkey::AddMainWindowMoves(frmMDI& main) {
    for (std::size_t index = 0; index < main.cmdSelectOption.size(); ++index) {
        QPushButton* button = main.cmdSelectOption[index];
        if (Reachable(button)) {
            Add(kChooseTradition, "click main " + NameOf(*button) + " " + Plain(button->text()),
                [button] { QTest::mouseClick(button, Qt::LeftButton); });
        } else {
            // The hidden African button is reached through its selection code.
            const int code = static_cast<int>(index);
            Add(kChooseTradition,
                "run main cmdSelectOption_Click(" + std::to_string(code) + ") of the hidden button",
                [&main, code] { main.cmdSelectOption_Click(code); });
        }
    }
    if (main.picMain->isVisible()) {
        Add(kHover, "move over main picMain",
            [this, &main] { MoveOver(*main.picMain, SomePoint(dice_, *main.picMain)); });
        for (std::size_t index = 0; index < main.lblCaption.size(); ++index) {
            QLabel* label = main.lblCaption[index];
            const int code = static_cast<int>(index);
            if (!Reachable(label)) {
                Add(kChooseTradition,
                    "run main lblCaption_Click(" + std::to_string(code) + ") of the hidden label",
                    [&main, code] { main.lblCaption_Click(code); });
                continue;
            }
            Add(kChooseTradition, "click main " + NameOf(*label), [this, label] {
                QTest::mouseClick(label, Qt::LeftButton, {}, SomePoint(dice_, *label));
            });
            Add(kHover, "move over main " + NameOf(*label),
                [this, label] { MoveOver(*label, SomePoint(dice_, *label)); });
        }
    }
    for (QWidget* banner : {main.Picture6, static_cast<QWidget*>(main.lblCorvaneBanner),
                            static_cast<QWidget*>(main.Label7)}) {
        if (!Reachable(banner)) continue;
        Add(kLink, "click main " + NameOf(*banner), [this, banner] { ClickLabel(*banner, 5); });
    }
    // The ways to end the program share one move, so a session lasts a while.
    Add(kEndProgram, "end the program", [this, &main] {
        std::vector<std::pair<std::string, std::function<void()>>> ways = {
            {"close box of the main window", [&main] { main.close(); }}};
        if (Reachable(main.cmdMdiExit)) {
            ways.push_back({"click main cmdMdiExit",
                            [&main] { QTest::mouseClick(main.cmdMdiExit, Qt::LeftButton); }});
        }
        if (QAction* exit = MainExitEntry(main)) {
            ways.push_back({"menu File > Exit of the main window", [exit] { exit->trigger(); }});
        }
        const auto& [how, act] = dice_.Pick(ways);
        Note(how);
        act();
    });
}

void Monkey::AddMenuMoves(frmMDI& main) {
    for (QAction* title : main.menuBar()->actions()) {
        QMenu* menu = title->menu();
        if (menu == nullptr) continue;
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator() || !entry->isVisible()) continue;
            const std::string what = "menu " + Plain(title->text()) + " > " + Plain(entry->text());
            if (!entry->isEnabled()) {
                Add(kDisabled, "try the switched-off " + what, [this, entry] {
                    OpensNoPage("a switched-off menu entry acted",
                                [entry] { entry->activate(QAction::Trigger); });
                });
                continue;
            }
            if (entry == MainExitEntry(main)) continue;  // one of the ways to end the program
            Add(kMenuEntry, what, [entry] { entry->trigger(); });
        }
    }
}

void Monkey::AddWindowMoves(frmMDI& main, QMdiSubWindow& frame) {
    auto* window = qobject_cast<ChildWindow*>(frame.widget());
    if (window == nullptr) return;
    const std::string name = NameOf(*window);
    Add(kCloseBox, "close box of " + name, [&frame] { frame.close(); });
    if (frame.isMinimized()) {
        Add(kRestore, "restore " + name, [&frame] { frame.showNormal(); });
        return;
    }
    Add(kMinimise, "minimise " + name, [&frame] { frame.showMinimized(); });
    if (main.MdiArea().activeSubWindow() != &frame) {
        Add(kFront, "bring " + name + " to the front",
            [&main, &frame] { main.MdiArea().setActiveSubWindow(&frame); });
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (Reachable(control)) AddControlMoves(name, *control);
    }
    if (auto* chart = window->findChild<BurmeseChartFrame*>(); Reachable(chart)) {
        AddChartMoves(name, *chart);
    }
}

void Monkey::AddControlMoves(const std::string& window, QWidget& control) {
    const std::string where = window + " " + NameOf(control);
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        Add(kButton, "click " + where + " " + Plain(button->text()),
            [button] { QTest::mouseClick(button, Qt::LeftButton); });
    } else if (auto* radio = qobject_cast<QRadioButton*>(&control)) {
        Add(kRadio, "click " + where, [radio] { QTest::mouseClick(radio, Qt::LeftButton); });
    } else if (qobject_cast<QLineEdit*>(&control) != nullptr) {
        AddNameBoxMoves(where, control);
    } else if (auto* list = qobject_cast<QComboBox*>(&control)) {
        Add(kList, "pick in " + where, [this, list] {
            list->setCurrentIndex(dice_.Below(list->count()));
            Note(Quoted(list->currentText()));
        });
    } else if (auto* tabs = qobject_cast<QTabBar*>(&control)) {
        Add(kTab, "click a tab of " + where, [this, tabs] {
            const int tab = dice_.Below(tabs->count());
            Note(Quoted(tabs->tabText(tab)));
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        });
    } else if (qobject_cast<ReportView*>(&control) != nullptr) {
        AddReportMoves(where, control);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(&control)) {
        Add(kLabel, "click into " + where, [this, box] {
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                              SomePoint(dice_, *box->viewport()));
        });
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        const bool link = qobject_cast<BannerLabel*>(label) != nullptr;
        Add(link ? kLink : kLabel, "click " + where, [this, label] { ClickLabel(*label, 8); });
    }
}

void Monkey::AddNameBoxMoves(const std::string& where, QWidget& box) {
    Add(kNameBox, "type into " + where, [this, &box] {
        const QString text =
            SomeText(dice_, dice_.OneIn(30) ? 40 + dice_.Below(260) : 1 + dice_.Below(9));
        Note(Quoted(text));
        box.setFocus(Qt::MouseFocusReason);
        Type(box, text);
    });
    Add(kNameBox / 3, "edit keys in " + where, [this, &box] {
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}},
            {Qt::Key_Left, {}},
            {Qt::Key_Right, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Home, Qt::ShiftModifier}};
        const auto& [key, modifiers] = dice_.Pick(keys);
        Note(QKeySequence(key | modifiers).toString().toStdString());
        box.setFocus(Qt::MouseFocusReason);
        QTest::keyClick(&box, key, modifiers);
    });
    Add(kNameBox / 4, "paste into " + where, [this, &box] {
        const int length = dice_.OneIn(8) ? 1000 + dice_.Below(32000) : 1 + dice_.Below(40);
        const QString text = SomeText(dice_, length);
        Note(Quoted(text));
        QApplication::clipboard()->setText(text);
        box.setFocus(Qt::MouseFocusReason);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    });
}

void Monkey::AddReportMoves(const std::string& where, QWidget& report) {
    QWidget& page = *static_cast<ReportView&>(report).viewport();
    Add(kReport, "click into " + where,
        [this, &page] { QTest::mouseClick(&page, Qt::LeftButton, {}, SomePoint(dice_, page)); });
    Add(kReport, "select in " + where, [this, &page] {
        const QPoint from = SomePoint(dice_, page);
        const QPoint to = SomePoint(dice_, page);
        QTest::mousePress(&page, Qt::LeftButton, {}, from);
        MoveOver(page, to, Qt::LeftButton);
        QTest::mouseRelease(&page, Qt::LeftButton, {}, to);
    });
    Add(kReport / 2, "type into " + where, [this, &report] {
        const QString text = SomeText(dice_, 1 + dice_.Below(6));
        Note(Quoted(text));
        report.setFocus(Qt::MouseFocusReason);
        Type(report, text);
    });
}

void Monkey::AddChartMoves(const std::string& window, QWidget& chart) {
    Add(kChart, "move over the chart of " + window, [this, &chart] {
        std::vector<QWidget*> parts = {&chart};
        for (QWidget* part : chart.findChildren<QWidget*>()) {
            if (Reachable(part)) parts.push_back(part);
        }
        QWidget* part = dice_.Pick(parts);
        Note(NameOf(*part));
        MoveOver(*part, SomePoint(dice_, *part));
    });
}

void Monkey::AddKeyMoves(frmMDI& main) {
    QWidget* focus = QApplication::focusWidget();
    if (!Reachable(focus) || focus->window() != &main) return;
    // Keys that would open a list's popup are left out: the popup's animation runs on the clock.
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Tab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Up, {}}, {Qt::Key_Down, {}}};
    if (qobject_cast<QComboBox*>(focus) == nullptr) {
        keys.insert(keys.end(), {{Qt::Key_Return, {}}, {Qt::Key_Space, {}}, {Qt::Key_Escape, {}}});
    }
    for (const auto& press : keys) {
        const Qt::Key key = press.first;
        const Qt::KeyboardModifiers modifiers = press.second;
        Add(kKey,
            "press " + QKeySequence(key | modifiers).toString().toStdString() + " on " +
                NameOf(*focus),
            [focus, key, modifiers] { QTest::keyClick(focus, key, modifiers); });
    }
}

void Monkey::ClickLabel(QWidget& label, int rightButtonOneIn) {
    const bool right = dice_.OneIn(rightButtonOneIn);
    const QPoint at = SomePoint(dice_, label);
    if (!right) {
        QTest::mouseClick(&label, Qt::LeftButton, {}, at);
        return;
    }
    Note("with the right button");
    OpensNoPage("a link acted on the right button",
                [&label, at] { QTest::mouseClick(&label, Qt::RightButton, {}, at); });
}

void Monkey::OpensNoPage(const std::string& rule, const std::function<void()>& act) {
    const qsizetype pages = platform_.openedPages.size();
    act();
    if (platform_.openedPages.size() != pages) problems_.push_back(rule);
}

void Monkey::AnswerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    auto* about = qobject_cast<frmAbout*>(modal);
    Count("About");
    if (about == nullptr) {
        problems_.push_back(std::string("an unexpected modal window ") +
                            modal->metaObject()->className());
        modal->close();
        return;
    }
    for (int links = dice_.Below(3); links > 0; --links) {
        QLabel* link = dice_.OneIn(2) ? about->lblCoBrand : about->lblHomePage;
        Note("About: click " + NameOf(*link));
        QTest::mouseClick(link, Qt::LeftButton, {}, SomePoint(dice_, *link));
    }
    switch (dice_.Below(3)) {
        case 0:
            Note("About: OK");
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            break;
        case 1:
            Note("About: Escape");
            QTest::keyClick(about, Qt::Key_Escape);
            break;
        default:
            Note("About: close box");
            about->close();
            break;
    }
}

void Monkey::CloseStrayPopups() {
    for (int tries = 0; tries < 3 && QApplication::activePopupWidget() != nullptr; ++tries) {
        Note("Escape closes a popup");
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }
}

}  // namespace oriastra
