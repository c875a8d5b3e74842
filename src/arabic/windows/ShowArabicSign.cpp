#include "arabic/windows/ShowArabicSign.h"

#include "arabic/logic/ArabicTradition.h"
#include "arabic/logic/modArabicAstrology.h"
#include "arabic/windows/frmArabicAstrologyDisplay.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void ShowArabicSign(WindowRegistry& windows, std::string_view westernName) {
    const auto reading = FindArabicSign(westernName);
    if (!reading) return;
    windows.Load(ReadingOf(kArabicTradition));
    if (auto* display = windows.As<frmArabicAstrologyDisplay>(ReadingOf(kArabicTradition))) {
        display->ShowReading(*reading);
    }
}

}  // namespace oriastra
