#pragma once
#include <iosfwd>
#include <string>

#include "Json.h"
#include "common/logic/StyledText.h"
#include "common/logic/Tradition.h"
#include "common/logic/TraditionCommands.h"

namespace oriastra::cli {

class JsonStringCache;

// The `reading --json` object, "tradition", "name", then the tradition's fields, added to the end
// of `out` on one line. Written straight from the fields: a batch writes one per row, and passes
// a cache for the program's own texts, which recur from row to row.
void AppendReadingJson(std::string& out, Tradition tradition, const ReadingRequest& request,
                       const ReadingFields& fields, JsonStringCache* cache = nullptr);

// The same fields as text, one "Label: value" line each, control characters made visible.
std::string ReadingText(Tradition tradition, const ReadingRequest& request,
                        const ReadingFields& fields);

// Writes the reading as `reading` does: text, or one JSON line with --json.
void PrintReading(std::ostream& out, bool json, Tradition tradition, const ReadingRequest& request,
                  const ReadingFields& fields);

// {"runs":[{"text":...,"bold":...,"color":"#rrggbb"},...]}
JsonObject ReportJson(const StyledText& runs);

}  // namespace oriastra::cli
