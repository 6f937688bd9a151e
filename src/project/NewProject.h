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

// "Could not create the folder '/usr/bin/20261208': 70: Permission denied".
QString folderFailureText(const QString &folder, const PlatformError &error);

// Whether a new folder can be made in folder (an installed program's folder takes none).
bool acceptsNewFolders(const QString &folder);

// The folder New proposes to put a project in: the program's own while it takes
// new folders, else the one that holds the last project (lastProject is the
// setting FileProject: a project file after Open, a project folder after New)
// when that takes new folders, else home.
QString proposedBase(const QString &programFolder, const QString &lastProject, const QString &home);

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
    QString source; // the template file that was being copied; empty for a folder
    QString target; // the file or folder that could not be made

    // The message naming the paths concerned.
    QString failureText() const;
};

// Copies the template into folder: "Resource.k7r" as name + ".k7r", then each
// subfolder in order. A missing template subfolder leaves its copy empty.
CopyOutcome copyTemplate(const QString &programFolder, const QString &folder, const QString &name);

} // namespace newproject
