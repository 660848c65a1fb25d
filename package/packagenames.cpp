#include "package/packagenames.h"

bool derivePackageNames(const QString &chosen, PackageNames *names)
{
    const int slash = chosen.lastIndexOf(QLatin1Char('/'));
    const QString filePart = chosen.mid(slash + 1);
    const int dot = filePart.lastIndexOf(QLatin1Char('.'));
    const QString baseName = dot < 0 ? filePart : filePart.left(dot);
    if (baseName.isEmpty())
        return false;
    names->folder = chosen.left(slash + 1);
    names->baseName = baseName;
    names->packagePath = names->folder + baseName + QLatin1String(".mrv");
    return true;
}
