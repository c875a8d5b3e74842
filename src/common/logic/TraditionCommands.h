#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "common/logic/BirthDetails.h"
#include "common/logic/StyledText.h"

namespace oriastra {

// What one reading is calculated from: the birth details the Calculate step stored and the
// answer to the tradition's own question as its state holds it (an afternoon answer: "True",
// "False", "" or what an opened record held; empty for a tradition that asks none).
struct ReadingRequest {
    BirthDetails details;
    std::string answer;
    std::string typedName;  // the name box's text before trimming (a report may show it)
};

// One piece of a reading as the command-line companion prints it: its JSON key, its label in
// text output and its value. Keys and labels are the program's own literals, never copied.
// A text value is a view only of the program's own texts (its captions and tables), which last
// as long as the program: a batch keeps each one's JSON by where it lies. A text that comes from
// the request or is worked out for it is held as a string.
struct ReadingField {
    using Value =
        std::variant<std::string_view, std::string, std::int64_t, std::vector<std::string_view>>;
    std::string_view key;
    std::string_view label;
    Value value;
};
using ReadingFields = std::vector<ReadingField>;

// The fields in order with their values moved in: a braced list would copy every text twice, and
// a batch builds one list a row.
template <typename... Field>
ReadingFields FieldsInOrder(Field&&... fields) {
    ReadingFields list;
    list.reserve(sizeof...(fields));
    (list.push_back(std::forward<Field>(fields)), ...);
    return list;
}

// What a tradition adds to the command-line companion; everything else (parsing, validation,
// record files, output) is the companion's frame, driven by the tradition's descriptor. Plain
// functions, so that every descriptor is fixed before the program starts.
struct TraditionCommands {
    // The reading's fields, after the "tradition" and "name" the frame puts first.
    ReadingFields (*reading)(const ReadingRequest&) = nullptr;
    // The report window's text; none for a tradition without a report.
    StyledText (*report)(const ReadingRequest&) = nullptr;
    // A problem only the calculation can see (a Wednesday without its afternoon answer),
    // reported as a usage error before anything is printed or written. May be left out.
    std::optional<std::string> (*usageProblem)(const ReadingRequest&) = nullptr;
};

}  // namespace oriastra
