#pragma once
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace oriastra::cli {

struct CsvRecord {
    std::vector<std::string> fields;
    // Why the record could not be read cleanly (an unclosed or stray quote), or empty.
    std::string problem;
    // A line with nothing on it; readers usually skip these.
    bool blank = false;
};

// Reads comma-separated records with double-quote quoting: "" inside quotes is one quote, and
// commas and line breaks inside quotes belong to the field. Records end at CR LF, LF or CR, or at
// the end of the input. A byte order mark at the start is skipped.
class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    // The next record, or nothing at the end of the input.
    std::optional<CsvRecord> Next();

private:
    int Get();
    int Peek();

    std::istream& in_;
    std::string pending_;  // bytes taken while looking for a byte order mark
    bool started_ = false;
};

}  // namespace oriastra::cli
