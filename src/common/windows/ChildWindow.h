#pragma once
#include <QWidget>

#include "common/logic/AppContext.h"
#include "common/logic/WindowId.h"

class QMenu;

namespace oriastra {

// A tradition window inside the main window. The registry creates it, runs Form_Load once, and on
// any closing (close box, Exit, the main window's selector) runs Form_Unload and destroys it.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    ChildWindow(AppContext& context, WindowId id, QWidget* parent = nullptr);

    WindowId Id() const { return id_; }
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The menus the main window's menu bar shows while this window is the active one; none
    // means the main window's own.
    virtual QList<QMenu*> Menus() const { return {}; }
    // The views a picture of this window shows in turn (its pages), by name; none: the window
    // as it stands. ShowPictureView brings one up as a reader would see it.
    virtual QStringList PictureViews() const { return {}; }
    virtual void ShowPictureView(int view) { (void)view; }

    // Left = (screen width - window width) / 2, Top = 0 inside the main window's area, never
    // outside it on the left, nor on the right while the window fits.
    void PlaceAtTopCentre();
    // Closes this window through the registry (its unload step runs).
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    AppContext& context_;

private:
    WindowId id_;
};

}  // namespace oriastra
