#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// Marks an English text for the translation tools where it is written, under a context that
// groups it with its neighbours. The English text is its own key, so nothing is looked up until
// the text is shown.
#define ORIASTRA_TEXT(context, text) text

namespace oriastra {

// Answers a text in the language the windows speak. The answer must live for the rest of the
// run, as readings keep views of their texts.
using TextTranslator = std::string_view (*)(const char* context, std::string_view english);

// Set once, before the first window, by a program that speaks another language than English.
void SetTextTranslator(TextTranslator translator);

// The text in the windows' language; the English text itself while no translator is set, which
// is what the command line always gets. The translation tools read literal arguments as marked.
std::string_view Translated(const char* context, std::string_view english);

// The pattern with %1, %2 ... %9 replaced by the values in order, so that a translation can put
// them where its language wants them. A number without a value stays as it is.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace oriastra
