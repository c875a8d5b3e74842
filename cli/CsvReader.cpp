#include "CsvReader.h"

#include <istream>

namespace oriastra::cli {

namespace {
constexpr int kEnd = std::char_traits<char>::eof();
}

CsvReader::CsvReader(std::istream& in) : in_(in) {}

int CsvReader::Get() {
    // Straight from the buffer: a batch reads every byte through here.
    if (pending_.empty()) {
        const int ch = in_.rdbuf() != nullptr ? in_.rdbuf()->sbumpc() : kEnd;
        if (ch == kEnd) in_.setstate(std::ios::eofbit);
        return ch;
    }
    const char ch = pending_.front();
    pending_.erase(0, 1);
    return static_cast<unsigned char>(ch);
}

int CsvReader::Peek() {
    if (!pending_.empty()) return static_cast<unsigned char>(pending_.front());
    return in_.rdbuf() != nullptr ? in_.rdbuf()->sgetc() : kEnd;
}

std::optional<CsvRecord> CsvReader::Next() {
    if (!started_) {
        started_ = true;
        if (Peek() == 0xEF) {
            const std::string bom = "\xEF\xBB\xBF";
            std::string seen;
            while (seen.size() < bom.size() &&
                   Peek() == static_cast<unsigned char>(bom[seen.size()])) {
                seen += static_cast<char>(Get());
            }
            // Not a byte order mark after all: the bytes are data.
            if (seen != bom) pending_ = seen;
        }
    }
    if (Peek() == kEnd) return std::nullopt;

    CsvRecord record;
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
    auto append = [&](char ch) {
        if (overBound) return;
        if (field.size() == kMostFieldBytes) return dropRecord("a field is longer than 1 MiB");
        if (recordBytes == kMostRecordBytes) return dropRecord("a record is longer than 4 MiB");
        field += ch;
        ++recordBytes;
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
        const int next = Get();
        if (next == kEnd) {
            if (state == State::Quoted) noteProblem("a quoted field is not closed");
            break;
        }
        const char ch = static_cast<char>(next);
        if (state == State::Quoted) {
            if (ch == '"') {
                if (Peek() == '"') {
                    Get();
                    append('"');
                } else {
                    state = State::AfterQuote;
                }
            } else {
                append(ch);
            }
            continue;
        }
        if (ch == ',') {
            endField();
            continue;
        }
        if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && Peek() == '\n') Get();
            break;
        }
        if (ch == '"') {
            if (state == State::FieldStart) {
                state = State::Quoted;
                quotedSeen = true;
                continue;
            }
            noteProblem("a quote appears inside a field that is not quoted");
        } else if (state == State::AfterQuote) {
            noteProblem("text follows the closing quote of a field");
        }
        if (state == State::FieldStart) state = State::Unquoted;
        append(ch);
    }
    endField();
    record.blank = !quotedSeen && record.fields.size() == 1 && record.fields.front().empty();
    return record;
}

}  // namespace oriastra::cli
