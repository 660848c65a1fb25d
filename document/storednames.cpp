#include "document/storednames.h"

#include "playlist/mediatype.h"

QString bareName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString storedFileName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.indexOf(QLatin1Char('/'), dot) >= 0)
        return name;
    if (playerFormatOf(name) == PlayerFormat::Jpeg &&
        name.mid(dot + 1).compare(QLatin1String("jpg"), Qt::CaseInsensitive) != 0)
        return name.left(dot) + QLatin1String(".jpg");
    return name;
}

QString entryNameOf(const QString &path)
{
    return storedFileName(bareName(path));
}

QString storedName(const QString &path)
{
    // mid(-1) is the whole text, so a path without "/" stays as it is.
    return storedFileName(path.mid(path.lastIndexOf(QLatin1Char('/'))));
}

QString entryOfStoredName(const QString &stored)
{
    return stored.startsWith(QLatin1Char('/')) ? stored.mid(1) : stored;
}

QString storedNameOfEntry(const QString &name)
{
    return name.startsWith(QLatin1Char('/')) ? name : QLatin1Char('/') + name;
}

QString nameClashKey(const QString &entryName)
{
    return entryName.toCaseFolded();
}
