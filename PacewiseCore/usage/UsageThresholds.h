#pragma once

namespace pacewise::UsageThresholds {

// From here a window is running low: the tray turns orange.
inline constexpr double warning = 80.0;
// A window this full is as good as used up: the tray turns red, the guard
// stops Claude Code here unless the user chose another figure (the guard
// script has the same default), and a session is not resumed into it.
inline constexpr double critical = 98.0;

} // namespace pacewise::UsageThresholds
