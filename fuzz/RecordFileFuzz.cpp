// Record files as Open reads them: the first byte picks the kind of record, the rest is the
// file's content; the CLI's open runs the whole way to the reading.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FuzzCheck.h"
#include "common/logic/RecordFile.h"
#include "registry/logic/TraditionRegistry.h"

using namespace oriastra;

namespace {

// In memory where the system offers it: rewriting a file on a disk costs milliseconds. Removed
// when the run ends.
struct ScratchFolder {
    ScratchFolder() {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        path = base / ("oriastra-fuzz-record-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

const std::filesystem::path& Folder() {
    static const ScratchFolder folder;
    return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto traditions = AllTraditions();
    const std::string extension(traditions[data[0] % traditions.size()]->extension);
    const bool json = (data[0] & 0x80U) != 0;
    const std::string path = (Folder() / ("record." + extension)).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << fuzz::Bytes(data + 1, size - 1);

    const auto lines = ReadRecordFile(path, 6);
    FUZZ_CHECK(lines.size() == 6);

    std::vector<std::string> arguments = {"open", path, "--name", "Fuzz"};
    if (json) arguments.push_back("--json");
    const fuzz::CliRun run = fuzz::RunCliWith(arguments);
    FUZZ_CHECK(run.status == 0 || run.status == 1);
    FUZZ_CHECK(run.status == 0 ? run.err.empty() : run.out.empty());
    if (!json) FUZZ_CHECK(fuzz::SafeForATerminal(run.out));
    if (json && run.status == 0) {
        FUZZ_CHECK(run.out.back() == '\n');
        FUZZ_CHECK(run.out.find('\n') == run.out.size() - 1);
    }
    return 0;
}
