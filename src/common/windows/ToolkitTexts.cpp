// The toolkit's own words on the buttons of the program's message boxes. The toolkit looks them
// up itself, under its own context; listing them here puts them in the program's translations,
// for languages the toolkit ships no translation of (Indonesian among them).
#include <QtGlobal>

namespace oriastra {

[[maybe_unused]] constexpr const char* kMessageBoxButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

}  // namespace oriastra
