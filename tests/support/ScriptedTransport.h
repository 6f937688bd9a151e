#pragma once

#include "link/Transport.h"
#include "link/Waiting.h"

#include <deque>
#include <vector>

// Hands out canned replies in order and records every request; with no reply
// left it times out. With waitMs set, every exchange first waits that long as
// a real one does (windows paint, input is discarded), like a slow or, with
// no reply left, a silent terminal.
class ScriptedTransport final : public Transport
{
public:
    std::vector<QByteArray> requests;
    std::deque<Reply> replies;
    int waitMs = 0;

    // A reply frame as it would come off the line, STX and terminator included.
    void reply(const QByteArray &wire)
    {
        frame::ReplyScanner scanner;
        switch (scanner.feedAll(wire)) {
        case frame::ReplyScanner::State::Complete:
            replies.push_back({ExchangeStatus::Ok, scanner.received(), wire, {}, {}});
            break;
        case frame::ReplyScanner::State::Overflow:
            replies.push_back({ExchangeStatus::Overflow, {}, wire, {}, {}});
            break;
        case frame::ReplyScanner::State::Collecting:
            replies.push_back({ExchangeStatus::TimedOut, {}, wire, {}, {}});
            break;
        }
    }
    void fail(ExchangeStatus status) { replies.push_back({status, {}, {}, {}, {}}); }
    // The request never left: the port could not be opened or written.
    void notSent(const QString &why)
    {
        replies.push_back({ExchangeStatus::PortFailed, {}, {}, why, {}});
    }

    Reply exchange(const QByteArray &request, bool expectReply) override
    {
        requests.push_back(request);
        if (!expectReply)
            return {};
        if (waitMs > 0) {
            ReplyWait wait(waitMs);
            wait.run();
        }
        if (replies.empty())
            return {ExchangeStatus::TimedOut, {}, {}, {}, {}};
        Reply next = replies.front();
        replies.pop_front();
        return next;
    }
};
