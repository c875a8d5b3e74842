#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace oriastra {

class MonkeyDice;

// The birth details a record was saved from, as the program held them at the save.
struct SavedDetails {
    std::string name;
    std::string sex;
    int day = 0;
    std::string month;
    int year = 0;
    std::string answer;  // the Burmese afternoon answer
};

// The files a random user hands to the file dialogs: records saved earlier and crafted ones
// (wrong or upper-case extensions, short files, binary junk, huge lines, a folder, paths that do
// not exist), and the ledger of what the program wrote, read back without the program's code.
class MonkeyFiles {
public:
    explicit MonkeyFiles(const QString& root);

    struct Answer {
        std::optional<QString> path;  // nothing: the dialog is cancelled
        std::string what;
    };
    Answer ForOpen(MonkeyDice& dice);
    Answer ForSave(MonkeyDice& dice, const QString& extension);

    // The program was handed `path` to save a record of `details` with the layout of
    // `extension`'s tradition. Where a file can be written there, it must hold that record.
    void ExpectSaved(const QString& path, const QString& extension, const SavedDetails& details);

    // Every entry of the folder is a crafted one, unchanged, or a saved record that reads back
    // as its details; nothing else is there (no temporary file left behind) and nothing is gone.
    std::vector<std::string> Check();

    int SavedCount() const { return static_cast<int>(saved_.size()); }

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    void Craft(const QString& name, const QByteArray& bytes);
    // Writes a crafted file again as it was made, where a save has overwritten it.
    void PutBack(const QString& path);
    QString Path(const QString& name) const { return root_ + QLatin1Char('/') + name; }
    std::string Relative(const QString& path) const;
    Answer Named(const QString& path, const std::string& kind) const;
    std::optional<std::string> Verify(const QString& path) const;

    QString root_;
    std::map<QString, QByteArray> originals_;  // every crafted file as it was made
    std::map<QString, QByteArray> crafted_;    // those that still hold it
    std::set<QString> folders_;
    std::vector<QString> missing_;
    std::map<QString, QStringList> saved_;  // path: the lines it must read back as
    std::map<QString, Stamp> verified_;
    int nextSave_ = 0;
};

}  // namespace oriastra
