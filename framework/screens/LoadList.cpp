#include "framework/screens/LoadList.h"

#include "framework/core/Messages.h"

void TLoadList::Stage(const std::string& name) {
    items_.push_back({name, {}, false});
}

void TLoadList::Add(Work work) {
    items_.push_back({"", std::move(work), true});
    ++steps_;
}

void TLoadList::AddQuiet(Work work) {
    items_.push_back({"", std::move(work), false});
}

void TLoadList::Append(TLoadList other) {
    for (TItem& item : other.items_) items_.push_back(std::move(item));
    steps_ += other.steps_;
}

int TLoadList::Run(const std::function<void()>& step) {
    std::vector<TItem> items = std::move(items_);
    items_.clear();
    steps_ = 0;
    for (const TItem& item : items) {
        if (!item.stage.empty()) DebugLog(item.stage);
        if (item.work) item.work();
        if (item.counts && step) step();
    }
    return 1;
}
