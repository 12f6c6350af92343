#pragma once

#include "control_surface.h"
#include "runtime_error.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fret_test {

// The error number a call throws, or 0 when it returns normally.
template <class Call> int ErrorNumberOf(Call&& call)
{
    try {
        call();
    } catch (const fret::RuntimeError& error) {
        return error.code();
    }
    return 0;
}

// A window that logs every control access in order: "read Combo1",
// "text Text1=70.9158", "show Text25", "hide Text8".
class RecordingSurface : public fret::ControlSurface {
public:
    struct Box {
        std::string text;
        bool visible = false;
    };

    std::string Text(std::string_view control) override
    {
        log_.push_back("read " + std::string(control));
        return boxes_[std::string(control)].text;
    }
    void SetText(std::string_view control, std::string_view text) override
    {
        log_.push_back("text " + std::string(control) + "=" + std::string(text));
        boxes_[std::string(control)].text = text;
    }
    void SetVisible(std::string_view control, bool visible) override
    {
        log_.push_back((visible ? "show " : "hide ") + std::string(control));
        boxes_[std::string(control)].visible = visible;
    }

    // What the user typed or picked: changes a box without a log entry.
    void Put(std::string_view control, std::string_view text)
    {
        boxes_[std::string(control)].text = text;
    }

    const Box& position(int slot) { return boxes_["Text" + std::to_string(slot)]; }
    const Box& note(int slot) { return boxes_["Text" + std::to_string(slot + 24)]; }

    // The entries that changed the window (texts and visibility), in order.
    std::vector<std::string> Changes() const
    {
        std::vector<std::string> changes;
        for (const std::string& entry : log_)
            if (entry.rfind("read ", 0) != 0)
                changes.push_back(entry);
        return changes;
    }
    void ClearLog() { log_.clear(); }

private:
    std::vector<std::string> log_;
    std::map<std::string, Box> boxes_;
};

} // namespace fret_test
