#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ShownTexts.h"
#include "WindowTest.h"

namespace oriastra {
namespace {

class CaptionsFit : public WindowTest {};

TEST(CaptionsThatDoNotFit, FindsEachKindOfControlTooSmallForItsCaption) {
    const QString caption = QStringLiteral("A caption of some length for its control");
    struct Case {
        const char* what;
        std::function<QWidget*(QWidget*)> make;
        bool fits;
    };
    const Case cases[] = {
        {"button at its size", [&](QWidget* p) { return new QPushButton(caption, p); }, true},
        {"narrow button", [&](QWidget* p) { return new QPushButton(caption, p); }, false},
        {"radio at its size", [&](QWidget* p) { return new QRadioButton(caption, p); }, true},
        {"narrow radio", [&](QWidget* p) { return new QRadioButton(caption, p); }, false},
        {"label at its size", [&](QWidget* p) { return new QLabel(caption, p); }, true},
        {"narrow label", [&](QWidget* p) { return new QLabel(caption, p); }, false},
        {"narrow wrapped label, tall enough",
         [&](QWidget* p) {
             auto* label = new QLabel(caption, p);
             label->setWordWrap(true);
             label->setFixedHeight(label->heightForWidth(60) + 4);
             return label;
         },
         true},
        {"narrow wrapped label, one line high",
         [&](QWidget* p) {
             auto* label = new QLabel(caption, p);
             label->setWordWrap(true);
             label->setFixedHeight(label->fontMetrics().height());
             return label;
         },
         false},
        {"narrow group box", [&](QWidget* p) { return new QGroupBox(caption, p); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget window;
        QWidget* control = c.make(&window);
        const bool narrow = QString::fromLatin1(c.what).contains(QStringLiteral("narrow"));
        control->resize(narrow ? 60 : control->sizeHint().width(),
                        control->maximumHeight() < QWIDGETSIZE_MAX ? control->maximumHeight()
                                                                   : control->sizeHint().height());
        window.show();
        EXPECT_EQ(CaptionsThatDoNotFit(window).isEmpty(), c.fits);
    }
}

// The same check runs on the Indonesian windows, whose captions run longer.
TEST_F(CaptionsFit, EveryEnglishCaptionFitsItsControl) {
    Start();
    int windows = 0;
    VisitEveryWindow(*program_, platform, [&windows](const QWidget& root) {
        ++windows;
        const QStringList faults = CaptionsThatDoNotFit(root);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n")).toStdString();
    });
    EXPECT_GT(windows, 10);
}

}  // namespace
}  // namespace oriastra
