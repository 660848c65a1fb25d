#pragma once

#include "archive/packagetypes.h"

#include <QString>

// Names derived from the file name the save dialog returned. Every search
// looks for the last "/" or "." and is case-sensitive.
struct PackageNames
{
    QString folder;      // up to and including the last "/"; empty without one
    QString baseName;    // the file part without its last extension
    QString packagePath; // folder + baseName + ".mrv"
};

// False when the file part has no base name (".mrv", or a name ending in "/"):
// such a name cannot give a package file of its own.
[[nodiscard]] bool derivePackageNames(const QString &chosen, PackageNames *names);
