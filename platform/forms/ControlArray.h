#pragma once
// A control array: controls addressed by the index the program uses, with a
// lower bound of its own (0 or 1). Holds pointers; the parent widget owns the
// controls.

#include <cassert>
#include <vector>

namespace tamberlo {

template <class T>
class ControlArray {
public:
    ControlArray(int lower = 0, int upper = -1) : lower_(lower), items_(upper >= lower ? upper - lower + 1 : 0) {}

    T* operator()(int i) const { return contains(i) ? items_[std::size_t(i - lower_)] : nullptr; }
    void set(int i, T* control) {
        if (i < lower_) return;
        if (std::size_t(i - lower_) >= items_.size()) items_.resize(std::size_t(i - lower_) + 1, nullptr);
        items_[std::size_t(i - lower_)] = control;
    }
    bool contains(int i) const { return i >= lower_ && std::size_t(i - lower_) < items_.size(); }
    int lower() const { return lower_; }
    int upper() const { return lower_ + int(items_.size()) - 1; }

private:
    int lower_;
    std::vector<T*> items_;
};

}  // namespace tamberlo
