#include "arabic/windows/ShowArabicSign.h"

#include "arabic/logic/modArabicAstrology.h"
#include "arabic/windows/frmArabicAstrologyDisplay.h"
#include "common/windows/WindowRegistry.h"

namespace oriastra {

void ShowArabicSign(WindowRegistry& windows, std::string_view westernName) {
    const auto reading = FindArabicSign(westernName);
    if (!reading) return;
    windows.Load(ReadingOf(Tradition::Arabic));
    if (auto* display = windows.As<frmArabicAstrologyDisplay>(ReadingOf(Tradition::Arabic))) {
        display->ShowReading(*reading);
    }
}

}  // namespace oriastra
