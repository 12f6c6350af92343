#pragma once

#include "control_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane::fuzz {

// An in-memory window that also keeps, in order, every text written and
// every visibility set, so a check can compare the order of writes.
class RecordingTable : public fret::ControlTable {
public:
    struct Change {
        std::string control;
        bool isText; // a text written, or else a visibility set
        std::string text; // the text written
        bool visible; // the visibility set
    };

    void SetText(std::string_view control, std::string_view text) override
    {
        changes_.push_back(Change { std::string(control), true, std::string(text), false });
        ControlTable::SetText(control, text);
    }
    void SetVisible(std::string_view control, bool visible) override
    {
        changes_.push_back(Change { std::string(control), false, {}, visible });
        ControlTable::SetVisible(control, visible);
    }

    const std::vector<Change>& changes() const noexcept { return changes_; }
    void ForgetChanges() noexcept { changes_.clear(); }

private:
    std::vector<Change> changes_;
};

} // namespace corvane::fuzz
