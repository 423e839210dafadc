#pragma once
// A bound value for control tests: action() yields the shared value or stores its
// argument, and the stores are counted.
#include <memory>

#include "runtime/value.h"
#include "tests/support/layers.h"

namespace pixa::test {

struct Bound {
    std::shared_ptr<Value> value;                            // the bound value
    std::shared_ptr<int> stores = std::make_shared<int>(0);  // how often it was stored
    explicit Bound(Value initial) : value(std::make_shared<Value>(std::move(initial))) {}
    // () yields the value, (x) stores x.
    Action action() const {
        auto v = value;
        auto n = stores;
        return Action([v, n](const Args& args) {
            if (!args.empty()) {
                *v = args[0];
                ++*n;
            }
            return *v;
        });
    }
};

}  // namespace pixa::test
