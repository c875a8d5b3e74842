#include "ReadingOutput.h"

#include <ostream>

#include "JsonStringCache.h"
#include "VisibleText.h"

namespace oriastra::cli {

namespace {

// A value as one line of text: lists joined by ", ".
std::string TextOf(const ReadingField::Value& value) {
    if (const auto* text = std::get_if<std::string_view>(&value)) return std::string(*text);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    std::string text;
    for (const std::string_view item : std::get<std::vector<std::string_view>>(value)) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

// One of the program's own texts, from the batch's cache where there is one.
void AppendOwnText(std::string& out, std::string_view text, JsonStringCache* cache) {
    if (cache != nullptr) return cache->Append(out, text);
    AppendJsonString(out, text);
}

// `,"key":` and one of the program's own texts, from the batch's cache where there is one.
void AppendOwnMember(std::string& out, std::string_view key, std::string_view text,
                     JsonStringCache* cache) {
    if (cache != nullptr) return cache->AppendMember(out, key, text);
    AppendMemberKey(out, key);
    AppendJsonString(out, text);
}

}  // namespace

void AppendReadingJson(std::string& out, Tradition tradition, const ReadingRequest& request,
                       const ReadingFields& fields, JsonStringCache* cache) {
    out += "{\"tradition\":";
    AppendOwnText(out, TraditionKey(tradition), cache);
    out += ",\"name\":";
    AppendJsonString(out, request.details.name);
    for (const ReadingField& field : fields) {
        if (const auto* own = std::get_if<std::string_view>(&field.value)) {
            AppendOwnMember(out, field.key, *own, cache);
            continue;
        }
        AppendMemberKey(out, field.key);
        if (const auto* text = std::get_if<std::string>(&field.value)) {
            AppendJsonString(out, *text);
        } else if (const auto* number = std::get_if<std::int64_t>(&field.value)) {
            out += std::to_string(*number);
        } else {
            out += '[';
            const char* separator = "";
            for (const std::string_view item :
                 std::get<std::vector<std::string_view>>(field.value)) {
                out += separator;
                AppendOwnText(out, item, cache);
                separator = ",";
            }
            out += ']';
        }
    }
    out += '}';
}

std::string ReadingText(Tradition tradition, const ReadingRequest& request,
                        const ReadingFields& fields) {
    // Names and answers may come from a record file, and a value with a line break in it would
    // look like a field of its own: each value is one line, escapes and all.
    const auto line = [](std::string_view label, std::string_view value) {
        return std::string(label) + ": " + VisibleText(value, LineBreaks::Escape) + "\n";
    };
    std::string text = line("Tradition", TraditionKey(tradition));
    text += line("Name", request.details.name);
    for (const ReadingField& field : fields) text += line(field.label, TextOf(field.value));
    return text;
}

void PrintReading(std::ostream& out, bool json, Tradition tradition, const ReadingRequest& request,
                  const ReadingFields& fields) {
    if (json) {
        std::string line;
        AppendReadingJson(line, tradition, request, fields);
        out << line << '\n';
    } else {
        out << ReadingText(tradition, request, fields);
    }
}

JsonObject ReportJson(const StyledText& runs) {
    JsonArray pieces;
    for (const StyledRun& run : runs) {
        pieces.push_back(JsonObject{
            {"text", run.text}, {"bold", run.bold}, {"color", ColorName(run.color)}});
    }
    return JsonObject{{"runs", std::move(pieces)}};
}

}  // namespace oriastra::cli
