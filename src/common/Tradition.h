#pragma once
#include <array>
#include <optional>
#include <string_view>

namespace oriastra {

// Order is the index of the tradition's button in the main window.
enum class Tradition { African = 0, Arabic = 1, Burmese = 2, Indonesian = 3, Tibetan = 4 };

inline constexpr std::array<Tradition, 5> kTraditions = {
    Tradition::African, Tradition::Arabic, Tradition::Burmese, Tradition::Indonesian,
    Tradition::Tibetan};

// Lower-case key used on the command line and in JSON ("tibetan").
std::string_view TraditionKey(Tradition tradition);
std::optional<Tradition> TraditionFromKey(std::string_view key);

}  // namespace oriastra
