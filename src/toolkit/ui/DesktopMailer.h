#pragma once

#include "Mailer.h"

/// Hands messages to the desktop's mail program: through xdg-email where it is installed, else as a mailto:
/// address opened by the desktop. The result is xdg-email's own exit status (1 bad arguments, 2 a file not
/// found, 3 no mail program found, 4 the hand-over failed, 5 no permission), or one of Mailer's codes.
class DesktopMailer : public Mailer {
public:
    int send(const MailMessage &message) override;

    /// How long the hand-over program may take to tell its result. A mail program started just now may keep
    /// it running while its compose window is open: still running then counts as handed over.
    int answerWait = 10000;
    /// The longest single argument the system passes to a program, the encoded mailto: address included.
    static constexpr qsizetype LongestArgument = 128 * 1024 - 1;
};
