#pragma once
// A control whose value the wheel changes (a combo box) takes the wheel
// only while it has the keyboard focus; otherwise the wheel scrolls the
// page under it, so that scrolling a long page never changes a tolerance.

class QWidget;

namespace tesvik {

// Makes `control` take the wheel only while focused; the focus no longer
// follows the wheel.
void take_wheel_when_focused(QWidget* control);

}  // namespace tesvik
