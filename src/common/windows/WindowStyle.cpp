#include "common/windows/WindowStyle.h"

namespace oriastra {

namespace {

// Rules both kinds of window share: buttons and links.
constexpr const char* kButtonsAndLinks = R"(
QPushButton {
    color: #fbefd0; font-weight: bold; padding: 5px 16px; min-height: 20px;
    border: 1px solid #b8902a; border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6a2a86, stop:1 #4a1a60); }
QPushButton:hover { background: #7e3aa0; }
QPushButton:pressed { background: #3a1050; }
QPushButton:focus { border: 2px solid #e0b040; }
QPushButton:disabled { color: #d8cce0; background: #9a88a6; border-color: #c8bcd0; }
QLabel[link="true"] { color: #45508f; text-decoration: underline; font-weight: normal; }
QLabel[link="true"]:hover { color: #6a1a8a; }
QLabel[link="true"]:focus { background: #e4d4f0; color: #2a1238; }
)";

}  // namespace

QString TraditionWindowStyle() {
    return QString::fromLatin1(kButtonsAndLinks) + QStringLiteral(R"(
QWidget[traditionWindow="true"] { background: #fbf6ec; color: #2a1a30; }
QGroupBox {
    border: 1px solid #c8b07a; border-radius: 6px; margin-top: 12px; padding: 10px 8px 8px 8px; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
oriastra--BirthDetailsPanel { font-weight: bold; color: #4a1a60; }
oriastra--BirthDetailsPanel QLabel, oriastra--BirthDetailsPanel QRadioButton,
oriastra--BirthDetailsPanel QLineEdit, oriastra--BirthDetailsPanel QComboBox {
    font-weight: normal; color: black; }
QTabBar::tab {
    background: #efe4cc; color: #4a1a60; border: 1px solid #c8b07a; border-bottom: none;
    padding: 6px 16px; margin-right: 2px;
    border-top-left-radius: 5px; border-top-right-radius: 5px; }
QTabBar::tab:selected { background: #4a1a60; color: #fbefd0; }
QTabBar::tab:focus { text-decoration: underline; }
QGroupBox[banner="true"] {
    font-weight: normal; background: #f6eedd; border: 1px solid #e0d2b0; border-radius: 5px;
    margin-top: 0; padding: 4px 6px; }
QLabel[instruction="true"] { color: #6a1a40; }
)");
}

QString DialogStyle() {
    return QString::fromLatin1(kButtonsAndLinks) +
           QStringLiteral("QDialog { background: #fbf6ec; color: #2a1a30; }");
}

}  // namespace oriastra
