#include "common/windows/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/logic/BannerCaptions.h"
#include "common/logic/TranslatedText.h"
#include "common/logic/WebPages.h"
#include "common/windows/AccessibleText.h"
#include "common/windows/BannerLabel.h"
#include "common/windows/BrandFrame.h"
#include "common/windows/PlainLabel.h"
#include "common/windows/QtText.h"
#include "common/windows/SvgPicture.h"
#include "common/windows/Translations.h"
#include "common/windows/WindowStyle.h"

namespace oriastra {

namespace {
constexpr int kTextWidth = 444;

QLabel* MakeText(const char* name, const QString& text, QWidget* parent) {
    QLabel* label = PlainLabel(QString::fromLatin1(name), text, parent);
    label->setWordWrap(true);
    return label;
}
}  // namespace

frmAbout::frmAbout(Platform& platform, std::string_view text, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmAbout");
    setStyleSheet(DialogStyle());
    setWindowTitle(ToQt(kProgramTitle));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setFixedSize(32, 32);
    Picture1->setPixmap(
        SvgPixmap(QStringLiteral(":/frmAbout/about.svg"), 32, Picture1->devicePixelRatioF()));
    SetAccessibleText(*Picture1, tr("Kestrin Oriastra icon"), tr("The program's icon"));

    Label2 = MakeText("Label2", ToQt(kProgramTitle), this);
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label2->setFont(heading);
    Label1 = MakeText("Label1", TranslatedQt("Traditions", text), this);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    Label3 = MakeText("Label3",
                      tr("Home Business Opportunity. Start your own Internet business "
                         "and make money online. Get this software fully branded for "
                         "your website. "),
                      this);
    lblCoBrand = MakeFullBrandLabel(
        "lblCoBrand", Translated("Banners", "Click here for more details."), platform, this);
    lblCoBrand->setWordWrap(false);
    lblHomePage = MakeSponsorLabel("lblHomePage", AboutHomePageCaption(), platform, this);
    lblHomePage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // One line: the address fits the dialog's width and must not break.
    lblHomePage->setWordWrap(false);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setAccessibleDescription(tr("Closes this window"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(Label2, 1, Qt::AlignVCenter);
    auto* offer = new QVBoxLayout;
    offer->setSpacing(2);
    offer->addWidget(Label3);
    offer->addWidget(lblCoBrand);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(Label1);
    layout->addWidget(Line1);
    layout->addLayout(offer);
    layout->addWidget(lblHomePage);
    layout->addLayout(buttons);
    // Wrapped texts get a fixed width, so the dialog's height follows their real line count.
    for (QLabel* text : {Label1, Label3, lblHomePage}) text->setFixedWidth(kTextWidth);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Enter and Escape close the window at once; the links follow OK in Tab order.
    PutLinksLastInTabOrder(*this);
    cmdOK->setFocus(Qt::OtherFocusReason);
}

}  // namespace oriastra
