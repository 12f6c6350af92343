#pragma once

#include <string>
#include <string_view>

namespace fret {

// What the calculator needs of a window: three operations on a control
// named by its control name ("Longvib", "Combo1", "Combo2", "Text1" to
// "Text48"). Texts are UTF-8. The Qt window, the command line's in-memory
// table and the tests' recording fake all implement it.
class ControlSurface {
public:
    virtual ~ControlSurface() = default;

    virtual std::string Text(std::string_view control) = 0;
    virtual void SetText(std::string_view control, std::string_view text) = 0;
    virtual void SetVisible(std::string_view control, bool visible) = 0;
};

} // namespace fret
