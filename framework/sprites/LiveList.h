#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// The list that owns a kind of sprite (particles, explosions) and runs them every tick. Each item knows
// its list through its Field member; an item leaves by clearing it. Items may leave, or new ones arrive,
// while the list is being run: leavers are skipped at once and their places closed when the run ends,
// items added at the back are run in the same pass (as a linked list would), items added at the front
// wait until the pass is over. Running a list that holds steady allocates nothing.
template <class T, class Owner, Owner* T::*Field>
class TLiveList {
public:
    TLiveList() = default;
    TLiveList(const TLiveList&) = delete;
    TLiveList& operator=(const TLiveList&) = delete;
    ~TLiveList() { Unlink(); }

    // Items in the list now.
    int Count() const { return live_; }
    bool IsEmpty() const { return live_ == 0; }

    void Add(std::shared_ptr<T> item, bool front) {
        if (!item || item.get()->*Field == self()) return;
        if (item.get()->*Field) (item.get()->*Field)->Remove(*item);
        item.get()->*Field = self();
        ++live_;
        if (!front) {
            items_.push_back(std::move(item));
        } else if (passes_ > 0) {
            waitingFront_.push_back(std::move(item));
        } else {
            items_.insert(items_.begin(), std::move(item));
        }
    }

    void Remove(T& item) {
        if (item.*Field != self()) return;
        item.*Field = nullptr;
        --live_;
        if (passes_ > 0) {
            holes_ = true;
        } else {
            std::erase_if(items_, [&](const std::shared_ptr<T>& p) { return p.get() == &item; });
        }
    }

    // Empties the list; the items are let go without being killed.
    void Clear() {
        Unlink();
        if (passes_ > 0) {
            holes_ = true;
        } else {
            items_.clear();
            waitingFront_.clear();
        }
    }

    // Runs f on every item in order.
    template <class F>
    void ForEach(F&& f) {
        ForEach(f, [](const T&) {});
    }
    // The same, calling ahead on the item a few places ahead of the one f runs on: items are objects of
    // their own, so a run over a long list waits on memory item after item unless ahead asks early for
    // the memory f will read (with PrefetchRange).
    template <class F, class Ahead>
    void ForEach(F&& f, Ahead&& ahead) {
        ++passes_;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (i + kAhead < items_.size()) ahead(*items_[i + kAhead]);
            T* item = items_[i].get();
            if (item->*Field == self()) f(*item);
        }
        if (--passes_ == 0) Settle();
    }

private:
    static constexpr std::size_t kAhead = 4;

    Owner* self() { return static_cast<Owner*>(this); }

    void Unlink() {
        for (auto& item : items_) {
            if (item.get()->*Field == self()) item.get()->*Field = nullptr;
        }
        for (auto& item : waitingFront_) item.get()->*Field = nullptr;
        live_ = 0;
    }

    void Settle() {
        if (holes_) {
            std::erase_if(items_, [this](const std::shared_ptr<T>& p) { return p.get()->*Field != self(); });
            holes_ = false;
        }
        if (!waitingFront_.empty()) {
            std::erase_if(waitingFront_,
                          [this](const std::shared_ptr<T>& p) { return p.get()->*Field != self(); });
            // The last added goes first, as adding each at the front would have left them.
            items_.insert(items_.begin(), waitingFront_.rbegin(), waitingFront_.rend());
            waitingFront_.clear();
        }
    }

    std::vector<std::shared_ptr<T>> items_;
    std::vector<std::shared_ptr<T>> waitingFront_;
    int passes_ = 0;
    int live_ = 0;
    bool holes_ = false;
};
