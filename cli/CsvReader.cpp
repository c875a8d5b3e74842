#include "CsvReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>

namespace oriastra::cli {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();
constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The bytes that end a run of an unquoted field.
constexpr std::array<bool, 256> kUnquotedStops = [] {
    std::array<bool, 256> stops{};
    for (const unsigned char stop : {',', '\n', '\r', '"'}) stops[stop] = true;
    return stops;
}();

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in) {}

bool CsvReader::Fill() {
    if (used_ < buffer_.size()) return true;
    std::streambuf* source = in_.rdbuf();
    if (source == nullptr || source->sgetc() == kEnd) {
        in_.setstate(std::ios::eofbit);
        buffer_.clear();
        used_ = 0;
        return false;
    }
    // What the stream holds already; a byte at least, so a pipe is never waited on for more
    // than it has.
    const auto ready = std::clamp<std::streamsize>(source->in_avail(), 1, kChunk);
    buffer_.resize(static_cast<std::size_t>(ready));
    buffer_.resize(static_cast<std::size_t>(source->sgetn(buffer_.data(), ready)));
    used_ = 0;
    return !buffer_.empty();
}

int CsvReader::Get() {
    if (!Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[used_++]);
}

int CsvReader::Peek() {
    if (!Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[used_]);
}

std::optional<CsvRecord> CsvReader::Next() {
    CsvRecord record;
    if (!Next(record)) return std::nullopt;
    return record;
}

bool CsvReader::NextPlainLine(CsvRecord& record) {
    // Where each field starts and ends; a line of more fields than a batch row has is left to
    // the general reading.
    constexpr std::size_t kMostPlainFields = 16;
    std::array<std::string_view, kMostPlainFields> fields;
    std::size_t count = 0;
    const char* const start = buffer_.data() + used_;
    const char* const end = buffer_.data() + buffer_.size();
    const char* fieldStart = start;
    for (const char* at = start; at != end; ++at) {
        if (!kUnquotedStops[static_cast<unsigned char>(*at)]) continue;
        if (*at == '"' || count == kMostPlainFields) return false;
        fields[count++] = {fieldStart, static_cast<std::size_t>(at - fieldStart)};
        if (*at == ',') {
            fieldStart = at + 1;
            continue;
        }
        // A CR ends the line only before its LF here; the general reading takes a lone one.
        const char* lineEnd = at;
        if (*at == '\r' && (++at == end || *at != '\n')) return false;
        if (static_cast<std::size_t>(lineEnd - start) > kMostFieldBytes) return false;
        record.fields.resize(count);
        for (std::size_t i = 0; i < count; ++i) record.fields[i].assign(fields[i]);
        record.problem.clear();
        record.blank = lineEnd == start;
        used_ += static_cast<std::size_t>(at + 1 - start);
        return true;
    }
    return false;
}

bool CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        // The mark may arrive a byte at a time: gather up to its length before deciding.
        std::string start;
        while (start.size() < kByteOrderMark.size() && Peek() != kEnd &&
               kByteOrderMark.starts_with(start + static_cast<char>(Peek()))) {
            start += static_cast<char>(Get());
        }
        // Not a byte order mark after all: the bytes are data.
        if (start != kByteOrderMark) buffer_.insert(used_, start);
    }
    if (Peek() == kEnd) return false;
    if (NextPlainLine(record)) return true;

    record.fields.clear();
    record.problem.clear();
    // Room for a batch row's six fields at once, rather than growing four times.
    record.fields.reserve(8);
    std::string field;
    std::size_t recordBytes = 0;
    bool overBound = false;   // past a bound: the rest of the record is only read
    bool quotedSeen = false;  // the record has a quoted field, so it is never blank
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote } state = State::FieldStart;

    auto noteProblem = [&](const std::string& problem) {
        if (record.problem.empty()) record.problem = problem;
    };
    auto dropRecord = [&](const std::string& problem) {
        noteProblem(problem);
        overBound = true;
        record.fields.clear();
        record.fields.shrink_to_fit();
        field.clear();
        field.shrink_to_fit();
    };
    // A run of bytes of the current field; the field's bound is met before the record's.
    auto append = [&](std::string_view run) {
        if (overBound) return;
        const std::size_t fieldRoom = kMostFieldBytes - field.size();
        const std::size_t recordRoom = kMostRecordBytes - recordBytes;
        if (run.size() > std::min(fieldRoom, recordRoom)) {
            return dropRecord(fieldRoom <= recordRoom ? "a field is longer than 1 MiB"
                                                      : "a record is longer than 4 MiB");
        }
        field += run;
        recordBytes += run.size();
    };
    auto endField = [&] {
        state = State::FieldStart;
        if (overBound) return;
        if (record.fields.size() == kMostFields) {
            return dropRecord("a record has more than " + std::to_string(kMostFields) + " fields");
        }
        record.fields.push_back(std::move(field));
        field.clear();
    };

    while (true) {
        if (!Fill()) {
            if (state == State::Quoted) noteProblem("a quoted field is not closed");
            break;
        }
        const char* const start = buffer_.data() + used_;
        const std::size_t ready = buffer_.size() - used_;
        if (state == State::Quoted) {
            const void* quote = std::memchr(start, '"', ready);
            const std::size_t run = quote != nullptr ? static_cast<const char*>(quote) - start : ready;
            append({start, run});
            used_ += run;
            if (quote == nullptr) continue;
            ++used_;
            if (Peek() == '"') {
                ++used_;
                append("\"");
            } else {
                state = State::AfterQuote;
            }
            continue;
        }
        std::size_t run = 0;
        while (run < ready && !kUnquotedStops[static_cast<unsigned char>(start[run])]) ++run;
        if (run > 0) {
            if (state == State::AfterQuote) noteProblem("text follows the closing quote of a field");
            if (state == State::FieldStart) state = State::Unquoted;
            append({start, run});
            used_ += run;
            continue;
        }
        const char ch = buffer_[used_++];
        if (ch == ',') {
            endField();
            continue;
        }
        if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && Peek() == '\n') ++used_;
            break;
        }
        // A quote.
        if (state == State::FieldStart) {
            state = State::Quoted;
            quotedSeen = true;
            continue;
        }
        noteProblem("a quote appears inside a field that is not quoted");
        append("\"");
    }
    endField();
    record.blank = !quotedSeen && record.fields.size() == 1 && record.fields.front().empty();
    return true;
}

}  // namespace oriastra::cli
