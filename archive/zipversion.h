#pragma once

#include <QString>

// The version of the zip library the program runs with, for the About box.
QString zipLibraryVersion();
