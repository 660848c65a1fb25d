#include "archive/zipversion.h"

#include <zip.h>

QString zipLibraryVersion()
{
    return QString::fromLatin1(zip_libzip_version());
}
