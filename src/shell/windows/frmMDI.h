#pragma once
#include <QMainWindow>
#include <memory>
#include <vector>

#include "common/logic/AppContext.h"
#include "common/logic/Tradition.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QScrollArea;
class QFrame;

namespace oriastra {

class WindowRegistry;

// The main window: banner strip, tradition buttons, the black welcome panel `picMain` and the
// area every tradition window opens in.
class frmMDI : public QMainWindow, public WelcomePanel {
    Q_OBJECT
public:
    frmMDI(Platform& platform, QWidget* parent = nullptr);
    ~frmMDI() override;

    QMdiArea& MdiArea() { return *mdiArea_; }
    WindowRegistry& Windows() { return *windows_; }

    void Form_Load();
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void cmdMdiExit_Click();

    void SetWelcomePanelVisible(bool visible) override;
    bool IsWelcomePanelVisible() const override;

    // Every tradition window, in the order choosing a tradition closes them.
    void CloseTraditionWindows();
    // A record given from outside the windows: its tradition chosen as by its button, then its
    // Open run with the file. A name that ends in no tradition's extension changes nothing.
    void OpenRecordFile(const QString& path);

    QWidget* Picture6 = nullptr;
    QLabel* lblCorvaneBanner = nullptr;
    QWidget* Picture1 = nullptr;
    QFrame* picButtonContainer = nullptr;
    // Indexed by each tradition's selector index; every button has its picture beside it.
    std::vector<QPushButton*> cmdSelectOption;
    std::vector<QLabel*> buttonPictures;
    QWidget* picMain = nullptr;
    // The three headings, then each tradition's label at 3 + its selector index.
    std::vector<QLabel*> lblCaption;
    QWidget* PicCoBrand = nullptr;
    QPushButton* cmdMdiExit = nullptr;
    QLabel* Label7 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildStrips();
    void BuildWelcomePanel();
    void BuildMenus();
    // The one menu bar shows the active child window's menus, or the main window's own while
    // no child window is active; the main window's "&Exit" access key acts only then.
    void ShowMenusOf(QMdiSubWindow* active);
    void OpenTradition(Tradition tradition);

    Platform& platform_;
    QMdiArea* mdiArea_ = nullptr;
    QScrollArea* welcomeScroll_ = nullptr;
    std::unique_ptr<WindowRegistry> windows_;
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    std::vector<Tradition> traditions_;  // by selector index
};

}  // namespace oriastra
