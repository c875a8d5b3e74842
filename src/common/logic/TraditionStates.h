#pragma once
#include <map>
#include <memory>
#include <typeindex>

namespace oriastra {

// Each tradition's own state for one run, which only its windows see: made on first use by
// the tradition's window registration, kept by the application so that it outlives every window.
class TraditionStates {
public:
    template <typename State>
    State& Of() {
        std::shared_ptr<void>& slot = states_[std::type_index(typeid(State))];
        if (!slot) slot = std::make_shared<State>();
        return *static_cast<State*>(slot.get());
    }

private:
    std::map<std::type_index, std::shared_ptr<void>> states_;
};

}  // namespace oriastra
