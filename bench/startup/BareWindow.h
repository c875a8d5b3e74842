#pragma once
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <memory>

// The least a main window of this kind can be: the floor the program's start-up is held against.
inline std::unique_ptr<QMainWindow> MakeBareWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Bare window"));
    window->setCentralWidget(new QMdiArea(window.get()));
    QMenu* file = window->menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, window.get(),
                     &QWidget::close);
    return window;
}
