#pragma once

#include <QString>

// The user guide that Help > Tutorial opens: beside the program (a build tree,
// a copied program folder) or in the installed program's documentation folder;
// empty when neither holds it.
namespace userguide {

QString find(const QString &programFolder);

} // namespace userguide
