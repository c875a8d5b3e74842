#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "ScriptedPlatform.h"
#include "common/windows/BirthDetailsPanel.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/Twips.h"
#include "common/windows/WindowRegistry.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"

// Failures show texts as texts, not as arrays of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace oriastra {

// A test program's main: one application object, offscreen unless a run asks for a real X
// server, with settings and files in a temporary folder so no test touches the user's own.
// `prepare`, when given, runs before the tests and stops the run when it fails.
int RunWindowTests(int argc, char** argv, const QString& programName,
                   const std::function<bool()>& prepare);

// Every window test: a fresh program with a fresh state on a scripted desktop, a temporary
// folder for files, and a watchdog that fails the test instead of hanging when a modal dialog
// opens that the test did not ask for.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program as the desktop would (reminder, then the main window).
    void Start();
    frmMDI& Main() { return program_->MainWindow(); }
    WindowRegistry& Windows() { return Main().Windows(); }
    ProgramState& State() { return program_->State(); }

    template <typename T = QWidget>
    T* Find(QWidget* parent, const QString& name) const {
        T* found = parent->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
        return found;
    }
    ChildWindow* Window(WindowId id) { return Windows().Window(id); }
    int CentredLeftOf(int width) const { return CentredLeft(platform.screenWidth, width); }
    // A mouse move over the widget, as the window system delivers it.
    static void MoveMouseOver(QWidget* widget);
    // Lets posted deletions and layouts run.
    static void Settle();
    // The name typed into a cleared name box, the date picked from the lists.
    static void EnterBirthDetails(BirthDetailsPanel& panel, const QString& name,
                                  const QString& month, const QString& day, const QString& year);
    // A left click, then what it posted.
    static void Click(QAbstractButton* button);
    // The file dialog the click opens answers `path`.
    void ClickChoosing(QAbstractButton* button, const QString& path);
    // The characters from `from` to `to` of a rich-text view selected, as a drag would.
    static void Select(QTextEdit& view, int from, int to);
    // How the character at `position` of a rich-text view looks: "bold #800080", "normal #000000".
    static QString LookAt(const QTextEdit& view, int position);
    // A record file of these lines in the test's folder; its path.
    QString WriteRecord(const QString& file, const std::vector<std::string>& lines);
    // The text of a printed PDF, with ligatures turned back into letters and runs of white space
    // made single; nothing when the file cannot be read (pdftotext is missing).
    static std::optional<QString> PrintedText(const QString& pdf);
    // The letters of a text without white space and hyphens: how a PDF spaces words and where a
    // font breaks lines may vary, and pdftotext drops a hyphen that ends a line.
    static QString Letters(const QString& text);

    // The next modal dialog is handed to `handler`, which must close it.
    void ExpectModal(std::function<void(QWidget*)> handler);
    int unexpectedModals = 0;

    ScriptedPlatform platform;
    QTemporaryDir folder;
    std::unique_ptr<Application> program_;

private:
    QTimer watchdog_;
    std::function<void(QWidget*)> modalHandler_;
};

}  // namespace oriastra
