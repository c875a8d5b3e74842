#pragma once
#include <cstdint>
#include <random>
#include <vector>

namespace oriastra {

// The monkey's one source of chance. The engine's sequence is fixed by the C++ standard, so a
// seed replays the same run on every machine.
class MonkeyDice {
public:
    explicit MonkeyDice(std::uint64_t seed) : engine_(seed) {}

    // 0 .. count - 1 (0 when count is not positive).
    int Below(int count) {
        if (count <= 0) return 0;
        return static_cast<int>(engine_() % static_cast<std::uint64_t>(count));
    }
    bool OneIn(int count) { return Below(count) == 0; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace oriastra
