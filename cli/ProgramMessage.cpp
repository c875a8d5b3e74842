#include <cstring>
#include <ostream>

#include "Commands.h"
#include "VisibleText.h"

namespace oriastra::cli {

int ProgramMessage(std::ostream& err, std::string_view message) {
    err << message << '\n';
    return 1;
}

int FileNotRead(std::ostream& err, std::string_view file, std::string_view reason) {
    err << "oriastra-cli: " << VisibleText(file, LineBreaks::Escape) << ": " << reason << '\n';
    return 1;
}

int FileNotWritten(std::ostream& err, std::string_view file, std::string_view reason) {
    err << "oriastra-cli: cannot write " << VisibleText(file, LineBreaks::Escape) << ": "
        << reason << '\n';
    return 3;
}

int OutputNotWritten(std::ostream& err, int error) {
    err << "oriastra-cli: cannot write standard output";
    if (error != 0) err << ": " << std::strerror(error);
    err << '\n';
    return 3;
}

}  // namespace oriastra::cli
