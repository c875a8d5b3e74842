#include "ReadingOutput.h"

#include <ostream>

#include "VisibleText.h"

namespace oriastra::cli {

namespace {

struct TextOfValue {
    std::string operator()(std::nullptr_t) const { return {}; }
    std::string operator()(bool flag) const { return flag ? "yes" : "no"; }
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(const JsonArray& array) const {
        std::string text;
        for (const JsonValue& item : array) {
            if (!text.empty()) text += ", ";
            text += item.Visit(*this);
        }
        return text;
    }
    std::string operator()(const JsonObject& object) const {
        std::string text;
        for (const JsonMember& member : object) {
            if (!text.empty()) text += ", ";
            text += member.key + " " + member.value.Visit(*this);
        }
        return text;
    }
};

JsonValue ToJson(const ReadingField::Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
    JsonArray items;
    for (const std::string& item : std::get<std::vector<std::string>>(value)) items.push_back(item);
    return items;
}

}  // namespace

JsonObject ReadingJson(Tradition tradition, const ReadingRequest& request,
                       const ReadingFields& fields) {
    JsonObject object;
    object.push_back({"tradition", std::string(TraditionKey(tradition))});
    object.push_back({"name", request.details.name});
    for (const ReadingField& field : fields) object.push_back({field.key, ToJson(field.value)});
    return object;
}

std::string ReadingText(Tradition tradition, const ReadingRequest& request,
                        const ReadingFields& fields) {
    std::string text = "Tradition: " + std::string(TraditionKey(tradition)) + "\n";
    text += "Name: " + request.details.name + "\n";
    for (const ReadingField& field : fields) {
        text += field.label + ": " + ToJson(field.value).Visit(TextOfValue{}) + "\n";
    }
    // Names and answers may come from a record file.
    return VisibleText(text, LineBreaks::Keep);
}

void PrintReading(std::ostream& out, bool json, Tradition tradition, const ReadingRequest& request,
                  const ReadingFields& fields) {
    if (json) {
        out << WriteJson(ReadingJson(tradition, request, fields)) << '\n';
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
