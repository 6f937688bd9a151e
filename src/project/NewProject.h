#pragma once

#include "platform/PlatformError.h"

#include <QString>
#include <QStringList>

// Creating a project from the template folder "Project_Default" that is
// installed with the program: its project file under the new name and the
// plain files of its eight item subfolders.
namespace newproject {

inline const QStringList kSubfolders = {QStringLiteral("Const"), QStringLiteral("Defev"),
                                        QStringLiteral("Dmsg"),  QStringLiteral("Fbar"),
                                        QStringLiteral("Menu"),  QStringLiteral("Misc"),
                                        QStringLiteral("Msg"),   QStringLiteral("Ostg")};

// The template beside the program when there is one (a build tree, a copied
// program folder), else the one in the data folder of the installed program's
// prefix; when neither exists, the one beside the program, which then reports
// itself missing as the copy's first step.
QString templateFolder(const QString &programFolder);

// Creates one folder. A folder that exists already (error 75) counts as made,
// so the result is only ever another failure: 76 when a parent is missing.
PlatformError createFolder(const QString &path);

// Copies source over target (replacing it), all or nothing.
PlatformError copyFile(const QString &source, const QString &target);

struct CopyOutcome
{
    enum class Stage {
        Done,
        ProjectFile, // the template's project file could not be copied: nothing to load
        Subfolders,  // copying stopped in a subfolder: the project file is in place
    };
    Stage stage = Stage::Done;
    PlatformError error;
};

// Copies the template into folder: "Resource.k7r" as name + ".k7r", then each
// subfolder in order. A missing template subfolder leaves its copy empty.
CopyOutcome copyTemplate(const QString &programFolder, const QString &folder, const QString &name);

} // namespace newproject
