#include "ExampleReading.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "common/logic/Months.h"
#include "common/windows/InputWindow.h"
#include "common/windows/QtText.h"
#include "common/windows/WindowRegistry.h"
#include "shell/windows/frmMDI.h"

namespace oriastra {

InputWindow* OpenInput(frmMDI& main, Tradition tradition) {
    main.cmdSelectOption_Click(tradition->selector.index);
    return main.Windows().As<InputWindow>(InputOf(tradition));
}

ChildWindow* ShowExampleReading(frmMDI& main, Tradition tradition) {
    InputWindow* input = OpenInput(main, tradition);
    if (input == nullptr) return nullptr;
    const ExamplePerson& person = tradition->example;
    BirthDetailsPanel& panel = *input->panel;
    panel.txtName->setText(ToQt(person.name));
    // By position: the list shows the months in the windows' language.
    panel.cboMonth->setCurrentIndex(MonthIndex(person.month).value_or(0));
    panel.cboDate->setCurrentText(ToQt(person.day));
    panel.cboYear->setCurrentText(ToQt(person.year));
    if (panel.optFemale != nullptr) panel.optFemale->setChecked(true);
    input->Calculate();
    return main.Windows().Window(ReadingOf(tradition));
}

}  // namespace oriastra
