#include "platform/automation/Library.h"
#include "platform/automation/Registry.h"
#include "platform/automation/Status.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

// Registers a component library in the user's class registry, or with -u removes
// it; with --system the same in the system registry that every user reads after
// their own. Exit status 0 on success; on failure the status is printed in
// hexadecimal and the exit status is 1, since an exit status keeps only 8 bits and
// 0x80040200 would read as success.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    bool unregister = false;
    bool system = false;
    while (!args.isEmpty() &&
           (args.first() == QLatin1String("-u") || args.first() == QLatin1String("--system"))) {
        (args.first() == QLatin1String("-u") ? unregister : system) = true;
        args.removeFirst();
    }
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: vogreg [--system] [-u] LIBRARY\n";
        return 2;
    }
    // A library writes its registration into the user's registry through its own
    // copy of the registry code; pointing that registry at the system file for this
    // process is the one channel both copies share.
    if (system)
        qputenv("FENDREL_CLASS_REGISTRY",
                automation::ClassRegistry::systemFilePath().toLocal8Bit());
    const automation::Status status = unregister ? automation::unregisterServer(args.first())
                                                 : automation::registerServer(args.first());
    if (automation::failed(status)) {
        err << (unregister ? "vogreg: unregistering " : "vogreg: registering ") << args.first()
            << " failed: " << automation::statusText(status) << '\n';
        if (system)
            err << "vogreg: the system registry is " << automation::ClassRegistry::systemFilePath()
                << " (changing it needs root)\n";
        return 1;
    }
    return 0;
}
