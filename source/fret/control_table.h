#pragma once

#include "control_surface.h"

#include <map>
#include <string>
#include <string_view>

namespace fret {

// A window without a screen: every control is a text and a visibility flag,
// created empty and hidden on first use. The command line computes on it.
class ControlTable : public ControlSurface {
public:
    struct Control {
        std::string text;
        bool visible = false;
    };

    std::string Text(std::string_view control) override { return at(control).text; }
    void SetText(std::string_view control, std::string_view text) override
    {
        at(control).text.assign(text);
    }
    void SetVisible(std::string_view control, bool visible) override
    {
        at(control).visible = visible;
    }

    const Control& control(std::string_view name) { return at(name); }

private:
    Control& at(std::string_view name) { return controls_[std::string(name)]; }

    std::map<std::string, Control, std::less<>> controls_;
};

} // namespace fret
