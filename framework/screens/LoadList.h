#pragma once

#include <functional>
#include <string>
#include <vector>

// Loading work listed before it is done, so that its length is known first: a loading bar set to Steps()
// is full exactly when the last item has loaded. Each item is one file or one thing loaded; a few pieces
// of work load nothing of their own (they take what is loaded from the banks) and take no step.
class TLoadList {
public:
    using Work = std::function<void()>;

    // Items added from now on belong to the stage; its name goes to the debug log as it begins.
    void Stage(const std::string& name);
    // One thing to load: one step.
    void Add(Work work);
    // Work in its place in the order that loads nothing itself: no step.
    void AddQuiet(Work work);
    // The lists of other loaders, in order.
    void Append(TLoadList other);

    int Steps() const { return steps_; }
    // Does the work in order, calling step after each item that counts. The list is spent.
    int Run(const std::function<void()>& step = {});

private:
    struct TItem {
        std::string stage;  // a stage starts here; no work
        Work work;
        bool counts = false;
    };
    std::vector<TItem> items_;
    int steps_ = 0;
};
