// The window tests' frame, with the windows speaking Indonesian for the whole run.
#include <QLocale>

#include "WindowTest.h"
#include "common/windows/Translations.h"

int main(int argc, char** argv) {
    return oriastra::RunWindowTests(argc, argv, QStringLiteral("oriastra-translation-tests"), [] {
        QLocale::setDefault(QLocale(QStringLiteral("id")));
        return oriastra::LoadTranslations();
    });
}
