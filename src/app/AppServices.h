#pragma once

class Clock;
class Dialogs;
class Shell;

/// What the program asks of the desktop: the standard boxes, the shell's "open" and the clock.
struct AppServices {
    Dialogs &dialogs;
    Shell &shell;
    const Clock &clock;
};
