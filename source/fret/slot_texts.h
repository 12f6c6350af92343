#pragma once

#include "arithmetic_check.h"
#include "fret_slots.h"

#include <string>
#include <utility>
#include <vector>

namespace fret {

// The position texts of one scale choice, in the order they are written
// into the boxes. A computation builds the whole list before any box is
// touched, so a computation that fails part-way changes nothing on screen.
class SlotTexts {
public:
    struct Entry {
        FretSlot slot;
        std::string text;
    };

    SlotTexts() { entries_.reserve(SlotCount); }

    // Records the text of one slot. Writing a box clears the floating-point
    // flags; clearing them here keeps the next slot's checks covering that
    // slot's arithmetic only, as they would if the box were written now.
    void Write(FretSlot slot, std::string text)
    {
        entries_.push_back(Entry { slot, std::move(text) });
        ClearArithmeticFlags();
    }

    const std::vector<Entry>& entries() const noexcept { return entries_; }
    auto begin() const noexcept { return entries_.begin(); }
    auto end() const noexcept { return entries_.end(); }
    std::size_t size() const noexcept { return entries_.size(); }

private:
    std::vector<Entry> entries_;
};

} // namespace fret
