#include "CalculateStep.h"

#include "UsageError.h"

namespace oriastra::cli {

std::variant<ReadingInput, ValidationFailure> Calculate(Tradition tradition,
                                                        const PanelEntries& entries,
                                                        std::string afternoonAnswer) {
    const PanelRules& rules = RulesFor(tradition);
    if (auto failure = ValidateBirthDetails(rules, entries)) return *failure;
    return ReadingInput{StoreBirthDetails(rules, entries), std::move(afternoonAnswer)};
}

std::variant<ReadingInput, ValidationFailure> CalculateRequest(Tradition tradition,
                                                               const TraditionCommands& commands,
                                                               BirthRequest request) {
    auto outcome = Calculate(tradition, request.entries, std::move(request.afternoonAnswer));
    if (const auto* input = std::get_if<ReadingInput>(&outcome); input && commands.usageProblem) {
        if (auto problem = commands.usageProblem(*input)) throw UsageError(*problem);
    }
    return outcome;
}

}  // namespace oriastra::cli
