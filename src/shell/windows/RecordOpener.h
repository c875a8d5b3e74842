#pragma once
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>

namespace oriastra {

class frmMDI;

// Record files that reach the program from outside its windows (its command line, a later copy,
// a drop on the main window), opened one after another in the main window. They wait while the
// main window is not on screen yet and while a dialog or menu is waiting for the user, so no
// window a dialog belongs to is closed under it.
class RecordOpener : public QObject {
    Q_OBJECT
public:
    explicit RecordOpener(QObject* parent = nullptr);
    ~RecordOpener() override;

    // From now on files open in `mainWindow`, and local files dropped anywhere on it are opened.
    void Serve(frmMDI& mainWindow);
    // Brings the main window to the front and opens the files as soon as it may.
    void Open(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The main window restored and raised; the waiting files opened as soon as they may.
    void BringForward();
    void OpenWaiting();

    frmMDI* mainWindow_ = nullptr;
    std::deque<QString> waiting_;
    bool opening_ = false;
    QTimer retry_;
};

}  // namespace oriastra
