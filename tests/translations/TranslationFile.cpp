#include "TranslationFile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace oriastra {

std::vector<TranslatedMessage> ReadTranslationFile(const QString& path) {
    std::vector<TranslatedMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            messages.push_back({context, xml.readElementText(), {}, {}});
        } else if (name == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

}  // namespace oriastra
