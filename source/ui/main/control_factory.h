#pragma once

#include "base_design.h"

class QWidget;

namespace corvane::ui {

// Creates one control of a designed window as a child of the window: the
// widget of its kind, named after the control, at its place, with its font,
// background, content and visibility. Events are wired by the window.
QWidget* CreateControl(const ControlDesign& design, QWidget& window);

} // namespace corvane::ui
