#pragma once

#include "link/Transport.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// What a command came to: 0 success; -1 failure with a message for the user;
// -2, -3, -4, -5 the terminal's answers D, E, N and F.
struct CommandOutcome
{
    int result = 0;
    QString message;   // empty when the user is told nothing
    QByteArray answer; // on success, the characters after the reply letter
    std::vector<ExchangeStatus> attempts;
};

namespace command {

constexpr int Attempts = 3;

// The text of "DV", "DL" or "DS", or nothing for any other command.
std::optional<QByteArray> text(const QByteArray &command, double number, const QByteArray &data);

// One attempt: frame, send, receive, check.
struct Exchange
{
    ExchangeStatus status = ExchangeStatus::Ok;
    QByteArray payload;
    QString notSent; // why the request never left, when it did not
    // The frame log's entry that tells how the attempt ended: the reply, or
    // the request when nothing came back. Empty when no log is attached.
    std::optional<quint64> logEntry;
};
Exchange exchange(Transport &transport, const QByteArray &commandText, int address);

// Up to three attempts, then the status's or the reply letter's result.
// data is already nibble-encoded (DL only); number is ignored by DS.
CommandOutcome send(Transport &transport, const QByteArray &command, int address, double number,
                    const QByteArray &data = {});

QString statusMessage(ExchangeStatus finalStatus);

// What the frame log says about an attempt: "retry: time-out", "success",
// "answer N", "time-out; message shown: ...", "retry: not sent: ...".
QString attemptOutcome(const Exchange &attempt, bool lastAttempt, const CommandOutcome &outcome);

} // namespace command
