// The menu entry and the program agree on the program's name, so the desktop puts its windows
// under the entry's icon (StartupWMClass against the class the windows carry).
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

#include "common/windows/QtText.h"
#include "registry/logic/TraditionRegistry.h"
#include "shell/windows/Application.h"

namespace oriastra {
namespace {

QString EntryValue(const QString& key) {
    QFile entry(QStringLiteral(ORIASTRA_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    const QString prefix = key + '=';
    for (QString line; !(line = QString::fromUtf8(entry.readLine())).isEmpty();) {
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
    }
    return {};
}

TEST(DesktopEntry, StartupClassIsTheClassTheProgramGivesItsWindows) {
    const QString program = QFileInfo(QStringLiteral(ORIASTRA_PROGRAM_PATH)).fileName();
    EXPECT_EQ(EntryValue(QStringLiteral("StartupWMClass")), program);
    // Files from the file manager come as paths.
    EXPECT_EQ(EntryValue(QStringLiteral("Exec")), program + QStringLiteral(" %F"));

    // Start-up names the application after its executable; X takes the class from that name.
    const QString before = QCoreApplication::applicationName();
    SetProgramIdentity(program);
    EXPECT_EQ(QCoreApplication::applicationName(), program);
    SetProgramIdentity(before);
}

struct RecordType {
    QString glob;
    bool caseSensitive = false;
    QString comment;
    QString icon;
};

// The types of the shared MIME database file, by name.
std::map<QString, RecordType> RecordTypes() {
    QFile file(QStringLiteral(ORIASTRA_MIME_TYPES));
    std::map<QString, RecordType> types;
    if (!file.open(QIODevice::ReadOnly)) return types;
    QXmlStreamReader xml(&file);
    QString current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto attribute = [&](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toString();
        };
        if (xml.name() == u"mime-type") {
            current = attribute("type");
            types[current];
        } else if (xml.name() == u"glob") {
            types[current].glob = attribute("pattern");
            types[current].caseSensitive = attribute("case-sensitive") == u"true";
        } else if (xml.name() == u"icon") {
            types[current].icon = attribute("name");
        } else if (xml.name() == u"comment") {
            types[current].comment = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return types;
}

// Every record the program saves has a type of its own that the entry opens; a name in capitals
// is no record, as Open says.
TEST(DesktopEntry, OpensEveryKindOfRecordTheProgramSaves) {
    const std::map<QString, RecordType> types = RecordTypes();
    QStringList expected;
    for (Tradition tradition : AllTraditions()) {
        if (!tradition->HasReport()) continue;
        const QString name = QStringLiteral("application/x-kestrin-oriastra-") + ToQt(tradition->key);
        expected << name;
        const auto type = types.find(name);
        ASSERT_NE(type, types.end()) << name.toStdString();
        EXPECT_EQ(type->second.glob, QStringLiteral("*.") + ToQt(tradition->extension));
        EXPECT_TRUE(type->second.caseSensitive) << name.toStdString();
        EXPECT_TRUE(type->second.comment.contains(ToQt(tradition->selector.caption).section(' ', 0, 0)))
            << type->second.comment.toStdString();
        EXPECT_EQ(type->second.icon, EntryValue(QStringLiteral("Icon")));
    }
    EXPECT_EQ(types.size(), static_cast<std::size_t>(expected.size()));
    EXPECT_EQ(EntryValue(QStringLiteral("MimeType")), expected.join(';') + ';');
}

}  // namespace
}  // namespace oriastra
