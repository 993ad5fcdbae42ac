#pragma once
#include "state/form1.h"

namespace folvaric {

// The table and the refresh's lists hold at most 3000 entries. Whatever is
// refused for lack of room is told to the user once per operation, in one box.
class CapacityNotice {
public:
    explicit CapacityNotice(Form1& f) : f_(f) {}
    void tell();
    bool told() const { return told_; }

private:
    Form1& f_;
    bool told_ = false;
};

}  // namespace folvaric
