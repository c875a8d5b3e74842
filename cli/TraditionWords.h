#pragma once
#include <string>
#include <string_view>

#include "common/logic/Tradition.h"

namespace oriastra::cli {

// The keys of the traditions that `chosen` picks, as a sentence lists them: "a, b or c".
std::string KeysInWords(bool (*chosen)(const TraditionDescriptor&), std::string_view last);

// The record extensions of the traditions that `chosen` picks: ".a .b .c".
std::string ExtensionsInWords(bool (*chosen)(const TraditionDescriptor&));

// For `chosen`: every tradition; those that ask the sex; those whose report saves a record;
// those whose record holds no name.
bool Any(const TraditionDescriptor& tradition);
bool AsksSex(const TraditionDescriptor& tradition);
bool Saves(const TraditionDescriptor& tradition);
bool Nameless(const TraditionDescriptor& tradition);

}  // namespace oriastra::cli
