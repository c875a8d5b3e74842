// CSV batches: the first byte picks the tradition and whether the header is given; the rest is
// standard input. Every row gives one valid JSON line, whatever the input.
#include "CsvReader.h"
#include "FuzzCheck.h"
#include "JsonCheck.h"
#include "registry/logic/TraditionRegistry.h"

using namespace oriastra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto traditions = AllTraditions();
    const std::string tradition(traditions[data[0] % traditions.size()]->key);
    std::string input(fuzz::Bytes(data + 1, size - 1));
    if ((data[0] & 0x80U) != 0) input = "name,day,month,year,sex,afternoon\n" + input;

    std::istringstream stream(input);
    std::istringstream again(input);
    cli::CsvReader reader(stream);
    // The batch reads every row into one record: each must hold what a fresh one holds.
    cli::CsvReader reusing(again);
    cli::CsvRecord reused;
    std::size_t records = 0;
    while (const auto record = reader.Next()) {
        ++records;
        FUZZ_CHECK(record->fields.size() <= cli::CsvReader::kMostFields);
        for (const std::string& field : record->fields) {
            FUZZ_CHECK(field.size() <= cli::CsvReader::kMostFieldBytes);
        }
        FUZZ_CHECK(reusing.Next(reused));
        FUZZ_CHECK(reused.fields == record->fields && reused.problem == record->problem &&
                   reused.blank == record->blank);
    }
    FUZZ_CHECK(!reusing.Next(reused));

    const fuzz::CliRun run = fuzz::RunCliWith({"batch", tradition}, input);
    FUZZ_CHECK(run.status == 0 || run.status == 2);
    std::size_t lines = 0;
    std::istringstream output(run.out);
    for (std::string line; std::getline(output, line); ++lines) {
        const auto value = fuzz::JsonReader::Read(line);
        FUZZ_CHECK(value.has_value());
        FUZZ_CHECK(std::holds_alternative<cli::JsonBox<cli::JsonObject>>(value->data));
    }
    FUZZ_CHECK(lines < records || records == 0);  // the header gives no line
    // Every row after the header, blank or not, gives exactly one line.
    if (run.status == 0) FUZZ_CHECK(lines + 1 == records);
    return 0;
}
