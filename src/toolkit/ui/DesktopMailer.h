#pragma once

#include "Mailer.h"

/// Hands messages to the desktop's mail program: through xdg-email where it is installed, else as a mailto:
/// address opened by the desktop. -1 when neither is there.
class DesktopMailer : public Mailer {
public:
    int send(const MailMessage &message) override;
};
