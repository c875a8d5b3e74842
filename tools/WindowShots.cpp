#include "WindowShots.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

#include "arabic/frmArabicAstrologyMain.h"
#include "common/ChildWindow.h"
#include "common/WindowRegistry.h"
#include "indonesian/frmIndonesianAstrologyMain.h"
#include "shell/Application.h"
#include "shell/frmMDI.h"
#include "african/frmAfricanAstrologyMain.h"
#include "tibetan/frmTibetanAstrologyDisplay.h"
#include "tibetan/frmTibetanAstrologyMain.h"

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

// A Tibetan reading for a sample person, with the given tab in front.
void ShowTibetanReading(Application& program, int tab) {
    frmMDI& main = program.MainWindow();
    main.cmdSelectOption_Click(4);
    auto* input = main.Windows().As<frmTibetanAstrologyMain>(InputOf(Tradition::Tibetan));
    input->panel->txtName->setText(QStringLiteral("Tenzin Dolma"));
    input->panel->cboMonth->setCurrentText(QStringLiteral("August"));
    input->panel->cboDate->setCurrentText(QStringLiteral("21"));
    input->panel->cboYear->setCurrentText(QStringLiteral("1988"));
    input->panel->optFemale->setChecked(true);
    input->cmdCalculate_Click();
    auto* display = main.Windows().As<frmTibetanAstrologyDisplay>(ReadingOf(Tradition::Tibetan));
    if (display != nullptr) display->TS->setCurrentIndex(tab);
}

// An African reading for a sample person.
void ShowAfricanReading(Application& program) {
    frmMDI& main = program.MainWindow();
    main.cmdSelectOption_Click(0);
    auto* input = main.Windows().As<frmAfricanAstrologyMain>(InputOf(Tradition::African));
    input->panel->txtName->setText(QStringLiteral("Amara Okafor"));
    input->panel->cboMonth->setCurrentText(QStringLiteral("April"));
    input->panel->cboDate->setCurrentText(QStringLiteral("20"));
    input->panel->cboYear->setCurrentText(QStringLiteral("1984"));
    input->cmdCalculate_Click();
}

// An Arabic reading with the longest description (Leo) and both pictures.
void ShowArabicReading(Application& program) {
    frmMDI& main = program.MainWindow();
    main.cmdSelectOption_Click(1);
    auto* input = main.Windows().As<frmArabicAstrologyMain>(InputOf(Tradition::Arabic));
    input->panel->txtName->setText(QStringLiteral("Layla Haddad"));
    input->panel->cboMonth->setCurrentText(QStringLiteral("August"));
    input->panel->cboDate->setCurrentText(QStringLiteral("2"));
    input->panel->cboYear->setCurrentText(QStringLiteral("1984"));
    input->cmdNext_Click();
}

// An Indonesian reading for a sample person (17 August 1945, Jumat Legi).
void ShowIndonesianReading(Application& program) {
    frmMDI& main = program.MainWindow();
    main.cmdSelectOption_Click(3);
    auto* input = main.Windows().As<frmIndonesianAstrologyMain>(InputOf(Tradition::Indonesian));
    input->panel->txtName->setText(QStringLiteral("Sri Wahyuni"));
    input->panel->cboMonth->setCurrentText(QStringLiteral("August"));
    input->panel->cboDate->setCurrentText(QStringLiteral("17"));
    input->panel->cboYear->setCurrentText(QStringLiteral("1945"));
    input->cmdCalculate_Click();
}

}  // namespace

std::vector<WindowShot> WindowShots() {
    return {
        InputShot("frmTibetanAstrologyMain", InputOf(Tradition::Tibetan), 4, "Tenzin Dolma"),
        InputShot("frmIndonesianAstrologyMain", InputOf(Tradition::Indonesian), 3, "Sri Wahyuni"),
        InputShot("frmBurmeseAstrologyMain", InputOf(Tradition::Burmese), 2, "AUNG KYAW"),
        InputShot("frmArabicAstrologyMain", InputOf(Tradition::Arabic), 1, "Layla Haddad"),
        InputShot("frmAfricanAstrologyMain", InputOf(Tradition::African), 0, "Amara Okafor"),
        {"frmTibetanAstrologyDisplay-tab1", ReadingOf(Tradition::Tibetan),
         [](Application& program) { ShowTibetanReading(program, 0); }},
        {"frmTibetanAstrologyDisplay-tab2", ReadingOf(Tradition::Tibetan),
         [](Application& program) { ShowTibetanReading(program, 1); }},
        {"frmTibetanAstrologyDisplay-tab3", ReadingOf(Tradition::Tibetan),
         [](Application& program) { ShowTibetanReading(program, 2); }},
        {"frmArabicAstrologyDisplay", ReadingOf(Tradition::Arabic), ShowArabicReading},
        {"frmTibetanAstrologySave", ReportOf(Tradition::Tibetan),
         [](Application& program) {
             ShowTibetanReading(program, 0);
             program.MainWindow().Windows().Show(ReportOf(Tradition::Tibetan));
         }},
        {"frmAfricanAstrologyDisplay", ReadingOf(Tradition::African), ShowAfricanReading},
        {"frmAfricanAstrologySave", ReportOf(Tradition::African),
         [](Application& program) {
             ShowAfricanReading(program);
             program.MainWindow().Windows().Show(ReportOf(Tradition::African));
         }},
        {"frmIndonesianAstrologyDisplay", ReadingOf(Tradition::Indonesian), ShowIndonesianReading},
        {"frmIndonesianAstrologySave", ReportOf(Tradition::Indonesian),
         [](Application& program) {
             ShowIndonesianReading(program);
             program.MainWindow().Windows().Show(ReportOf(Tradition::Indonesian));
         }},
    };
}

}  // namespace oriastra
