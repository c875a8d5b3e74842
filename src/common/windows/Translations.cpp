#include "common/windows/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <unordered_map>

#include "common/logic/TranslatedText.h"
#include "common/windows/QtText.h"

// The translations are compiled into a static library, so their registration must be asked for.
static void RegisterTranslations() { Q_INIT_RESOURCE(translations); }

namespace oriastra {

namespace {

// Each answer is kept, so the views the logic hands on stay valid for the run.
std::string_view AnswerFromQt(const char* context, std::string_view english) {
    static std::unordered_map<std::string, std::string> answers;
    std::string key(context);
    key += '\0';
    key += english;
    auto found = answers.find(key);
    if (found == answers.end()) {
        const std::string source(english);
        found = answers
                    .emplace(std::move(key),
                             QCoreApplication::translate(context, source.c_str()).toStdString())
                    .first;
    }
    return found->second;
}

bool Install(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QLocale(), name, QStringLiteral("_"), folder)) return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

}  // namespace

bool LoadTranslations() {
    RegisterTranslations();
    const QString own = QStringLiteral(":/translations");
    // The last installed is asked first: the program's texts, then its words for the toolkit's
    // dialogs where the toolkit has none of its own, then the toolkit's.
    Install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(QStringLiteral("toolkit"), own);
    if (!Install(QStringLiteral("oriastra"), own)) return false;
    SetTextTranslator(AnswerFromQt);
    return true;
}

QString TranslatedQt(const char* context, std::string_view english) {
    return ToQt(Translated(context, english));
}

}  // namespace oriastra
