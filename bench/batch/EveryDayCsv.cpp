// Writes the batch input for every day of a tradition's year list: oriastra-every-day TRADITION.
// oriastra-every-day --traditions lists the traditions, one a line.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/logic/Months.h"
#include "registry/logic/TraditionRegistry.h"

int main(int argc, char** argv) {
    using namespace std::chrono;
    if (argc == 2 && std::string_view(argv[1]) == "--traditions") {
        for (oriastra::Tradition tradition : oriastra::AllTraditions()) {
            std::printf("%.*s\n", static_cast<int>(tradition->key.size()), tradition->key.data());
        }
        return 0;
    }
    const auto tradition = argc == 2 ? oriastra::TraditionFromKey(argv[1]) : std::nullopt;
    if (!tradition) {
        std::fprintf(stderr, "usage: oriastra-every-day TRADITION | --traditions\n");
        return 2;
    }
    const oriastra::PanelRules& panel = oriastra::Describe(*tradition).panel;
    // Every row names a sex and answers the Wednesday question, so no row is refused.
    const char* sex = panel.asksSex ? "Female" : "";
    std::string out = "name,day,month,year,sex,afternoon\n";
    const sys_days last{year{panel.lastYear} / December / 31};
    for (sys_days day{year{panel.firstYear} / January / 1}; day <= last; day += days{1}) {
        const year_month_day date{day};
        out += "Tenzin Dolma," + std::to_string(unsigned(date.day())) + ',' +
               std::string(oriastra::kMonthNames[unsigned(date.month()) - 1]) + ',' +
               std::to_string(int(date.year())) + ',' + sex + ",no\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
