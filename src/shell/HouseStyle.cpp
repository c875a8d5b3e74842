#include <QWidget>

#include "shell/HouseStyle.h"

namespace oriastra {

void ApplyHouseStyle(QWidget& mainWindow) {
    mainWindow.setStyleSheet(QStringLiteral(R"(
#Picture6 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a1050, stop:1 #22082e); }
#lblCorvaneBanner { color: #f4c860; font-weight: bold; }
#Picture1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a0c3a, stop:1 #160620);
            border-top: 1px solid #5a2a70; border-bottom: 2px solid #e0b040; }
#picButtonContainer QPushButton { color: #fbefd0; font-weight: bold; padding: 4px 14px;
    border: 1px solid #e0b040; border-radius: 6px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6a2a86, stop:1 #3a1050); }
#picButtonContainer QPushButton:hover { background: #7e3aa0; }
#picButtonContainer QPushButton:pressed { background: #2a0c3a; }
#PicCoBrand { background: #160620; border-top: 2px solid #e0b040; }
#Label7 { color: #e8dcf0; }
#cmdMdiExit { font-weight: bold; }
[traditionWindow="true"] { background: #fbf6ec; }
QGroupBox#fraPersonalDetails { font-weight: bold; color: #4a1a60; border: 1px solid #c8b07a;
    border-radius: 6px; margin-top: 12px; padding: 10px 8px 8px 8px; }
QGroupBox#fraPersonalDetails::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QGroupBox#fraPersonalDetails QLabel, QGroupBox#fraPersonalDetails QRadioButton,
QGroupBox#fraPersonalDetails QLineEdit, QGroupBox#fraPersonalDetails QComboBox,
QGroupBox#fraPersonalDetails QPushButton { font-weight: normal; color: black; }
QGroupBox#fraFullBrand { border: 1px solid #d8c8a0; border-radius: 4px; background: #fff9e8; }
#lblCobrand, #lblFullBrand, [sponsor="true"] { color: #1a4fa0; text-decoration: underline; }
[instruction="true"] { color: #6a1a40; }
)"));
}

}  // namespace oriastra
