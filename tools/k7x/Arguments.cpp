#include "Arguments.h"

#include <QTextStream>

namespace k7xtool {

std::optional<QString> Arguments::option(const QString &name) const
{
    const auto found = options.constFind(name);
    if (found == options.cend())
        return std::nullopt;
    return *found;
}

std::optional<int> parseArguments(const QString &command, const QStringList &args,
                                  const QStringList &options, qsizetype leastWords,
                                  qsizetype mostWords, Streams io, Arguments &parsed)
{
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        io.out << usage(command);
        return Done;
    }
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString &arg = args[k];
        if (options.contains(arg) && k + 1 < args.size() && !parsed.options.contains(arg)) {
            parsed.options.insert(arg, args[++k]);
            continue;
        }
        if (arg.startsWith(QLatin1String("--"))) {
            io.err << "k7x " << command << ": unknown or repeated option \"" << arg << "\"\n"
                   << usage(command);
            return Usage;
        }
        parsed.words << arg;
    }
    if (parsed.words.size() < leastWords || parsed.words.size() > mostWords) {
        io.err << usage(command);
        return Usage;
    }
    return std::nullopt;
}

} // namespace k7xtool
