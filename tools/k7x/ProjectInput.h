#pragma once

#include "project/ItemTable.h"

#include <QString>

// A project file read for a command-line build: the same parser the editor
// uses, with its failures as the text the editor would show.
struct ProjectInput
{
    ItemTable items;
    QString folder; // with its trailing separator
    QString error;  // empty when the project was read

    static ProjectInput read(const QString &projectFile);
};
