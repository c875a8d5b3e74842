#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MonkeyDice.h"

class QMdiSubWindow;
class QWidget;

namespace oriastra {

class Application;
class MonkeyFiles;
class ScriptedPlatform;
class frmMDI;

// A random user of the program. Each step looks at what a user could do at that moment (click an
// enabled button, label or menu entry, type into the name box, pick in a list, switch a tab, move
// the mouse over the chart, close or minimise a window, press a key), does one of those things,
// answers whatever the desktop asks meanwhile (message boxes, file dialogs, the print dialog, the
// About window), and says what happened. The same seed gives the same steps.
class Monkey {
public:
    Monkey(std::uint64_t seed, ScriptedPlatform& platform, MonkeyFiles& files, QString printerPdf);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    std::string Step(Application& program);
    // What went wrong during the steps beyond the rules checked after them.
    std::vector<std::string> TakeProblems();
    // How often each window was on screen and each kind of request was met, for the log.
    std::string Summary() const;

private:
    struct Move {
        int weight;
        std::string what;
        std::function<void()> act;
    };
    void Add(int weight, std::string what, std::function<void()> act);
    void AddMainWindowMoves(frmMDI& main);
    void AddMenuMoves(frmMDI& main);
    void AddWindowMoves(frmMDI& main, QMdiSubWindow& frame);
    void AddControlMoves(const std::string& window, QWidget& control);
    void AddNameBoxMoves(const std::string& where, QWidget& box);
    void AddReportMoves(const std::string& where, QWidget& report);
    void AddChartMoves(const std::string& window, QWidget& chart);
    void AddKeyMoves(frmMDI& main);
    // A click on a label, now and then with the right button, on which no link may act.
    void ClickLabel(QWidget& label, int rightButtonOneIn);
    void OpensNoPage(const std::string& rule, const std::function<void()>& act);
    void AnswerModal();
    void CloseStrayPopups();
    void Note(const std::string& note) { notes_ += " -> " + note; }
    void Count(const std::string& what) { ++counts_[what]; }

    MonkeyDice dice_;
    ScriptedPlatform& platform_;
    MonkeyFiles& files_;
    QString printerPdf_;
    Application* program_ = nullptr;
    QObject timers_;  // owns the modal answerer, so it dies with the monkey
    std::vector<Move> moves_;
    std::string notes_;
    std::vector<std::string> problems_;
    std::map<std::string, long long> counts_;
};

}  // namespace oriastra
