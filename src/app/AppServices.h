#pragma once

class Clock;
class Dialogs;
class Mailer;
class Secrets;
class Shell;

/// What the program asks of the desktop: the standard boxes, the shell's "open", the clock, the mail
/// hand-over and the secret store (the desktop's own when none is given).
struct AppServices {
    Dialogs &dialogs;
    Shell &shell;
    const Clock &clock;
    Mailer *mailer = nullptr;
    /// The desktop's secret store when none is given.
    Secrets *secrets = nullptr;
};
