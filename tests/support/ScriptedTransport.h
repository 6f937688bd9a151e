#pragma once

#include "link/Transport.h"

#include <deque>
#include <vector>

// Hands out canned replies in order and records every request; with no reply
// left it times out.
class ScriptedTransport final : public Transport
{
public:
    std::vector<QByteArray> requests;
    std::deque<Reply> replies;

    // A reply frame as it would come off the line, STX and terminator included.
    void reply(const QByteArray &wire)
    {
        frame::ReplyScanner scanner;
        switch (scanner.feedAll(wire)) {
        case frame::ReplyScanner::State::Complete:
            replies.push_back({ExchangeStatus::Ok, scanner.received()});
            break;
        case frame::ReplyScanner::State::Overflow:
            replies.push_back({ExchangeStatus::Overflow, {}});
            break;
        case frame::ReplyScanner::State::Collecting:
            replies.push_back({ExchangeStatus::TimedOut, {}});
            break;
        }
    }
    void fail(ExchangeStatus status) { replies.push_back({status, {}}); }

    Reply exchange(const QByteArray &request, bool expectReply) override
    {
        requests.push_back(request);
        if (!expectReply)
            return {};
        if (replies.empty())
            return {ExchangeStatus::TimedOut, {}};
        Reply next = replies.front();
        replies.pop_front();
        return next;
    }
};
