#include "MonkeyFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <random>
#include <system_error>

#include "MonkeyDice.h"

namespace oriastra {

namespace {

// Code page 1252 from 0x80 to 0x9F; its five unassigned codes stand for themselves.
constexpr std::array<char32_t, 32> kCodes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int kShift = 85;
constexpr int kHighestKept = 255 - kShift;  // 170
constexpr qsizetype kLongestValue = 32767;

std::optional<int> CodeOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<int>(character);
    }
    for (std::size_t index = 0; index < kCodes80To9F.size(); ++index) {
        if (kCodes80To9F[index] == character) return 0x80 + static_cast<int>(index);
    }
    return std::nullopt;
}

char32_t CharacterOf(int code) {
    return code >= 0x80 && code < 0xA0 ? kCodes80To9F[static_cast<std::size_t>(code - 0x80)]
                                       : static_cast<char32_t>(code);
}

// What a saved value reads back as: a character outside the code page comes back as "?", one
// whose code is above 170 is lost, and a value too long for a record line reads as nothing.
QString AsReadBack(const QString& value) {
    const QList<uint> characters = value.toUcs4();
    if (characters.size() > kLongestValue) return {};
    QString readBack;
    for (uint character : characters) {
        const std::optional<int> code = CodeOf(character);
        if (!code) {
            readBack += QLatin1Char('?');
        } else if (*code <= kHighestKept) {
            const auto kept = static_cast<char32_t>(character);
            readBack += QString::fromUcs4(&kept, 1);
        }
    }
    return readBack;
}

QByteArray Encoded(const QString& value) {
    QByteArray bytes;
    for (uint character : value.toUcs4()) {
        const int code = CodeOf(character).value_or('?');
        if (code <= kHighestKept) bytes += static_cast<char>(code + kShift);
    }
    return bytes;
}

QByteArray Record(const QStringList& lines, const char* end = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines) bytes += Encoded(line) + end;
    return bytes;
}

// A record file's lines as a reader of the format sees them, or why they cannot be.
std::optional<QStringList> Decoded(const QByteArray& bytes, std::string& why) {
    QStringList lines;
    QString line;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        const auto byte = static_cast<unsigned char>(bytes[index]);
        if (byte == '\r') {
            if (index + 1 >= bytes.size() || bytes[index + 1] != '\n') {
                why = "a carriage return without its line feed";
                return std::nullopt;
            }
            lines.push_back(line);
            line.clear();
            ++index;
        } else if (byte < kShift) {
            why = "byte " + std::to_string(byte) + " cannot come from the encoding";
            return std::nullopt;
        } else {
            const char32_t character = CharacterOf(byte - kShift);
            line += QString::fromUcs4(&character, 1);
        }
    }
    if (!line.isEmpty()) {
        why = "the last line has no CR LF";
        return std::nullopt;
    }
    return lines;
}

enum class Field { Name, Sex, Day, Month, Year, Answer };

// The line order of each tradition's record file.
const std::map<QString, std::vector<Field>>& Layouts() {
    using enum Field;
    static const std::map<QString, std::vector<Field>> layouts = {
        {QStringLiteral("tib"), {Name, Sex, Day, Month, Year}},
        {QStringLiteral("bur"), {Name, Day, Month, Year, Answer}},
        {QStringLiteral("jav"), {Name, Day, Month, Year}},
        {QStringLiteral("afa"), {Name, Day, Month, Year}}};
    return layouts;
}

QString Shown(const QString& text) {
    return text.size() <= 60 ? text
                             : text.left(60) + QStringLiteral("… (%1 long)").arg(text.size());
}

}  // namespace

MonkeyFiles::MonkeyFiles(const QString& root) : root_(root) {
    QDir().mkpath(root_);
    const QStringList tibetan = {"ASHA", "Female", "5", "March", "1980"};
    const QStringList burmese = {"JOHN", "5", "January", "1990", "True"};
    const QStringList weton = {"SRI", "17", "August", "1945"};
    const QStringList numerology = {"x", "y", "z", "March", "21", "1975"};
    Craft("reading.txt", Record(tibetan));
    Craft("upper.TIB", Record(tibetan));
    Craft("upper.BUR", Record(burmese));
    Craft("upper.JAV", Record(weton));
    Craft("upper.AFA", Record(weton));
    Craft("upper.NUM", Record(numerology));
    Craft("savedtib", Record(tibetan));
    Craft("numerology.num", Record(numerology));
    Craft("leap.tib", Record({"LEAP", "Female", "29", "February", "1932"}));
    Craft("wednesday.bur", Record({"WEDNESDAY", "3", "January", "1990", "True"}));
    Craft("wednesday-odd.bur", Record({"WEDNESDAY", "3", "January", "1990", "yes"}));
    Craft("short.tib", Record({"DAWA", "Male"}));
    Craft("short.bur", Record({"JOHN"}));
    Craft("short.num", Record({"a", "b", "c", "July"}));
    Craft("empty.jav", {});
    Craft("unended.afa", Encoded("AMARA"));
    Craft("lf.tib", Record(tibetan, "\n"));
    Craft("extra.jav", Record(weton + weton + weton));
    Craft("odd.tib", Record({"<b>Ann & Co", "male", "40", "january", "1800"}));
    Craft("odd.bur", Record({"ZED", "29", "February", "2001", "maybe"}));
    Craft("codepage.afa", Record({QString::fromUtf8("€uro © ‰"), "31", "December", "2016"}));
    Craft("huge.tib", Record({QString(100000, 'Z'), "Male", "1", "January", "1950"}));
    Craft("huge.num", Record({"a", QString(50000, 'x'), "c", "May", "17", "1960"}));
    // Longer than a record file is ever read.
    Craft("endless.jav", QByteArray(9 * 1024 * 1024, static_cast<char>('A' + kShift)));
    std::mt19937 junk(13);
    for (const char* name : {"junk.tib", "junk.bur", "junk.jav", "junk.afa", "junk.num"}) {
        QByteArray bytes(2048, '\0');
        for (char& byte : bytes) byte = static_cast<char>(junk() & 0xFF);
        Craft(name, bytes);
    }
    for (const char* folder : {"folder.tib", "plain folder"}) {
        QDir(root_).mkpath(folder);
        folders_.insert(Path(folder));
    }
    missing_ = {Path("missing.bur"), Path("nowhere/reading.tib")};
}

void MonkeyFiles::Craft(const QString& name, const QByteArray& bytes) {
    originals_[Path(name)] = bytes;
    PutBack(Path(name));
}

void MonkeyFiles::PutBack(const QString& path) {
    if (crafted_.count(path) != 0) return;
    const QByteArray& bytes = originals_.at(path);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    crafted_[path] = bytes;
    saved_.erase(path);
    verified_.erase(path);
}

std::string MonkeyFiles::Relative(const QString& path) const {
    return QDir(root_).relativeFilePath(path).toStdString();
}

// One of `entries` (the keys of a map), chosen by the dice; `entries` holds at least one.
template <typename Entries>
QString AnyOf(MonkeyDice& dice, const Entries& entries) {
    auto entry = entries.begin();
    std::advance(entry, dice.Below(static_cast<int>(entries.size())));
    if constexpr (requires { entry->first; }) {
        return entry->first;
    } else {
        return *entry;
    }
}

MonkeyFiles::Answer MonkeyFiles::Named(const QString& path, const std::string& kind) const {
    return {path, kind + " " + Relative(path)};
}

MonkeyFiles::Answer MonkeyFiles::ForOpen(MonkeyDice& dice) {
    const int roll = dice.Below(20);
    if (roll < 2) return {std::nullopt, "cancel"};
    if (roll < 3) return {QString(), "an empty path"};
    if (roll < 4) return Named(AnyOf(dice, missing_), "missing");
    if (roll < 5) return Named(AnyOf(dice, folders_), "folder");
    if (roll < 12 && !saved_.empty()) return Named(AnyOf(dice, saved_), "saved");
    // A crafted file that a save has overwritten is put back first, so none is ever lost.
    const QString crafted = AnyOf(dice, originals_);
    PutBack(crafted);
    return Named(crafted, "crafted");
}

MonkeyFiles::Answer MonkeyFiles::ForSave(MonkeyDice& dice, const QString& extension) {
    const int roll = dice.Below(20);
    if (roll < 3) return {std::nullopt, "cancel"};
    if (roll < 4) return {QString(), "an empty path"};
    if (roll < 5) return {Path("nowhere/new." + extension), "a folder that does not exist"};
    if (roll < 6) return Named(AnyOf(dice, folders_), "folder");
    if (roll < 9 && !saved_.empty()) return Named(AnyOf(dice, saved_), "over saved");
    if (roll < 10 && !crafted_.empty()) return Named(AnyOf(dice, crafted_), "over crafted");
    const int number = nextSave_++;
    QString name;
    if (roll < 11) {
        name = QStringLiteral("save %1").arg(number);  // the dialog would add no extension
    } else if (roll < 12) {
        name = QString::fromUtf8("sävé ünï %1.").arg(number) + extension;
    } else {
        name = QStringLiteral("save-%1.").arg(number) + extension;
    }
    return {Path(name), "new " + name.toStdString()};
}

void MonkeyFiles::ExpectSaved(const QString& path, const QString& extension,
                              const SavedDetails& details) {
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir() || !target.absoluteDir().exists()) return;
    const auto layout = Layouts().find(extension);
    if (layout == Layouts().end()) return;
    auto value = [&details](Field field) {
        switch (field) {
            case Field::Name:
                return QString::fromStdString(details.name);
            case Field::Sex:
                return QString::fromStdString(details.sex);
            case Field::Day:
                return QString::number(details.day);
            case Field::Month:
                return QString::fromStdString(details.month);
            case Field::Year:
                return QString::number(details.year);
            case Field::Answer:
                return QString::fromStdString(details.answer);
        }
        return QString();
    };
    QStringList lines;
    for (Field field : layout->second) lines.push_back(AsReadBack(value(field)));
    // A name the record's code cannot hold is kept whole on a line of its own after the others.
    const QString name = value(Field::Name);
    const bool hasName = std::find(layout->second.begin(), layout->second.end(), Field::Name) !=
                         layout->second.end();
    if (hasName && AsReadBack(name) != name) {
        lines.push_back(
            AsReadBack(QStringLiteral("UTF8:") + QString::fromLatin1(name.toUtf8().toBase64())));
    }
    crafted_.erase(path);
    saved_[path] = lines;
    verified_.erase(path);
}

std::optional<std::string> MonkeyFiles::Verify(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "cannot be read";
    const QByteArray bytes = file.readAll();
    if (const auto crafted = crafted_.find(path); crafted != crafted_.end()) {
        if (bytes != crafted->second) return "was crafted and has changed";
        return std::nullopt;
    }
    const auto saved = saved_.find(path);
    if (saved == saved_.end()) return "was written and nobody asked for it";
    std::string why;
    const auto lines = Decoded(bytes, why);
    if (!lines) return "does not decode: " + why;
    if (*lines != saved->second) {
        std::string shown = "reads back as {";
        for (const QString& line : *lines) shown += '"' + Shown(line).toStdString() + "\" ";
        shown += "} instead of {";
        for (const QString& line : saved->second) shown += '"' + Shown(line).toStdString() + "\" ";
        return shown + "}";
    }
    return std::nullopt;
}

std::vector<std::string> MonkeyFiles::Check() {
    std::vector<std::string> broken;
    std::set<QString> present;
    QDirIterator entries(root_,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        present.insert(path);
        if (entries.fileInfo().isDir()) {
            if (folders_.count(path) == 0) broken.push_back("a folder appeared: " + Relative(path));
            continue;
        }
        std::error_code error;
        const std::filesystem::path file = path.toStdString();
        const Stamp stamp{std::filesystem::file_size(file, error),
                          std::filesystem::last_write_time(file, error)};
        if (const auto known = verified_.find(path);
            known != verified_.end() && known->second == stamp) {
            continue;
        }
        if (const auto wrong = Verify(path)) {
            broken.push_back("file " + Relative(path) + " " + *wrong);
        } else {
            verified_[path] = stamp;
        }
    }
    auto mustBeThere = [&](const QString& path) {
        if (present.count(path) == 0) broken.push_back("file " + Relative(path) + " is gone");
    };
    for (const auto& [path, bytes] : crafted_) mustBeThere(path);
    for (const auto& [path, lines] : saved_) mustBeThere(path);
    for (const QString& folder : folders_) mustBeThere(folder);
    return broken;
}

}  // namespace oriastra
