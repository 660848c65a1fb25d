#pragma once

#include <QString>

// What mrv reads from its command line, checked before anything touches a file.

// The image time the window starts with: what a file given without a time plays for.
QString defaultImageTime();

// A time in any form the window's Duration field takes (90, 1:30, 00:01:30)
// as rows hold it, "00:01:30"; false with why saying what is wrong.
[[nodiscard]] bool readTime(const QString &text, QString *time, QString *why);

// A FILE[=TIME] argument, TIME as readTime takes it. The text after the last "=" is a time only
// when it reads as one, so a file named "a=b.png" is still given whole.
struct FileArgument
{
    QString path; // absolute
    QString time; // empty when none was given
};

// False, with error naming the argument, when a time was meant but is not valid.
[[nodiscard]] bool parseFileArgument(const QString &argument, FileArgument *file, QString *error);

// A warning for a file of no type the document knows by its extension, else empty text.
QString unknownTypeWarning(const QString &path);
