#include "TranslationFile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace oriastra {

namespace {

// An element's text; a control character is an element of its own, <byte value="xd"/>.
QString Text(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            bool number = false;
            const uint value = xml.attributes().value(QLatin1String("value")).toUInt(&number, 16);
            if (number) text += QChar(value);
            xml.skipCurrentElement();
        }
    }
    return text;
}

}  // namespace

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
            messages.push_back({context, Text(xml), {}, {}, {}});
        } else if (name == QLatin1String("comment") && !messages.empty()) {
            messages.back().comment = Text(xml);
        } else if (name == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = Text(xml);
        }
    }
    return messages;
}

}  // namespace oriastra
