// The toolkit's own words in the program's windows: the buttons of its message boxes, the menu
// of a window inside the main window, the scroll buttons of a row of tabs. The toolkit looks
// them up itself, under its own contexts; listing them here puts them in the program's
// translations, for languages the toolkit ships no translation of (Indonesian among them).
#include <QtGlobal>

namespace oriastra {

[[maybe_unused]] constexpr const char* kToolkitTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "&Restore"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "&Move"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "&Size"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "Mi&nimize"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "Ma&ximize"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "Stay on &Top"),
    QT_TRANSLATE_NOOP("QMdiSubWindow", "&Close"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Right"),
};

}  // namespace oriastra
