#include "link/CommandLayer.h"

#include "link/FrameLog.h"

namespace command {
namespace {

QString tr(const char *text)
{
    return QString::fromLatin1(text);
}

const QString Unsupported = tr("Terminal rejected the command as unsupported");
const QString CommsError = tr("Communications error");

// The reply letter's result and message.
CommandOutcome fromPayload(const QByteArray &payload)
{
    CommandOutcome out;
    if (payload.isEmpty())
        return out; // address 0: nothing was expected
    switch (payload[0]) {
    case 'A':
        out.answer = payload.mid(1);
        return out;
    case 'B':
        return {-1,
                tr("The Terminal is in the Programming Mode and cannot process the command"),
                {},
                {}};
    case 'C':
        return {-1, CommsError, {}, {}};
    case 'D':
        return {-2, {}, {}, {}};
    case 'E':
        return {-3, {}, {}, {}};
    case 'F':
        return {-5, tr("Command execution failed"), {}, {}};
    case 'I':
        return {-1, tr("Terminal rejected the command as invalid"), {}, {}};
    case 'N':
        return {-4, {}, {}, {}};
    default:
        return {-1, CommsError, {}, {}};
    }
}

} // namespace

std::optional<QByteArray> text(const QByteArray &command, double number, const QByteArray &data)
{
    if (command == "DV")
        return command + frame::numberField(number);
    if (command == "DL")
        return command + frame::numberField(number) + data;
    if (command == "DS")
        return command;
    return std::nullopt;
}

Exchange exchange(Transport &transport, const QByteArray &commandText, int address)
{
    const std::optional<QByteArray> request = frame::buildRequest(commandText, address);
    if (!request)
        return {ExchangeStatus::Malformed, {}, {}, {}};
    const bool expectReply = address != 0;
    FrameLog *log = transport.frameLog();
    std::optional<quint64> logEntry;
    if (log)
        logEntry = log->add(FrameLog::Direction::Sent, *request);
    const Transport::Reply reply = transport.exchange(*request, expectReply);
    // The transport may have been detached from the log during the wait.
    log = transport.frameLog();
    if (log && logEntry && !reply.notSent.isEmpty())
        log->setNotSent(*logEntry);
    if (log && !reply.wire.isEmpty())
        logEntry = log->add(FrameLog::Direction::Received, reply.wire, {}, reply.at);
    if (!log)
        logEntry.reset();
    if (reply.status != ExchangeStatus::Ok || !expectReply)
        return {reply.status, {}, reply.notSent, logEntry};
    const std::optional<QByteArray> payload = frame::checkReply(reply.received, address);
    if (!payload)
        return {ExchangeStatus::Malformed, {}, {}, logEntry};
    return {ExchangeStatus::Ok, *payload, {}, logEntry};
}

QString statusMessage(ExchangeStatus finalStatus)
{
    switch (finalStatus) {
    case ExchangeStatus::TimedOut:
        return tr("Timeout while waiting for the Terminal to reply");
    case ExchangeStatus::Overflow:
    case ExchangeStatus::Malformed:
        return CommsError;
    case ExchangeStatus::PortFailed:
        return tr("Terminal failed to execute the command");
    case ExchangeStatus::Ok:
        break;
    }
    return tr("Unrecognized communications error");
}

namespace {

QString statusWord(ExchangeStatus status)
{
    switch (status) {
    case ExchangeStatus::TimedOut:
        return tr("time-out");
    case ExchangeStatus::Overflow:
        return tr("reply too long");
    case ExchangeStatus::PortFailed:
        return tr("port failed");
    case ExchangeStatus::Malformed:
        return tr("malformed reply");
    case ExchangeStatus::Ok:
        break;
    }
    return tr("success");
}

QString withMessage(const QString &text, const QString &message)
{
    return message.isEmpty() ? text : text + tr("; message shown: ") + message;
}

} // namespace

QString attemptOutcome(const Exchange &attempt, bool lastAttempt, const CommandOutcome &outcome)
{
    if (attempt.status != ExchangeStatus::Ok) {
        const QString word = attempt.notSent.isEmpty() ? statusWord(attempt.status)
                                                       : tr("not sent: ") + attempt.notSent;
        return lastAttempt ? withMessage(word, outcome.message) : tr("retry: ") + word;
    }
    if (outcome.result == 0)
        return tr("success");
    return withMessage(tr("answer ") + QString::fromLatin1(attempt.payload.left(1)),
                       outcome.message);
}

CommandOutcome send(Transport &transport, const QByteArray &command, int address, double number,
                    const QByteArray &data)
{
    const std::optional<QByteArray> commandText = text(command, number, data);
    // A text too long for the frame's length field is refused like an unknown
    // command, before anything goes out.
    if (!commandText || !frame::buildRequest(*commandText, address))
        return {-1, Unsupported, {}, {}};

    std::vector<ExchangeStatus> attempts;
    for (int i = 0; i < Attempts; ++i) {
        const Exchange ex = exchange(transport, *commandText, address);
        attempts.push_back(ex.status);
        const bool last = ex.status == ExchangeStatus::Ok || i + 1 == Attempts;
        CommandOutcome out;
        if (ex.status == ExchangeStatus::Ok)
            out = fromPayload(ex.payload);
        else if (last)
            out = {-1, statusMessage(ex.status), {}, {}};
        if (ex.logEntry && transport.frameLog())
            transport.frameLog()->setOutcome(*ex.logEntry, attemptOutcome(ex, last, out));
        if (last) {
            out.attempts = std::move(attempts);
            return out;
        }
    }
    return {}; // not reached: the last attempt returns
}

} // namespace command
