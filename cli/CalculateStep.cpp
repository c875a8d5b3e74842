#include "CalculateStep.h"

#include "UsageError.h"

namespace oriastra::cli {

std::variant<ReadingRequest, ValidationFailure> Calculate(Tradition tradition,
                                                          const PanelEntries& entries,
                                                          std::string answer) {
    const PanelRules& rules = Describe(tradition).panel;
    if (auto failure = ValidateBirthDetails(rules, entries)) return *failure;
    return ReadingRequest{StoreBirthDetails(rules, entries), std::move(answer), entries.name};
}

std::variant<ReadingRequest, ValidationFailure> CalculateRequest(Tradition tradition,
                                                               const TraditionCommands& commands,
                                                               BirthRequest request) {
    auto outcome = Calculate(tradition, request.entries, std::move(request.afternoonAnswer));
    if (const auto* input = std::get_if<ReadingRequest>(&outcome); input && commands.usageProblem) {
        if (auto problem = commands.usageProblem(*input)) throw UsageError(*problem);
    }
    return outcome;
}

}  // namespace oriastra::cli
