#include "platform/automation/Library.h"
#include "platform/automation/Status.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

// Registers a component library in the user's class registry, or with -u removes
// it. Exit status 0 on success; on failure the status is printed in hexadecimal and
// the exit status is 1, since an exit status keeps only 8 bits and 0x80040200 would
// read as success.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool unregister = !args.isEmpty() && args.first() == QLatin1String("-u");
    if (unregister)
        args.removeFirst();
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: vogreg [-u] LIBRARY\n";
        return 2;
    }
    const automation::Status status = unregister ? automation::unregisterServer(args.first())
                                                 : automation::registerServer(args.first());
    if (automation::failed(status)) {
        err << (unregister ? "vogreg: unregistering " : "vogreg: registering ") << args.first()
            << " failed: " << automation::statusText(status) << '\n';
        return 1;
    }
    return 0;
}
