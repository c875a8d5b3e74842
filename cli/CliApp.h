#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace oriastra::cli {

// Runs one command line (arguments without the program name); returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace oriastra::cli
