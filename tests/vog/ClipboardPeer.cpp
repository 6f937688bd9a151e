// The other process of the clipboard tests: "copy DATA" floats DATA in a control,
// copies it, says "ready" and keeps the clipboard until its input closes;
// "paste" pastes into a new control and prints the floating selection.
#include "platform/automation/Object.h"
#include "platform/automation/Registry.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <unistd.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    automation::Object vog;
    if (automation::failed(
            vog.create(QStringLiteral("Vog.VogCtrl.1"), automation::ClassRegistry::user())))
        return 2;
    QTextStream out(stdout);
    if (args.value(1) == QLatin1String("copy")) {
        vog.call(QStringLiteral("SetOvl"), {args.value(2)});
        if (!vog.call(QStringLiteral("Copy")).toBool())
            return 3;
        out << "ready" << Qt::endl;
        // Serve the clipboard until the test closes our input.
        QSocketNotifier input(0, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
            char buffer[64];
            if (::read(0, buffer, sizeof buffer) <= 0)
                app.quit();
        });
        app.exec();
        return 0;
    }
    if (!vog.call(QStringLiteral("Paste")).toBool())
        return 5;
    out << vog.call(QStringLiteral("GetOvl")).toString() << Qt::endl;
    return 0;
}
