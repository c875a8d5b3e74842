#pragma once
#include <QDialog>
#include <string_view>

class QLabel;
class QPushButton;

namespace oriastra {

class Platform;

// The About window, shown modally by every "&About Software" entry; `text` is its paragraph in
// English, as the registry keeps it, and it is shown in the windows' language.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Platform& platform, std::string_view text, QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblCoBrand = nullptr;
    QLabel* lblHomePage = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace oriastra
