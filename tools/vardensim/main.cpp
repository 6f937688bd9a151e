// vardensim: behaves as a Varden terminal on a UDP port or a serial device.
// It answers DV for the items of an extended firmware file, collects DL blocks
// and shows them on DS, logging every frame; fault options make it misbehave
// in the ways tests need.

#include "Terminal.h"
#include "link/Frame.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// Ports an ordinary user may open and the Options window accepts.
constexpr quint16 DefaultUdpPort = 4001;
constexpr quint16 LowestFreePort = 1024;
constexpr quint16 HighestFreePort = 9999;

void out(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    if (!line.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The exit statuses of every Fendrel tool.
enum Status { Done = 0, Refused = 1, Usage = 2 };

[[noreturn]] void fail(const QString &message, Status status)
{
    std::fprintf(stderr, "vardensim: %s\n", message.toLocal8Bit().constData());
    std::exit(status);
}

[[noreturn]] void usageError(const QString &message)
{
    fail(message + QStringLiteral("\nvardensim --help lists the options"), Usage);
}

struct Options
{
    QString serial;
    QHostAddress bind = QHostAddress::LocalHost;
    quint16 udpPort = DefaultUdpPort;
    int address = 1;
    QString firmware;
    QString png;
    bool quiet = false;
    Terminal::Faults faults;
};

int number(const QCommandLineParser &p, const QString &name)
{
    bool ok = false;
    const int value = p.value(name).toInt(&ok);
    if (!ok)
        usageError(QStringLiteral("--%1 takes a whole number").arg(name));
    return value;
}

Options parse(const QCoreApplication &app)
{
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("A stand-in Varden terminal for Fendrel, on a UDP port or a serial device.\n"
                       "Exit status: 0 done (a signal ends it), 1 refused (a firmware file it\n"
                       "cannot read, a port it cannot open), 2 usage error."));
    p.addHelpOption();
    p.addVersionOption();
    auto value = [&](const char *name, const char *help, const char *valueName) {
        p.addOption(
            {QString::fromLatin1(name), QString::fromLatin1(help), QString::fromLatin1(valueName)});
    };
    auto flag = [&](const char *name, const char *help) {
        p.addOption({QString::fromLatin1(name), QString::fromLatin1(help)});
    };
    value("udp", "Listen on this UDP port (default 4001; 0 picks a free one from 1024 to 9999).",
          "port");
    value("bind", "Address to listen on (default 127.0.0.1).", "address");
    value("serial", "Use this serial device instead of UDP (38400 8N1).", "device");
    value("address", "Terminal address (default 1).", "n");
    value("firmware", "Extended firmware file whose items DV shows.", "file.k7x");
    value("png", "Write the graphic shown by DS to this PNG file.", "file");
    flag("quiet", "Log nothing but the ready line.");
    flag("drop", "Fault: send no reply.");
    value("delay", "Fault: wait this long before replying.", "ms");
    flag("bad-checksum", "Fault: corrupt the reply's checksum.");
    flag("bad-length", "Fault: corrupt the reply's length field.");
    flag("short", "Fault: reply in short form (CR, no checksum).");
    flag("other-port", "Fault: reply from another UDP port.");
    value("noise", "Fault: put this text before the reply.", "text");
    value("answer", "Fault: answer with this reply letter (A B C D E F I N ...).", "letter");
    flag("cut", "Fault: send half of the reply, then exit.");
    value("fault-from", "Faults start at this request, counting from 1 (default 1).", "n");
    value("fault-count", "Faults apply to this many requests (default all).", "n");
    // parse, not process: process exits with 1 on a usage error.
    if (!p.parse(app.arguments()))
        usageError(p.errorText());
    if (p.isSet(QStringLiteral("help")) || p.isSet(QStringLiteral("help-all"))) {
        // The parser names the program as it was started; the usage line names it
        // as a user types it.
        QString help = p.helpText();
        help.replace(0, help.indexOf(QLatin1Char('\n')),
                     QStringLiteral("Usage: vardensim [options]"));
        std::fputs(help.toLocal8Bit().constData(), stdout);
        std::exit(Done);
    }
    if (p.isSet(QStringLiteral("version")))
        p.showVersion();
    if (!p.positionalArguments().isEmpty())
        usageError(
            QStringLiteral("unexpected argument \"%1\"").arg(p.positionalArguments().constFirst()));

    Options o;
    o.serial = p.value(QStringLiteral("serial"));
    if (p.isSet(QStringLiteral("udp")))
        o.udpPort = static_cast<quint16>(number(p, QStringLiteral("udp")));
    if (p.isSet(QStringLiteral("bind")) && !o.bind.setAddress(p.value(QStringLiteral("bind"))))
        usageError(QStringLiteral("--bind needs an IP address"));
    if (p.isSet(QStringLiteral("address")))
        o.address = number(p, QStringLiteral("address"));
    o.firmware = p.value(QStringLiteral("firmware"));
    o.png = p.value(QStringLiteral("png"));
    o.quiet = p.isSet(QStringLiteral("quiet"));
    Terminal::Faults &f = o.faults;
    f.drop = p.isSet(QStringLiteral("drop"));
    if (p.isSet(QStringLiteral("delay")))
        f.delayMs = number(p, QStringLiteral("delay"));
    f.badChecksum = p.isSet(QStringLiteral("bad-checksum"));
    f.badLength = p.isSet(QStringLiteral("bad-length"));
    f.shortForm = p.isSet(QStringLiteral("short"));
    f.otherPort = p.isSet(QStringLiteral("other-port"));
    f.noise = p.value(QStringLiteral("noise")).toLatin1();
    const QByteArray answer = p.value(QStringLiteral("answer")).toLatin1();
    if (answer.size() > 1)
        usageError(QStringLiteral("--answer takes one letter"));
    f.answer = answer.isEmpty() ? 0 : answer[0];
    f.cut = p.isSet(QStringLiteral("cut"));
    if (p.isSet(QStringLiteral("fault-from")))
        f.from = number(p, QStringLiteral("fault-from"));
    if (p.isSet(QStringLiteral("fault-count")))
        f.count = number(p, QStringLiteral("fault-count"));
    return o;
}

// Binds to port, or for port 0 to a free port from LowestFreePort to
// HighestFreePort (the system's own choice would lie above what the Options
// window accepts), starting the search at a random one.
bool bindUdp(QUdpSocket &socket, const QHostAddress &address, quint16 port)
{
    if (port != 0)
        return socket.bind(address, port);
    const int span = HighestFreePort - LowestFreePort + 1;
    const int start = QRandomGenerator::global()->bounded(span);
    for (int i = 0; i < span; ++i) {
        const auto candidate = static_cast<quint16>(LowestFreePort + (start + i) % span);
        if (socket.bind(address, candidate))
            return true;
    }
    return false;
}

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the event loop, so the serial port is closed
// and its lock file removed as on any other exit.
void quitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp,
                     [] { QCoreApplication::exit(0); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
#else
void quitOnSignals() {}
#endif

// Sends a response after its delay, then exits when it was meant to vanish.
void deliver(const Terminal::Response &r, bool quiet,
             const std::function<void(const QByteArray &, bool)> &send)
{
    if (r.wire.isEmpty())
        return;
    auto go = [r, quiet, send] {
        if (!quiet)
            out(logLine("->", r.wire));
        send(r.wire, r.otherPort);
        if (r.vanish) {
            out(QStringLiteral("vanishing"));
            QCoreApplication::exit(0);
        }
    };
    if (r.delayMs > 0)
        QTimer::singleShot(r.delayMs, QCoreApplication::instance(), go);
    else
        go();
}

} // namespace

int main(int argc, char *argv[])
{
    // No window is shown; the GUI application only lends QImage its PNG writer.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardensim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FENDREL_VERSION));
    const Options o = parse(app);
    quitOnSignals();

    FirmwareItems items;
    if (!o.firmware.isEmpty()) {
        QString error;
        items = FirmwareItems::load(o.firmware, &error);
        if (!error.isEmpty())
            fail(QStringLiteral("%1: %2").arg(o.firmware, error), Refused);
        for (const QString &warning : items.warnings())
            out(QStringLiteral("firmware warning: %1").arg(warning));
        out(QStringLiteral("firmware %1: %2 items").arg(o.firmware).arg(items.count()));
    }
    Terminal terminal(o.address, items, !o.firmware.isEmpty(), o.faults);
    terminal.print = o.quiet ? std::function<void(const QString &)>([](const QString &) {}) : out;
    const auto log = [&o](const char *direction, const QByteArray &bytes) {
        if (!o.quiet)
            out(logLine(direction, bytes));
    };
    terminal.pngPath = o.png;

    QSerialPort serial;
    QUdpSocket socket;
    QUdpSocket otherSocket;
    frame::ReplyScanner scanner;

    if (!o.serial.isEmpty()) {
        serial.setPortName(o.serial);
        if (!serial.open(QIODevice::ReadWrite) || !serial.setBaudRate(QSerialPort::Baud38400) ||
            !serial.setDataBits(QSerialPort::Data8) || !serial.setParity(QSerialPort::NoParity) ||
            !serial.setStopBits(QSerialPort::OneStop)) {
            const QString error = serial.errorString();
            serial.close(); // fail() skips the destructors; the lock file must go
            fail(QStringLiteral("%1: %2").arg(o.serial, error), Refused);
        }
        QObject::connect(&serial, &QSerialPort::readyRead, [&] {
            const QByteArray bytes = serial.readAll();
            log("<-", bytes);
            for (char c : bytes) {
                // Requests are always full form; a CR is just noise here.
                if (c == frame::CR && scanner.state() == frame::ReplyScanner::State::Collecting)
                    continue;
                if (scanner.feed(c) == frame::ReplyScanner::State::Overflow)
                    scanner = {};
                if (scanner.state() == frame::ReplyScanner::State::Complete) {
                    const QByteArray chars = scanner.received().chars;
                    scanner = {};
                    deliver(terminal.respond(chars), o.quiet, [&](const QByteArray &wire, bool) {
                        serial.write(wire);
                        serial.flush();
                    });
                }
            }
        });
        QObject::connect(&serial, &QSerialPort::errorOccurred, [&](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError)
                return;
            std::fprintf(stderr, "vardensim: %s: %s\n", o.serial.toLocal8Bit().constData(),
                         serial.errorString().toLocal8Bit().constData());
            // Out through main, which closes the port and so removes its lock file.
            QCoreApplication::exit(Refused);
        });
        out(QStringLiteral("vardensim ready serial %1").arg(o.serial));
    } else {
        if (!bindUdp(socket, o.bind, o.udpPort))
            fail(QStringLiteral("UDP port %1: %2").arg(o.udpPort).arg(socket.errorString()),
                 Refused);
        if (!otherSocket.bind(o.bind, 0))
            fail(otherSocket.errorString(), Refused);
        QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [&] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram d = socket.receiveDatagram();
                log("<-", d.data());
                frame::ReplyScanner one;
                if (one.feedAll(d.data()) != frame::ReplyScanner::State::Complete)
                    continue;
                const QHostAddress sender = d.senderAddress();
                const quint16 port = static_cast<quint16>(d.senderPort());
                deliver(terminal.respond(one.received().chars), o.quiet,
                        [&, sender, port](const QByteArray &wire, bool otherPort) {
                            (otherPort ? otherSocket : socket).writeDatagram(wire, sender, port);
                        });
            }
        });
        out(QStringLiteral("vardensim ready udp %1 %2")
                .arg(o.bind.toString())
                .arg(socket.localPort()));
    }
    return app.exec();
}
