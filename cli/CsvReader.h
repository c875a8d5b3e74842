#pragma once
#include <cstddef>
#include <iosfwd>
#include <string_view>
#include <optional>
#include <string>
#include <vector>

namespace oriastra::cli {

struct CsvRecord {
    std::vector<std::string> fields;
    // Why the record could not be read cleanly (an unclosed or stray quote, a field or record
    // past the bounds below), or empty. A record over a bound holds no fields.
    std::string problem;
    // A line with nothing on it; readers usually skip these.
    bool blank = false;
};

// Reads comma-separated records with double-quote quoting: "" inside quotes is one quote, and
// commas and line breaks inside quotes belong to the field. Records end at CR LF, LF or CR, or at
// the end of the input. A byte order mark at the start is skipped. Whatever the input, a record
// holds at most kMostRecordBytes in at most kMostFields fields of at most kMostFieldBytes each;
// past a bound the rest of the record is read and dropped.
class CsvReader {
public:
    static constexpr std::size_t kMostFieldBytes = 1024U * 1024U;
    static constexpr std::size_t kMostFields = 1024;
    static constexpr std::size_t kMostRecordBytes = 4U * 1024U * 1024U;

    explicit CsvReader(std::istream& in);

    // The next record, or nothing at the end of the input.
    std::optional<CsvRecord> Next();
    // The same into `record`, whose storage serves again, as a batch reads row after row; false
    // at the end of the input.
    bool Next(CsvRecord& record);

private:
    // A record that lies whole in what was taken, as most do: no quote, no lone CR, within the
    // bounds. Read straight from there; false, with nothing used, for any other record.
    bool NextPlainLine(CsvRecord& record);
    // Takes what the input has ready (at least a byte, unless it has ended) once everything
    // taken before is used; false at the end of the input.
    bool Fill();
    int Get();
    int Peek();

    std::istream& in_;
    // Bytes taken from the input and not yet used: fields are scanned and copied a run at a
    // time rather than byte by byte.
    std::string buffer_;
    std::size_t used_ = 0;
    bool started_ = false;
};

}  // namespace oriastra::cli
