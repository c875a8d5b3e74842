#include "WindowShots.h"

#include <QComboBox>
#include <QLineEdit>

#include "common/ChildWindow.h"
#include "common/WindowRegistry.h"
#include "shell/Application.h"
#include "shell/frmMDI.h"

namespace oriastra {

namespace {

WindowShot InputShot(const char* name, WindowId id, int buttonIndex, const char* person) {
    return {QString::fromLatin1(name), id, [id, buttonIndex, person](Application& program) {
                program.MainWindow().cmdSelectOption_Click(buttonIndex);
                ChildWindow* window = program.MainWindow().Windows().Window(id);
                if (window == nullptr) return;
                if (auto* txtName = window->findChild<QLineEdit*>(QStringLiteral("txtName"))) {
                    txtName->setText(QString::fromUtf8(person));
                }
            }};
}

}  // namespace

std::vector<WindowShot> WindowShots() {
    return {
        InputShot("frmTibetanAstrologyMain", WindowId::TibetanMain, 4, "Tenzin Dolma"),
        InputShot("frmIndonesianAstrologyMain", WindowId::IndonesianMain, 3, "Sri Wahyuni"),
        InputShot("frmBurmeseAstrologyMain", WindowId::BurmeseMain, 2, "AUNG KYAW"),
        InputShot("frmArabicAstrologyMain", WindowId::ArabicMain, 1, "Layla Haddad"),
        InputShot("frmAfricanAstrologyMain", WindowId::AfricanMain, 0, "Amara Okafor"),
    };
}

}  // namespace oriastra
