#pragma once
#include <QString>
#include <memory>

#include "common/logic/AppContext.h"
#include "shell/logic/ProgramState.h"

namespace oriastra {

class Platform;
class frmMDI;

// One run of the program: its state, its main window and every window's way to the others.
class Application {
public:
    explicit Application(Platform& platform);
    ~Application();

    frmMDI& MainWindow() { return *mainWindow_; }
    ProgramState& State() { return state_; }

private:
    ProgramState state_;
    std::unique_ptr<frmMDI> mainWindow_;
    std::unique_ptr<AppContext> context_;
};

// The names the desktop knows the program by: the executable's name (which also keys the
// settings) and the desktop entry.
void SetProgramIdentity(const QString& programName);

// Start-up in order: another copy running (say so and end), the update reminder, the main window
// shown. Returns nothing when the program must end at once.
std::unique_ptr<Application> StartProgram(Platform& platform, bool anotherCopyRunning);

}  // namespace oriastra
