#include "burmese/logic/BurmeseReport.h"

#include "common/logic/ReportWords.h"
#include "common/logic/TranslatedText.h"

namespace oriastra {

namespace {

constexpr TextStyle kInitialStyle{false, kBlack};

// Label, value, then the blank line that ends each piece.
void Entry(StyledTextBuilder& builder, std::string_view label, std::string_view value) {
    builder.Add(kBurmeseLabelStyle, label).Add(kBurmeseValueStyle, value);
    builder.Add(kBurmeseValueStyle, "\n\n");
}

// A short value, then its paragraph on the next line.
void EntryWithParagraph(StyledTextBuilder& builder, std::string_view label, std::string_view value,
                        std::string_view paragraph) {
    builder.Add(kBurmeseLabelStyle, label).Add(kBurmeseValueStyle, value);
    builder.Add(kBurmeseValueStyle, "\n").Add(kBurmeseValueStyle, paragraph);
    builder.Add(kBurmeseValueStyle, "\n\n");
}

}  // namespace

BurmeseReportEntries EntriesOf(const BirthDetails& details, std::string typedName) {
    return {std::move(typedName), details.month, std::to_string(details.day),
            std::to_string(details.year)};
}

StyledText BuildBurmeseReport(const BurmeseReportEntries& entries, const BurmeseReading& reading,
                              const HouseTexts& houses) {
    StyledTextBuilder builder;
    builder.Add(kInitialStyle, GeneratedByLine() + "\n\n");
    Entry(builder, Translated("Reports", "Name :- "), entries.name);
    Entry(
        builder, Translated("Reports", "Date Of Birth :- "),
        std::string(Translated("Months", entries.month)) + "/" + entries.day + "/" + entries.year);
    Entry(builder, Translated("Reports", "Day Of Birth :- "), reading.birthDay);
    for (std::size_t house = 0; house < houses.HouseName.size(); ++house) {
        Entry(builder, houses.HouseName[house] + " :- ", houses.HouseDescription[house]);
    }
    Entry(builder, Translated("Reports", "Lucky Direction :- "), reading.luckyDirection);
    Entry(builder, Translated("Reports", "Basic Characteristic Traits :- "),
          reading.characteristic);
    EntryWithParagraph(builder, Translated("Reports", "Your Birth Day Planet :- "),
                       reading.birthDayPlanet, reading.planetDescription);
    EntryWithParagraph(builder, Translated("Reports", "Animal Sign :- "), reading.animalSign,
                       reading.animalDescription);
    builder.Add(kBurmeseValueStyle, GeneratedByLine() + "\n");
    return MarkWebAddresses(builder.Take());
}

}  // namespace oriastra
