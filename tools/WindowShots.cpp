#include "WindowShots.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "burmese/windows/BurmeseChartFrame.h"
#include "burmese/windows/frmBurmeseAstrologyDisplay.h"
#include "common/windows/ChildWindow.h"
#include "common/windows/InputWindow.h"
#include "common/windows/WindowRegistry.h"
#include "shell/windows/Application.h"
#include "shell/windows/frmMDI.h"
#include "tibetan/windows/frmTibetanAstrologyDisplay.h"

namespace oriastra {

namespace {

// One sample person per tradition.
struct Sample {
    Tradition tradition;
    const char* name;
    const char* month;
    const char* day;
    const char* year;
};

constexpr Sample kSamples[] = {
    {Tradition::African, "Amara Okafor", "April", "20", "1984"},
    // The longest Arabic description (Leo), with both pictures.
    {Tradition::Arabic, "Layla Haddad", "August", "2", "1984"},
    {Tradition::Burmese, "AUNG KYAW", "April", "16", "1990"},
    {Tradition::Indonesian, "Sri Wahyuni", "August", "17", "1945"},
    {Tradition::Tibetan, "Tenzin Dolma", "August", "21", "1988"},
};

const Sample& SampleOf(Tradition tradition) {
    return kSamples[static_cast<std::size_t>(tradition)];
}

InputWindow* OpenInput(Application& program, Tradition tradition) {
    program.MainWindow().cmdSelectOption_Click(static_cast<int>(tradition));
    return program.MainWindow().Windows().As<InputWindow>(InputOf(tradition));
}

WindowShot InputShot(const char* shotName, Tradition tradition) {
    return {QString::fromLatin1(shotName), InputOf(tradition), [tradition](Application& program) {
                if (InputWindow* input = OpenInput(program, tradition)) {
                    input->panel->txtName->setText(QString::fromUtf8(SampleOf(tradition).name));
                }
            }};
}

// The sample person's reading, through the window's own Calculate step.
void ShowReading(Application& program, Tradition tradition) {
    InputWindow* input = OpenInput(program, tradition);
    if (input == nullptr) return;
    const Sample& sample = SampleOf(tradition);
    BirthDetailsPanel& panel = *input->panel;
    panel.txtName->setText(QString::fromUtf8(sample.name));
    panel.cboMonth->setCurrentText(QString::fromLatin1(sample.month));
    panel.cboDate->setCurrentText(QString::fromLatin1(sample.day));
    panel.cboYear->setCurrentText(QString::fromLatin1(sample.year));
    if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
    input->Calculate();
}

WindowShot ReadingShot(const char* shotName, Tradition tradition) {
    return {QString::fromLatin1(shotName), ReadingOf(tradition),
            [tradition](Application& program) { ShowReading(program, tradition); }};
}

WindowShot ReportShot(const char* shotName, Tradition tradition) {
    return {QString::fromLatin1(shotName), ReportOf(tradition), [tradition](Application& program) {
                ShowReading(program, tradition);
                program.MainWindow().Windows().Show(ReportOf(tradition));
            }};
}

WindowShot TibetanTabShot(const char* shotName, int tab) {
    return {QString::fromLatin1(shotName), ReadingOf(Tradition::Tibetan),
            [tab](Application& program) {
                ShowReading(program, Tradition::Tibetan);
                if (auto* display = program.MainWindow().Windows().As<frmTibetanAstrologyDisplay>(
                        ReadingOf(Tradition::Tibetan))) {
                    display->TS->setCurrentIndex(tab);
                }
            }};
}

// On the chart tab the pointer rests on house 5.
WindowShot BurmeseTabShot(const char* shotName, int tab) {
    return {QString::fromLatin1(shotName), ReadingOf(Tradition::Burmese),
            [tab](Application& program) {
                ShowReading(program, Tradition::Burmese);
                auto* display = program.MainWindow().Windows().As<frmBurmeseAstrologyDisplay>(
                    ReadingOf(Tradition::Burmese));
                if (display == nullptr) return;
                display->SSTab1->setCurrentIndex(tab);
                if (tab == 0) display->Frame1->picHouse_MouseMove(5);
            }};
}

}  // namespace

std::vector<WindowShot> WindowShots() {
    return {
        InputShot("frmTibetanAstrologyMain", Tradition::Tibetan),
        InputShot("frmIndonesianAstrologyMain", Tradition::Indonesian),
        InputShot("frmBurmeseAstrologyMain", Tradition::Burmese),
        InputShot("frmArabicAstrologyMain", Tradition::Arabic),
        InputShot("frmAfricanAstrologyMain", Tradition::African),
        TibetanTabShot("frmTibetanAstrologyDisplay-tab1", 0),
        TibetanTabShot("frmTibetanAstrologyDisplay-tab2", 1),
        TibetanTabShot("frmTibetanAstrologyDisplay-tab3", 2),
        ReportShot("frmTibetanAstrologySave", Tradition::Tibetan),
        BurmeseTabShot("frmBurmeseAstrologyDisplay-chart", 0),
        BurmeseTabShot("frmBurmeseAstrologyDisplay-interpretation", 1),
        ReportShot("frmBurmeseAstrologySave", Tradition::Burmese),
        ReadingShot("frmIndonesianAstrologyDisplay", Tradition::Indonesian),
        ReportShot("frmIndonesianAstrologySave", Tradition::Indonesian),
        ReadingShot("frmArabicAstrologyDisplay", Tradition::Arabic),
        ReadingShot("frmAfricanAstrologyDisplay", Tradition::African),
        ReportShot("frmAfricanAstrologySave", Tradition::African),
    };
}

}  // namespace oriastra
