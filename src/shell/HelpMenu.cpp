#include "shell/HelpMenu.h"

#include <QMenu>
#include <QMenuBar>

#include "shell/frmAbout.h"
#include "shell/modHelp.h"

namespace oriastra {

void AddHelpMenu(QMenuBar& bar, Platform& platform, QWidget& owner, const HelpMenuNames& names) {
    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName("mnuHelp");
    auto add = [&](const char* name, const QString& caption, auto action) {
        QAction* entry = help->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        QObject::connect(entry, &QAction::triggered, &owner, [&platform, action] { action(platform); });
        return entry;
    };
    add("mnuOnline", QStringLiteral("&Online Help"), OpenHelpPage);
    add("mnuVisit", QStringLiteral("&Visit Us Online"), OpenHomePage);
    help->addSeparator();
    QAction* update = help->addAction(names.updateCaption);
    update->setObjectName("mnuUpdate");
    QObject::connect(update, &QAction::triggered, &owner, [&platform] { OpenDownloadPage(platform); });
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName("mnuAbout");
    QObject::connect(about, &QAction::triggered, &owner, [&platform, &owner] {
        frmAbout dialog(platform, &owner);
        dialog.exec();
    });
    QAction* makeMoney = help->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(names.makeMoneyName);
    QObject::connect(makeMoney, &QAction::triggered, &owner,
                     [&platform] { OpenFullBrandPage(platform); });
    makeMoney->setEnabled(false);
}

}  // namespace oriastra
