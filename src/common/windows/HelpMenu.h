#pragma once
#include <QString>
#include <string_view>

class QMenu;
class QWidget;

namespace oriastra {

class Platform;

struct HelpMenuNames {
    QString updateCaption;  // empty: "Check for Software &Update"
    QString makeMoneyName = QStringLiteral("mnuMakeMoney");
};

// The "&Help" menu every main, input and reading window carries, owned by `owner`. "Make Money
// Online" is created switched off (shown greyed, no access key) and nothing switches it on.
// `aboutText` is what the About window says.
QMenu* MakeHelpMenu(Platform& platform, QWidget& owner, std::string_view aboutText,
                    const HelpMenuNames& names = {});

}  // namespace oriastra
