#pragma once

#include <functional>
#include <memory>
#include <utility>

// One event of the grid: at most one slot. A slot bound with a guard is called only while the
// guard's owner lives, so a handler never reaches an object that is gone.
template <typename... Args>
class TGridEvent {
public:
    using Slot = std::function<void(Args...)>;

    void Bind(Slot slot) { Bind(std::move(slot), {}, false); }
    void Bind(Slot slot, std::weak_ptr<const void> guard) { Bind(std::move(slot), std::move(guard), true); }
    void Unbind()
    {
        slot_ = nullptr;
        guard_.reset();
        guarded_ = false;
    }

    bool IsBound() const { return slot_ && !(guarded_ && guard_.expired()); }

    // Calls the slot; a copy is called, so the slot may rebind or unbind the event.
    void operator()(Args... args) const
    {
        if (!IsBound())
            return;
        const Slot slot = slot_;
        slot(std::forward<Args>(args)...);
    }

private:
    void Bind(Slot slot, std::weak_ptr<const void> guard, bool guarded)
    {
        slot_ = std::move(slot);
        guard_ = std::move(guard);
        guarded_ = guarded;
    }

    Slot slot_;
    std::weak_ptr<const void> guard_;
    bool guarded_ = false;
};
