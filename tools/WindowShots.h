#pragma once
#include <QImage>
#include <QString>
#include <map>

namespace oriastra {

class Application;

// Every window's pictures, by name ("frmMDI", a window's own name, "-in-frmMDI" for the main
// window around it, "-<view>" for each of its views), and which of them the README keeps, by
// the README's file name.
struct WindowRenders {
    std::map<QString, QImage> byName;
    std::map<QString, QString> readme;  // file → picture name
};

// Takes every tradition's windows into `renders`, as the registry lists the traditions, each with
// its example person: the input window with the name typed, the reading window's views and the
// report.
void RenderTraditionWindows(Application& program, WindowRenders& renders);

}  // namespace oriastra
