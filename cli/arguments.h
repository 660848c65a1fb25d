#pragma once

#include <QString>

// What mrv reads from its command line, checked before anything touches a file.

// The image time the window starts with: what a file given without a time plays for.
QString defaultImageTime();

// True for "hh:mm:ss" with exactly two digits each, as the window's time field
// allows it: 00:00:00 to 23:59:59.
bool isValidTime(const QString &text);

// A FILE[=hh:mm:ss] argument. The text after the last "=" is a time only when
// it reads as one, so a file named "a=b.png" is still given whole.
struct FileArgument
{
    QString path; // absolute
    QString time; // empty when none was given
};

// False, with error naming the argument, when a time was meant but is not valid.
[[nodiscard]] bool parseFileArgument(const QString &argument, FileArgument *file, QString *error);

// A warning for a file of no type the document knows by its extension, else empty text.
QString unknownTypeWarning(const QString &path);

// A stored name as the package document writes it: "/clip.mp4" for "clip.mp4" or "/clip.mp4".
QString storedNameArgument(const QString &name);
