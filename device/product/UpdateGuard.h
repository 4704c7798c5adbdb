#pragma once

// Brackets the item updates of a control for the life of a scope: BeginUpdate when made,
// EndUpdate when it ends. Guards nest: the control counts its brackets and redraws when the
// outermost one ends. A null control (a window that is not there) is passed over.
template <class T>
class TUpdateGuard {
public:
    explicit TUpdateGuard(T items) : items_(items)
    {
        if (items_)
            items_->BeginUpdate();
    }
    ~TUpdateGuard()
    {
        if (items_)
            items_->EndUpdate();
    }
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
    T items_;
};
