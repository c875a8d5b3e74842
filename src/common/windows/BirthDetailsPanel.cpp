#include "common/windows/BirthDetailsPanel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/logic/BirthDetails.h"
#include "common/logic/Months.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/Platform.h"
#include "common/windows/QtText.h"
#include "common/windows/Translations.h"

namespace oriastra {

namespace {

QComboBox* MakeList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    return list;
}

void Select(QComboBox& list, const QString& text) {
    const int index = list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) list.setCurrentIndex(index);
}

}  // namespace

BirthDetailsPanel::BirthDetailsPanel(const PanelRules& rules, Platform& platform, QWidget* parent)
    : QGroupBox(tr("Personal Details"), parent), rules_(rules), platform_(platform) {
    setObjectName("fraPersonalDetails");
    nameLabel = new QLabel(tr("Name"), this);
    nameLabel->setObjectName("Label1(0)");
    txtName = new QLineEdit(this);
    txtName->setObjectName("txtName");
    txtName->setMinimumWidth(260);
    dateLabel = new QLabel(tr("Date of Birth"), this);
    dateLabel->setObjectName("Label1(1)");
    cboMonth = MakeList("cboMonth", this);
    cboDate = MakeList("cboDate", this);
    cboYear = MakeList("cboYear", this);
    cboMonth->setMinimumContentsLength(9);
    cboDate->setMinimumContentsLength(2);
    cboYear->setMinimumContentsLength(4);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(dateLabel, 1, 0);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    lists->addWidget(cboMonth, 3);
    lists->addWidget(cboDate, 1);
    lists->addWidget(cboYear, 2);
    grid->addLayout(lists, 1, 1);

    if (rules_.asksSex) {
        Label2 = new QLabel(tr("Sex"), this);
        Label2->setObjectName("Label2");
        optMale = new QRadioButton(TranslatedQt("BirthDetails", kMale), this);
        optMale->setObjectName("optMale");
        optFemale = new QRadioButton(TranslatedQt("BirthDetails", kFemale), this);
        optFemale->setObjectName("optFemale");
        auto* group = new QButtonGroup(this);
        group->addButton(optMale);
        group->addButton(optFemale);
        auto* sexes = new QHBoxLayout;
        sexes->addWidget(optMale);
        sexes->addWidget(optFemale);
        sexes->addStretch();
        grid->addWidget(Label2, 2, 0);
        grid->addLayout(sexes, 2, 1);
        setTabOrder(cboYear, optMale);
        setTabOrder(optMale, optFemale);
    }
    NameControls();
    setTabOrder(txtName, cboMonth);
    setTabOrder(cboMonth, cboDate);
    setTabOrder(cboDate, cboYear);
    if (rules_.lettersOnlyName) txtName->installEventFilter(this);
}

void BirthDetailsPanel::NameControls() {
    // Each caption is its input's buddy, so assistive technology relates the two; the inputs
    // carry the names a screen reader says when the focus reaches them.
    nameLabel->setBuddy(txtName);
    SetAccessibleText(*txtName, tr("Name"), tr("The name of the person the reading is for"));
    dateLabel->setBuddy(cboMonth);
    SetAccessibleText(*cboMonth, tr("Month of birth"), tr("Date of Birth: the month"));
    SetAccessibleText(*cboDate, tr("Day of birth"), tr("Date of Birth: the day of the month"));
    SetAccessibleText(*cboYear, tr("Year of birth"), tr("Date of Birth: the year"));
    if (Label2 == nullptr) return;
    Label2->setBuddy(optMale);
    for (QRadioButton* option : {optMale, optFemale}) {
        option->setAccessibleDescription(tr("Sex"));
    }
}

void BirthDetailsPanel::FillLists(FillOrder order) {
    auto fillMonths = [this] {
        cboMonth->clear();
        for (std::string_view month : kMonthNames) cboMonth->addItem(TranslatedQt("Months", month));
    };
    auto fillDays = [this] {
        cboDate->clear();
        for (const std::string& day : DayListEntries()) cboDate->addItem(ToQt(day));
    };
    if (order == FillOrder::DayMonthYear) {
        fillDays();
        fillMonths();
    } else {
        fillMonths();
        fillDays();
    }
    cboYear->clear();
    for (const std::string& year : YearListEntries(rules_)) cboYear->addItem(ToQt(year));
    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    txtName->clear();
    if (optMale != nullptr) {
        // Neither option chosen: the group must let go of both before unchecking.
        auto* group = optMale->group();
        if (group != nullptr) group->setExclusive(false);
        optMale->setChecked(false);
        optFemale->setChecked(false);
        if (group != nullptr) group->setExclusive(true);
    }
}

PanelEntries BirthDetailsPanel::Entries() const {
    PanelEntries entries;
    entries.name = FromQt(txtName->text());
    entries.monthPosition = cboMonth->currentIndex();
    entries.dayPosition = cboDate->currentIndex();
    entries.yearText = FromQt(cboYear->currentText());
    entries.maleSelected = optMale != nullptr && optMale->isChecked();
    entries.femaleSelected = optFemale != nullptr && optFemale->isChecked();
    return entries;
}

bool BirthDetailsPanel::Validate() {
    const auto failure = ValidateBirthDetails(rules_, Entries());
    if (!failure) return true;
    platform_.MessageBox(TranslatedQt("Messages", failure->message), MessageButtons::Ok,
                         failure->icon);
    if (failure->focusName) txtName->setFocus(Qt::OtherFocusReason);
    return false;
}

BirthDetails BirthDetailsPanel::Store() const { return StoreBirthDetails(rules_, Entries()); }

void BirthDetailsPanel::SetEntries(const PanelEntries& entries) {
    // Only a changed name is written, so the name box keeps its caret and undo otherwise.
    if (txtName->text() != ToQt(entries.name)) txtName->setText(ToQt(entries.name));
    cboMonth->setCurrentIndex(entries.monthPosition);
    cboDate->setCurrentIndex(entries.dayPosition);
    Select(*cboYear, ToQt(entries.yearText));
    if (optMale != nullptr && (entries.maleSelected || entries.femaleSelected)) {
        (entries.maleSelected ? optMale : optFemale)->setChecked(true);
    }
}

bool BirthDetailsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtName || event->type() != QEvent::KeyPress) {
        return QGroupBox::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Only typed characters are filtered; cursor keys, Delete (which X11 gives the text DEL),
    // shortcuts (paste among them) and Tab, which moves the focus on, are not.
    if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0 ||
        key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete) {
        return false;
    }
    const char32_t typed = text.toUcs4().value(0);
    const NameKeyResult result = FilterLettersOnlyKey(typed);
    if (result.verdict == NameKeyVerdict::Refuse) {
        platform_.MessageBox(TranslatedQt("Messages", kMessageOnlyAlphabet), MessageButtons::Ok,
                             MessageIcon::None);
        return true;
    }
    if (result.key != typed) {
        txtName->insert(QString::fromUcs4(&result.key, 1));
        return true;
    }
    return false;
}

}  // namespace oriastra
