#pragma once
// A slot's pattern as a control sees it: the owner's pattern list and an index into it, looked up
// on every use. Replacing or shortening the list can then never leave the control holding a
// freed pattern; an index the list no longer has reads as "no pattern".
#include "pattern/ColorPattern.h"

#include <vector>

namespace huex {

class PatternRef {
  public:
    PatternRef() = default;
    // The list must outlive every control that holds the reference (the picker declares its
    // state before its controls).
    PatternRef(std::vector<ColorPattern>& list, int index) : list_(&list), index_(index) {}

    [[nodiscard]] ColorPattern* get() const {
        if (!list_ || index_ < 0 || index_ >= static_cast<int>(list_->size())) return nullptr;
        return &(*list_)[static_cast<std::size_t>(index_)];
    }

  private:
    std::vector<ColorPattern>* list_ = nullptr;
    int index_ = -1;
};

} // namespace huex
