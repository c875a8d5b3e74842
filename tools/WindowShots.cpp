#include "WindowShots.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "common/ChildWindow.h"
#include "common/WindowRegistry.h"
#include "shell/Application.h"
#include "shell/frmMDI.h"
#include "burmese/BurmeseChartFrame.h"
#include "burmese/frmBurmeseAstrologyDisplay.h"
#include "burmese/frmBurmeseAstrologyMain.h"
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

void EnterBirthDetails(BirthDetailsPanel& panel, const QString& name, const QString& month,
                       const QString& day, const QString& year) {
    panel.txtName->setText(name);
    panel.cboMonth->setCurrentText(month);
    panel.cboDate->setCurrentText(day);
    panel.cboYear->setCurrentText(year);
}

// A Tibetan reading for a sample person, with the given tab in front.
void ShowTibetanReading(Application& program, int tab) {
    frmMDI& main = program.MainWindow();
    main.cmdSelectOption_Click(4);
    auto* input = main.Windows().As<frmTibetanAstrologyMain>(InputOf(Tradition::Tibetan));
    EnterBirthDetails(*input->panel, QStringLiteral("Tenzin Dolma"), QStringLiteral("August"),
                      QStringLiteral("21"), QStringLiteral("1988"));
    input->panel->optFemale->setChecked(true);
    input->cmdCalculate_Click();
    auto* display = main.Windows().As<frmTibetanAstrologyDisplay>(ReadingOf(Tradition::Tibetan));
    if (display != nullptr) display->TS->setCurrentIndex(tab);
}

// A Burmese chart for a sample person; on the chart tab the pointer rests on house 5.
void ShowBurmeseChart(Application& program, int tab) {
    frmMDI& main = program.MainWindow();
    main.cmdSelectOption_Click(2);
    auto* input = main.Windows().As<frmBurmeseAstrologyMain>(InputOf(Tradition::Burmese));
    EnterBirthDetails(*input->panel, QStringLiteral("AUNG KYAW"), QStringLiteral("April"),
                      QStringLiteral("16"), QStringLiteral("1990"));
    input->cmdGenerateChart_Click();
    auto* display = main.Windows().As<frmBurmeseAstrologyDisplay>(ReadingOf(Tradition::Burmese));
    if (display == nullptr) return;
    display->SSTab1->setCurrentIndex(tab);
    if (tab == 0) display->Frame1->picHouse_MouseMove(5);
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
        {"frmTibetanAstrologySave", ReportOf(Tradition::Tibetan),
         [](Application& program) {
             ShowTibetanReading(program, 0);
             program.MainWindow().Windows().Show(ReportOf(Tradition::Tibetan));
         }},
        {"frmBurmeseAstrologyDisplay-chart", ReadingOf(Tradition::Burmese),
         [](Application& program) { ShowBurmeseChart(program, 0); }},
        {"frmBurmeseAstrologyDisplay-interpretation", ReadingOf(Tradition::Burmese),
         [](Application& program) { ShowBurmeseChart(program, 1); }},
        {"frmBurmeseAstrologySave", ReportOf(Tradition::Burmese),
         [](Application& program) {
             ShowBurmeseChart(program, 1);
             program.MainWindow().Windows().Show(ReportOf(Tradition::Burmese));
         }},
    };
}

}  // namespace oriastra
