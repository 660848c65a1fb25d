#include "cli/commands.h"
#include "cli/console.h"
#include "media/playcheck.h"
#include "package/saveplan.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

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
    parser.setApplicationDescription(CliText::tr(
        "Prints a package's playlist: position, type, time and stored name of each row."));
    const QCommandLineOption json(
        QStringLiteral("json"),
        CliText::tr("Print the rows as a JSON array of objects with the keys "
                    "position, type, time and name, and what a probe of each "
                    "medium finds: problem (null when it plays) and, for "
                    "videos, length in seconds (null when unknown)."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("PKG"), CliText::tr("The package to list."));
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv list [options] PKG"), &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("mrv list"),
                          CliText::tr("give exactly one package to list."));

    const QString path = positional.first();
    PackageContents contents;
    QString error;
    if (!readPackage(path, defaultTransition(), &contents, &error)) {
        printError(error);
        return ExitFailed;
    }

    QSet<QString> stored;
    for (const PlaylistRow &row : std::as_const(contents.rows))
        stored.insert(row.file);
    QHash<QString, MediaInfo> probed;
    QJsonArray array;
    QStringList lines;
    for (int r = 0; r < contents.rows.size(); ++r) {
        const PlaylistRow &row = contents.rows.at(r);
        const QString type = typeName(row.file);
        if (parser.isSet(json)) {
            QJsonObject object{{QStringLiteral("position"), r + 1},
                               {QStringLiteral("type"), type},
                               {QStringLiteral("time"), row.time},
                               {QStringLiteral("name"), row.file}};
            // Only --json probes: the plain listing stays instant on a slow stick.
            const MediaSource source = rowSource(row.file, path, stored);
            auto info = probed.find(source.key());
            if (info == probed.end())
                info = probed.insert(source.key(), probeMedia(source));
            const QString problem = playProblem(row, &*info);
            object.insert(QStringLiteral("problem"),
                          problem.isEmpty() ? QJsonValue() : QJsonValue(problem));
            if (row.isVideo())
                object.insert(QStringLiteral("length"),
                              info->durationMs < 0 ? QJsonValue()
                                                   : QJsonValue(double(info->durationMs) / 1000));
            array.append(object);
        }
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
        printError(CliText::tr("“%1” lists “%2”, but holds no such file. Run “mrv check” on it.")
                       .arg(QDir::toNativeSeparators(path), name));
    return ExitSuccess;
}
