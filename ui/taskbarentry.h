#pragma once

class QWidget;

/// Whether a top-level window has a button in the desktop's taskbar. Qt has no call for it; on X11
/// it is the window's _NET_WM_STATE_SKIP_TASKBAR state, elsewhere these do nothing. A utility
/// window alone is not enough: Plasma leaves it out of its taskbar, LXQt lists it.
namespace TaskbarEntry {

/// Before the window is mapped: the state the window manager reads when it takes the window on.
void prepare(QWidget &window, bool listed);
/// Once the window is mapped: asks the window manager to change the state now.
void request(QWidget &window, bool listed);

} // namespace TaskbarEntry
