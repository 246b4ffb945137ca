#pragma once

#include <QString>

/// One message handed to the user's mail program, which shows it for the user to address and send. Empty
/// texts are absent.
struct MailMessage {
    QString subject;
    QString body;
    QString attachment;
    QString senderName;
    QString senderAddress;
    QString recipientName;
    QString recipientAddress;
};

/// The desktop's mail hand-over. Tests record the messages instead.
class Mailer {
public:
    virtual ~Mailer() = default;
    /// 0 when the message reached the mail program, another number when it did not.
    virtual int send(const MailMessage &message) = 0;

    /// No mail program can be reached at all (no hand-over program, nothing takes a mailto: address).
    static constexpr int NoMailSystem = -1;
    /// The message is longer than a hand-over can carry; nothing was handed over.
    static constexpr int TooLong = -2;
};
