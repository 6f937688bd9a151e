#pragma once

#include "Commands.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace k7xtool {

// A command's words and the options it was given, each option at most once.
struct Arguments
{
    QStringList words;
    QHash<QString, QString> options; // by name, "--scale"

    std::optional<QString> option(const QString &name) const;
};

// Splits the options (each followed by its value) from the words and checks
// the count of words. When the command should not go on, prints its usage
// (to standard output for --help, else to standard error after the reason)
// and gives the status to end with.
std::optional<int> parseArguments(const QString &command, const QStringList &args,
                                  const QStringList &options, qsizetype leastWords,
                                  qsizetype mostWords, Streams io, Arguments &parsed);

} // namespace k7xtool
