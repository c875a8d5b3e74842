#include <QApplication>

#include "BareWindow.h"

// The bare window as a program of its own, for the cold process start-up figure.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto window = MakeBareWindow();
    // Maximized like the main window, so both fill the same area.
    window->showMaximized();
    return QApplication::exec();
}
