#include "CliOptions.h"

#include <array>
#include <optional>
#include <string_view>

#include "TraditionWords.h"
#include "UsageError.h"
#include "common/logic/RecordFile.h"

namespace oriastra::cli {

namespace {

struct CommandShape {
    std::string_view word;
    Command command;
    std::vector<std::string_view> positionals;  // names, in order, for messages
    std::vector<std::string_view> options;      // without "--"
    std::size_t optional = 0;  // how many of the last positionals may be left out
};

const std::vector<CommandShape>& CommandShapes() {
    static const std::vector<CommandShape> shapes = {
        {"reading", Command::Reading, {"TRADITION"},
         {"name", "day", "month", "year", "sex", "afternoon", "json"}},
        {"report", Command::Report, {"TRADITION"},
         {"name", "day", "month", "year", "sex", "afternoon", "json"}},
        {"save", Command::Save, {"FILE", "TRADITION"},
         {"name", "day", "month", "year", "sex", "afternoon"}},
        {"open", Command::Open, {"FILE"}, {"name", "json"}},
        {"batch", Command::Batch, {"TRADITION", "FILE"}, {}, 1},
    };
    return shapes;
}

constexpr std::array<std::string_view, 6> kValueOptions = {"name", "day",  "month",
                                                           "year", "sex", "afternoon"};

bool IsValueOption(std::string_view option) {
    for (std::string_view known : kValueOptions) {
        if (known == option) return true;
    }
    return false;
}

std::optional<std::string>* BirthSlot(BirthArguments& birth, std::string_view option) {
    if (option == "name") return &birth.name;
    if (option == "day") return &birth.day;
    if (option == "month") return &birth.month;
    if (option == "year") return &birth.year;
    if (option == "sex") return &birth.sex;
    if (option == "afternoon") return &birth.afternoon;
    return nullptr;
}

Tradition ParseTradition(const std::string& key) {
    if (const auto tradition = TraditionFromKey(key)) return *tradition;
    throw UsageError("unknown tradition '" + key + "' (choose " + KeysInWords(Any, "or") + ")");
}

CliOptions Only(Command command) {
    CliOptions options;
    options.command = command;
    return options;
}

bool Takes(const CommandShape& shape, std::string_view option) {
    for (std::string_view known : shape.options) {
        if (known == option) return true;
    }
    return false;
}

}  // namespace

CliOptions ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw UsageError("no command given");
    const std::string& word = arguments.front();
    CliOptions options;
    if (word == "--help" || word == "-h") return Only(Command::Help);
    if (word == "--version") return Only(Command::Version);

    const CommandShape* shape = nullptr;
    for (const CommandShape& candidate : CommandShapes()) {
        if (candidate.word == word) shape = &candidate;
    }
    if (!shape) {
        if (word.starts_with("-")) throw UsageError("expected a command before '" + word + "'");
        throw UsageError("unknown command '" + word + "'");
    }
    options.command = shape->command;

    std::vector<std::string> positionals;
    std::vector<std::string> seen;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            positionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") return Only(Command::Help);
        if (!argument.starts_with("--")) throw UsageError("unknown option '" + argument + "'");

        const auto equals = argument.find('=');
        const std::string option = argument.substr(2, equals == std::string::npos
                                                          ? std::string::npos
                                                          : equals - 2);
        const bool known = IsValueOption(option) || option == "json";
        if (!known) throw UsageError("unknown option '--" + option + "'");
        if (!Takes(*shape, option)) {
            throw UsageError("--" + option + " is not used by " + std::string(shape->word));
        }
        for (const std::string& earlier : seen) {
            if (earlier == option) throw UsageError("--" + option + " is given twice");
        }
        seen.push_back(option);

        if (option == "json") {
            if (equals != std::string::npos) throw UsageError("--json takes no value");
            options.json = true;
            continue;
        }
        if (equals != std::string::npos) {
            *BirthSlot(options.birth, option) = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            *BirthSlot(options.birth, option) = arguments[++i];
        } else {
            throw UsageError("missing value for --" + option);
        }
    }

    if (positionals.size() < shape->positionals.size() - shape->optional) {
        throw UsageError(std::string(shape->word) + ": missing " +
                         std::string(shape->positionals[positionals.size()]));
    }
    if (positionals.size() > shape->positionals.size()) {
        throw UsageError("unexpected argument '" + positionals[shape->positionals.size()] + "'");
    }

    switch (options.command) {
        case Command::Save:
            options.file = positionals[0];
            options.tradition = ParseTradition(positionals[1]);
            if (!Describe(options.tradition).HasReport()) {
                throw UsageError("the " + std::string(TraditionKey(options.tradition)) +
                                 " tradition saves no record files");
            }
            if (!HasRecordExtension(options.file, Describe(options.tradition).extension)) {
                throw UsageError(std::string(Describe(options.tradition).recordKind) +
                                 " must end in ." +
                                 std::string(Describe(options.tradition).extension));
            }
            break;
        case Command::Open: options.file = positionals[0]; break;
        case Command::Batch:
            options.tradition = ParseTradition(positionals[0]);
            if (positionals.size() > 1) options.file = positionals[1];
            break;
        default: options.tradition = ParseTradition(positionals[0]); break;
    }
    if (options.command == Command::Report && !Describe(options.tradition).HasReport()) {
        throw UsageError("the " + std::string(TraditionKey(options.tradition)) +
                         " tradition has no report");
    }
    const bool takesBirth = options.command == Command::Reading ||
                            options.command == Command::Report || options.command == Command::Save;
    if (takesBirth) options.request = ReadBirthArguments(options.tradition, options.birth);
    return options;
}

}  // namespace oriastra::cli
