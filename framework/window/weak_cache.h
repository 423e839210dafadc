#pragma once
// A program-wide list of shared objects that does not keep them alive: an entry
// is found while some holder still has it and forgotten once the last one went.
#include <memory>
#include <vector>

namespace pixa::window {

template <class T>
class WeakCache {
public:
    // The entries still alive, oldest first.
    std::vector<std::shared_ptr<T>> Alive() {
        Forget();
        std::vector<std::shared_ptr<T>> alive;
        alive.reserve(entries_.size());
        for (const auto& entry : entries_)
            if (auto held = entry.lock()) alive.push_back(std::move(held));
        return alive;
    }

    // The oldest alive entry the predicate accepts, or null.
    template <class Match>
    std::shared_ptr<T> Find(Match match) {
        Forget();
        for (const auto& entry : entries_)
            if (auto held = entry.lock(); held && match(*held)) return held;
        return nullptr;
    }

    void Add(const std::shared_ptr<T>& entry) { entries_.push_back(entry); }

private:
    void Forget() { std::erase_if(entries_, [](const std::weak_ptr<T>& entry) { return entry.expired(); }); }

    std::vector<std::weak_ptr<T>> entries_;
};

}  // namespace pixa::window
