#pragma once
// A ring around the control that has the keyboard focus, so a child working with the keyboard
// always sees where it is: also on a list, a scroll bar or a drawing surface, whose own look
// shows little or nothing of the focus.

namespace tamurik {

// From now on every window shows the ring around its focused control (a clickable label draws
// its own).
void InstallFocusRing();

} // namespace tamurik
