#include "platform/automation/Library.h"
#include "platform/automation/Registry.h"
#include "platform/automation/Status.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

// The exit statuses of every Fendrel tool.
enum Status { Done = 0, Refused = 1, Usage = 2 };

const char usageText[] =
    "Usage: vogreg [--system] [-u] LIBRARY\n"
    "Registers the component library LIBRARY (the Vog control, libvog.so) in the\n"
    "user's class registry, or with -u removes its registration; with --system the\n"
    "same in the system class registry that every user reads after their own.\n"
    "\n"
    "Options:\n"
    "  -u             unregister instead of register\n"
    "  --system       the system registry (changing it needs root)\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Exit status: 0 done, 1 refused (the status is printed in hexadecimal), 2 usage\n"
    "error.\n";

} // namespace

// Registers a component library in the user's class registry, or with -u removes
// it; with --system the same in the system registry that every user reads after
// their own. On failure the status is printed in hexadecimal and the exit status
// is 1, since an exit status keeps only 8 bits and 0x80040200 would read as success.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool unregister = false;
    bool system = false;
    QStringList libraries;
    for (const QString &arg : QCoreApplication::arguments().mid(1)) {
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out << usageText;
            return Done;
        }
        if (arg == QLatin1String("--version")) {
            out << "vogreg " FENDREL_VERSION "\n";
            return Done;
        }
        if (arg == QLatin1String("-u"))
            unregister = true;
        else if (arg == QLatin1String("--system"))
            system = true;
        else if (arg.startsWith(QLatin1Char('-'))) {
            err << "vogreg: unknown option \"" << arg << "\"\n" << usageText;
            return Usage;
        } else
            libraries << arg;
    }
    if (libraries.size() != 1) {
        err << usageText;
        return Usage;
    }
    const QString &library = libraries.first();
    // A library writes its registration into the user's registry through its own
    // copy of the registry code; pointing that registry at the system file for this
    // process is the one channel both copies share.
    if (system)
        qputenv("FENDREL_CLASS_REGISTRY",
                automation::ClassRegistry::systemFilePath().toLocal8Bit());
    const automation::Status status =
        unregister ? automation::unregisterServer(library) : automation::registerServer(library);
    if (automation::failed(status)) {
        err << (unregister ? "vogreg: unregistering " : "vogreg: registering ") << library
            << " failed: " << automation::statusText(status) << '\n';
        if (system)
            err << "vogreg: the system registry is " << automation::ClassRegistry::systemFilePath()
                << " (changing it needs root)\n";
        return Refused;
    }
    return Done;
}
