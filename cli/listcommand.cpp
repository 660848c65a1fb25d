#include "cli/commands.h"
#include "cli/console.h"
#include "package/saveplan.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

namespace {

QString typeName(const QString &storedName)
{
    switch (getMediaType(storedName)) {
    case MediaImage:
        return QStringLiteral("image");
    case MediaVideo:
        return QStringLiteral("video");
    case MediaArchive:
        return QStringLiteral("archive");
    default:
        return QStringLiteral("other");
    }
}

} // namespace

int runList(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Prints a package's playlist: position, type, time and stored name of each row."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  tr("Print the rows as a JSON array of objects with the keys "
                                     "position, type, time and name."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("PKG"), tr("The package to list."));
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv list [options] PKG"), &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("mrv list"), tr("give exactly one package to list."));

    const QString path = positional.first();
    PackageContents contents;
    QString error;
    if (!readPackage(path, defaultTransition(), &contents, &error)) {
        printError(error);
        return ExitFailed;
    }

    QJsonArray array;
    QStringList lines;
    for (int r = 0; r < contents.rows.size(); ++r) {
        const PlaylistRow &row = contents.rows.at(r);
        const QString type = typeName(row.file);
        array.append(QJsonObject{{QStringLiteral("position"), r + 1},
                                 {QStringLiteral("type"), type},
                                 {QStringLiteral("time"), row.time},
                                 {QStringLiteral("name"), row.file}});
        lines.append(QStringLiteral("%1  %2  %3  %4")
                         .arg(r + 1, 4)
                         .arg(type, -7)
                         .arg(row.time, -8)
                         .arg(row.file));
    }
    if (parser.isSet(json))
        printOut(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)).trimmed());
    else if (!lines.isEmpty())
        printOut(lines.join(QLatin1Char('\n')));

    for (const QString &name : std::as_const(contents.missingMedia))
        printError(tr("“%1” lists “%2”, but holds no such file. Run “mrv check” on it.")
                       .arg(QDir::toNativeSeparators(path), name));
    return ExitSuccess;
}
