#pragma once
#include <string_view>

namespace oriastra {

class Platform;
class WindowRegistry;
struct BirthDetails;
class TraditionStates;

// The main window's welcome panel, as the tradition windows see it.
class WelcomePanel {
public:
    virtual ~WelcomePanel() = default;
    virtual void SetWelcomePanelVisible(bool visible) = 0;
    virtual bool IsWelcomePanelVisible() const = 0;
};

// What every window is handed: the current birth details, the desktop, the other windows.
// A tradition's own state reaches only its windows, through its registration.
struct AppContext {
    BirthDetails& birthDetails;
    Platform& platform;
    WindowRegistry& windows;
    WelcomePanel& welcome;
    TraditionStates& states;
    std::string_view aboutText;  // names the program's traditions together
};

}  // namespace oriastra
