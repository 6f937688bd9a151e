#pragma once

#include "FirmwareItems.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What the simulated terminal does with a request, the deliberate faults
// included; the program around it only moves bytes.
class Terminal
{
public:
    struct Faults
    {
        bool drop = false;
        int delayMs = 0;
        bool badChecksum = false;
        bool badLength = false;
        bool shortForm = false;
        bool otherPort = false;
        QByteArray noise;
        char answer = 0;  // a reply letter to give instead of the real one
        bool cut = false; // send half the reply, then vanish
        int from = 1;     // the first request (counting from 1) the faults apply to
        int count = -1;   // how many requests they apply to; -1: all from then on
    };

    struct Response
    {
        QByteArray wire; // empty: no reply
        int delayMs = 0;
        bool otherPort = false;
        bool vanish = false;
    };

    Terminal(int address, FirmwareItems items, bool haveFirmware, Faults faults);

    // chars: what lay between the request's STX and ETX.
    Response respond(const QByteArray &chars);

    // Lines for the log and for the graphic shown on DS.
    std::function<void(const QString &)> print;
    QString pngPath;

private:
    QByteArray payloadFor(const QByteArray &commandText);
    bool faultsApply() const;

    int m_address;
    FirmwareItems m_items;
    bool m_haveFirmware;
    Faults m_faults;
    int m_requests = 0;
    QByteArray m_graphic;
};

// One log line: time, direction, bytes in hex and as text with control
// characters named, decoded as the program's own frame log decodes them.
QString logLine(const char *direction, const QByteArray &bytes);
