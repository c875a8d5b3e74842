#include "TraditionWords.h"

#include <vector>

#include "common/logic/TextUtil.h"
#include "registry/logic/TraditionRegistry.h"

namespace oriastra::cli {

std::string KeysInWords(bool (*chosen)(const TraditionDescriptor&), std::string_view last) {
    std::vector<std::string_view> keys;
    for (Tradition tradition : AllTraditions()) {
        if (chosen(*tradition)) keys.push_back(tradition->key);
    }
    return ListInWords(keys, last);
}

std::string ExtensionsInWords(bool (*chosen)(const TraditionDescriptor&)) {
    std::string list;
    for (Tradition tradition : AllTraditions()) {
        if (!chosen(*tradition)) continue;
        if (!list.empty()) list += ' ';
        list += "." + std::string(tradition->extension);
    }
    return list;
}

bool Any(const TraditionDescriptor&) { return true; }
bool AsksSex(const TraditionDescriptor& tradition) { return tradition.panel.asksSex; }
bool Saves(const TraditionDescriptor& tradition) { return tradition.HasReport(); }
bool Nameless(const TraditionDescriptor& tradition) { return !tradition.record.nameLine; }

}  // namespace oriastra::cli
