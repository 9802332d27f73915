#pragma once

/// What a screen reader is told each of Dorvane's top-level windows is. Qt reports a plain top-level
/// widget as a "filler", which screen readers do not present: the configuration window is a window,
/// and the alert an alert, announced with its message when it appears.
namespace WindowRoles {

/// Installs the roles for the whole application; more calls change nothing.
void install();

} // namespace WindowRoles
