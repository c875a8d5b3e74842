#pragma once

namespace oriastra {

class Platform;
class WindowRegistry;
struct ProgramState;

// The main window's welcome panel, as the tradition windows see it.
class WelcomePanel {
public:
    virtual ~WelcomePanel() = default;
    virtual void SetWelcomePanelVisible(bool visible) = 0;
    virtual bool IsWelcomePanelVisible() const = 0;
};

// What every window is handed: the run's state, the desktop, the other windows.
struct AppContext {
    ProgramState& state;
    Platform& platform;
    WindowRegistry& windows;
    WelcomePanel& welcome;
};

}  // namespace oriastra
