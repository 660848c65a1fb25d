#include "media/mediaversion.h"

extern "C" {
#include <libavutil/avutil.h>
}

QString videoLibraryVersion()
{
    return QString::fromLatin1(av_version_info());
}
