#pragma once

#include <QString>

// The version of the video libraries the program runs with, for the About box.
QString videoLibraryVersion();
