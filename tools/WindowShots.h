#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "common/logic/WindowId.h"

namespace oriastra {

class Application;

// One picture to take: how to bring the window up, and which window it is.
struct WindowShot {
    QString name;
    WindowId window;
    std::function<void(Application&)> prepare;
};

std::vector<WindowShot> WindowShots();

}  // namespace oriastra
