#pragma once
// Whether the program can show its window: Qt ends the process inside the
// application's constructor when its platform cannot start, so the display
// is checked first and the user told why instead.

// A platform is chosen (QT_QPA_PLATFORM) or a display is named (DISPLAY,
// WAYLAND_DISPLAY).
bool DisplayAvailable();

// The display the platform will use accepts a connection, asked in this
// process without starting Qt's platform (true for platforms other than X11
// and Wayland, and when there is no way to ask).
bool DisplayOpens();
