#pragma once

#include "platform/PlatformError.h"

#include <QString>

class ProjectState;
struct Services;

// The two operations that replace the loaded project. Both report their own
// failures through the messages service and return 0 (loaded) or -1.
namespace projectloader {

// Loads folder + separator + fileName. Used by New, which ignores the status.
int LoadProject(ProjectState &state, Services &services, const QString &fileName,
                const QString &folder);

// Asks for a project file, starting from the setting FileProject, then loads
// it. A cancelled dialog returns -1 without a message.
int OpenProject(ProjectState &state, Services &services);

// The steps of Open after its dialog, for a project file named on the command
// line: the setting FileProject, the folder path and the working directory follow
// fullPath, then it is loaded.
int openProjectFile(ProjectState &state, Services &services, const QString &fullPath);

inline constexpr char kSettingKey[] = "FileProject";
inline constexpr char kDialogTitle[] = "Load Project File";
inline constexpr char kDialogFilter[] = "Project files (*.k7r)|*.k7r|All files|*.*";

} // namespace projectloader
