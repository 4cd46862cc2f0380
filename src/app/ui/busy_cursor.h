#pragma once

namespace vg {

// The hourglass over the program for a computation, nested: every
// Set(true) is undone by one Set(false); Clear undoes what is still set.
class TNestedBusyCursor {
public:
    void Set(bool busy);
    void Clear();

private:
    int depth_ = 0;
};

}  // namespace vg
