#pragma once

#include <QString>

// How a file is named in a package. Its entry is the file's bare name, with
// JPEG's other extensions spelled ".jpg"; the document calls it by that entry
// name with a "/" before it (the stored name, "/clip.mp4").

// The part of a path after its last "/"; a path without "/" whole.
QString bareName(const QString &path);

// The name a file is stored under, given its own name (or "/" and it): the
// same, except that JPEG's other extensions, ".jpeg" and ".jpe", become
// ".jpg", the one the player knows. Only the name changes, not the bytes.
QString storedFileName(const QString &name);

// The entry a file is stored as: its bare name under the rule above, so
// ".../a.jpeg" is stored as "a.jpg".
QString entryNameOf(const QString &path);

// "/clip.mp4" for ".../clip.mp4": the path from its last "/" under the rule
// above; a path without "/" whole.
QString storedName(const QString &path);

// The entry a stored name plays: "/clip.mp4" plays "clip.mp4". A stored name
// keeps its spelling: "/pic.jpeg" is the entry "pic.jpeg".
QString entryOfStoredName(const QString &stored);

// The stored name of an entry, as a user may name it with or without the "/".
QString storedNameOfEntry(const QString &name);

// Entry names with the same key clash: FAT and exFAT sticks, where packages
// travel, do not tell letter case apart.
QString nameClashKey(const QString &entryName);
