#include "shell/HouseStyle.h"

#include <QApplication>

namespace oriastra {

void ApplyHouseStyle() {
    qApp->setStyleSheet(QStringLiteral(R"(
QWidget#frmMDIClient > QWidget#Picture6 {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a1050, stop:1 #22082e); }
QWidget#frmMDIClient > QWidget#Picture1 {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a0c3a, stop:1 #160620);
    border-top: 1px solid #5a2a70; border-bottom: 2px solid #e0b040; }
QWidget#frmMDIClient > QWidget#PicCoBrand { background: #160620; border-top: 2px solid #e0b040; }
QWidget#frmMDIClient > QWidget#Picture1 QPushButton,
QWidget#frmMDIClient > QWidget#PicCoBrand > QPushButton {
    color: #fbefd0; font-weight: bold; padding: 4px 14px;
    border: 1px solid #e0b040; border-radius: 6px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6a2a86, stop:1 #3a1050); }
QWidget#frmMDIClient > QWidget#Picture1 QPushButton:hover,
QWidget#frmMDIClient > QWidget#PicCoBrand > QPushButton:hover { background: #7e3aa0; }
QWidget#frmMDIClient > QWidget#Picture1 QPushButton:pressed,
QWidget#frmMDIClient > QWidget#PicCoBrand > QPushButton:pressed { background: #2a0c3a; }
QWidget#frmMDIClient > QWidget#Picture1 QPushButton:focus,
QWidget#frmMDIClient > QWidget#PicCoBrand > QPushButton:focus {
    border: 2px solid #fff4c0; background: #8a44b0; }
QWidget#frmMDIClient > QWidget#Picture6 QLabel { color: #f4c860; font-weight: bold; }
QWidget#frmMDIClient > QWidget#PicCoBrand QLabel { color: #f0dca0; text-decoration: underline; }
QWidget#frmMDIClient > QWidget#Picture6 QLabel:focus,
QWidget#frmMDIClient > QWidget#PicCoBrand QLabel:focus { background: #6a2a86; color: #fff4c0; }

QWidget[traditionWindow="true"], QDialog { background: #fbf6ec; color: #2a1a30; }
QWidget[traditionWindow="true"] QPushButton, QDialog QPushButton {
    color: #fbefd0; font-weight: bold; padding: 5px 16px; min-height: 20px;
    border: 1px solid #b8902a; border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6a2a86, stop:1 #4a1a60); }
QWidget[traditionWindow="true"] QPushButton:hover, QDialog QPushButton:hover {
    background: #7e3aa0; }
QWidget[traditionWindow="true"] QPushButton:pressed, QDialog QPushButton:pressed {
    background: #3a1050; }
QWidget[traditionWindow="true"] QPushButton:focus, QDialog QPushButton:focus {
    border: 2px solid #e0b040; }
QWidget[traditionWindow="true"] QPushButton:disabled, QDialog QPushButton:disabled {
    color: #d8cce0; background: #9a88a6; border-color: #c8bcd0; }
QWidget[traditionWindow="true"] QGroupBox {
    border: 1px solid #c8b07a; border-radius: 6px; margin-top: 12px; padding: 10px 8px 8px 8px; }
QWidget[traditionWindow="true"] QGroupBox::title {
    subcontrol-origin: margin; left: 10px; padding: 0 4px; }
oriastra--BirthDetailsPanel { font-weight: bold; color: #4a1a60; }
oriastra--BirthDetailsPanel QLabel, oriastra--BirthDetailsPanel QRadioButton,
oriastra--BirthDetailsPanel QLineEdit, oriastra--BirthDetailsPanel QComboBox {
    font-weight: normal; color: black; }
QWidget[traditionWindow="true"] QTabBar::tab {
    background: #efe4cc; color: #4a1a60; border: 1px solid #c8b07a; border-bottom: none;
    padding: 6px 16px; margin-right: 2px;
    border-top-left-radius: 5px; border-top-right-radius: 5px; }
QWidget[traditionWindow="true"] QTabBar::tab:selected { background: #4a1a60; color: #fbefd0; }
QWidget[traditionWindow="true"] QTabBar::tab:focus { text-decoration: underline; }
QWidget[traditionWindow="true"] QGroupBox[banner="true"] {
    font-weight: normal; background: #f6eedd; border: 1px solid #e0d2b0; border-radius: 5px;
    margin-top: 0; padding: 4px 6px; }
QWidget[traditionWindow="true"] QLabel[instruction="true"] { color: #6a1a40; }
QWidget[traditionWindow="true"] QLabel[link="true"], QDialog QLabel[link="true"] {
    color: #45508f; text-decoration: underline; font-weight: normal; }
QWidget[traditionWindow="true"] QLabel[link="true"]:hover,
QDialog QLabel[link="true"]:hover { color: #6a1a8a; }
QWidget[traditionWindow="true"] QLabel[link="true"]:focus,
QDialog QLabel[link="true"]:focus { background: #e4d4f0; color: #2a1238; }
)"));
}

}  // namespace oriastra
