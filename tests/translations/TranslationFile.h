#pragma once
#include <QString>
#include <vector>

namespace oriastra {

// One message of a translation source (.ts) file.
struct TranslatedMessage {
    QString context;
    QString source;
    QString comment;  // tells apart two texts with the same source
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete", or empty when done
};

// The messages of a .ts file, in file order; empty when it cannot be read.
std::vector<TranslatedMessage> ReadTranslationFile(const QString& path);

}  // namespace oriastra
