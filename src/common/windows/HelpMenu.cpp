#include "common/windows/HelpMenu.h"

#include <QCoreApplication>
#include <QMenu>
#include <functional>

#include "common/windows/frmAbout.h"
#include "common/windows/modHelp.h"

namespace oriastra {

QMenu* MakeHelpMenu(Platform& platform, QWidget& owner, std::string_view aboutText,
                    const HelpMenuNames& names) {
    auto* help = new QMenu(QCoreApplication::translate("HelpMenu", "&Help"), &owner);
    help->setObjectName("mnuHelp");
    auto add = [&](const QString& name, const QString& caption, std::function<void()> action) {
        QAction* entry = help->addAction(caption);
        entry->setObjectName(name);
        QObject::connect(entry, &QAction::triggered, &owner, std::move(action));
        return entry;
    };
    add("mnuOnline", QCoreApplication::translate("HelpMenu", "&Online Help"),
        [&platform] { OpenHelpPage(platform); });
    add("mnuVisit", QCoreApplication::translate("HelpMenu", "&Visit Us Online"),
        [&platform] { OpenHomePage(platform); });
    help->addSeparator();
    add("mnuUpdate",
        names.updateCaption.isEmpty()
            ? QCoreApplication::translate("HelpMenu", "Check for Software &Update")
            : names.updateCaption,
        [&platform] { OpenDownloadPage(platform); });
    help->addSeparator();
    add("mnuAbout", QCoreApplication::translate("HelpMenu", "&About Software"),
        [&platform, &owner, aboutText] {
            frmAbout dialog(platform, aboutText, &owner);
            dialog.exec();
        });
    // Switched off, so without its access key: a menu moves to a greyed entry by its letter
    // too, and this one would take the "O" of "&Online Help".
    QAction* makeMoney =
        add(names.makeMoneyName, QCoreApplication::translate("HelpMenu", "Make Money Online"),
            [&platform] { OpenFullBrandPage(platform); });
    makeMoney->setEnabled(false);
    return help;
}

}  // namespace oriastra
