#pragma once

class Clock;
class Dialogs;
class Mailer;
class Shell;

/// What the program asks of the desktop: the standard boxes, the shell's "open", the clock and the mail
/// hand-over (the desktop's own when none is given).
struct AppServices {
    Dialogs &dialogs;
    Shell &shell;
    const Clock &clock;
    Mailer *mailer = nullptr;
};
