#pragma once

#include "project/ItemTable.h"

#include <QByteArray>
#include <QString>

// A project file read for a command-line build: the same parser the editor
// uses, with its failures as the text the editor would show.
struct ProjectInput
{
    ItemTable items;
    QString folder;   // with its trailing separator
    QString error;    // empty when the project was read
    QByteArray bytes; // the file itself, when asked for

    static ProjectInput read(const QString &projectFile, bool keepBytes = false);
};
