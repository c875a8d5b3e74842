#pragma once
#include <QString>
#include <string_view>

namespace oriastra {

// Installs the translations for the language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG): the toolkit's own for its dialogs (or the program's words for them, where the toolkit
// has none), and the program's, which the logic's texts then follow too. English, or a language
// without a translation, installs nothing. Returns whether the program's translation was found.
bool LoadTranslations();

// A text of the logic, marked there under `context`, in the windows' language.
QString TranslatedQt(const char* context, std::string_view english);

}  // namespace oriastra
