#include "arabic/ShowArabicSign.h"

#include "arabic/frmArabicAstrologyDisplay.h"
#include "arabic/modArabicAstrology.h"
#include "common/WindowRegistry.h"

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
