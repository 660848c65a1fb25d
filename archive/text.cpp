#include "archive/text.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString quoted(const QString &path)
{
    return CoreText::tr("“%1”").arg(QDir::toNativeSeparators(path));
}

namespace {

bool loadInto(QCoreApplication *app, const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(app);
        if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace

void loadTranslations(QCoreApplication *app, const QString &folder)
{
    // Installed beside the program's data, or in the build folder next to
    // the program's own when it runs uninstalled.
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList ours{programFolder +
                         QLatin1String("/../share/merovi-playlist-builder/translations"),
                     programFolder + QLatin1String("/../translations")};
    if (!folder.isEmpty())
        ours.prepend(folder);
    // English needs no catalogue; a language without one stays English
    // rather than mixing in Qt's words for its buttons.
    if (!loadInto(app, QStringLiteral("merovi"), ours))
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    loadInto(app, QStringLiteral("qtbase"), {qtFolder});
}
