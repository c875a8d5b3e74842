#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace oriastra {

class Platform;

// The About window, shown modally by every "&About Software" entry.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblCoBrand = nullptr;
    QLabel* lblHomePage = nullptr;
    QPushButton* cmdOK = nullptr;
};

inline constexpr const char* kAboutText =
    "Kestrin Oriastra is a combination of Tibetan, Arabic, Indonesian and Burmese Astrology "
    "signs. Astrology originated in these places around 1000 years ago and has its roots in "
    "several other traditions. Each of them has an advanced zodiac system which helps find out "
    "your zodiac sign based on your date of birth and gives you a detailed list of "
    "characteristics of your sign. This represents your characteristic traits, behavior and "
    "nature. In short, this program helps you understand your positive and negative traits, thus "
    "helping you improve your personality. We hope it brings you many evenings of curious and "
    "cheerful self-discovery.";

}  // namespace oriastra
