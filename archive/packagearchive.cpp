#include "archive/packagearchive.h"

PackageArchive::PackageArchive(const QString &packagePath) : m_path(packagePath) {}

bool PackageArchive::readDocument(QByteArray *)
{
    m_error = QStringLiteral("not implemented");
    return false;
}

bool PackageArchive::packDirectory(const QString &, const ArchiveProgress &)
{
    m_error = QStringLiteral("not implemented");
    return false;
}

bool PackageArchive::update(const QStringList &, const QStringList &, const ArchiveProgress &)
{
    m_error = QStringLiteral("not implemented");
    return false;
}
