#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "document/storednames.h"
#include "media/playcheck.h"
#include "package/saveplan.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

namespace {

struct Retime
{
    QString name;
    QString time;
};

bool holdsName(const PlaylistRows &rows, const QString &name)
{
    return std::any_of(rows.cbegin(), rows.cend(),
                       [&name](const PlaylistRow &row) { return row.file == name; });
}

// What the command line asks of the package, checked whole before the package is read.
struct UpdateRequest
{
    QString path;
    QVector<FileArgument> additions;
    QStringList removals;
    QVector<Retime> retimes;
    bool strict = false;
};

// Reads the command line into *request; false with *exitCode when it is
// wrong or only asked for help.
bool parseUpdate(const QStringList &arguments, UpdateRequest *request, int *exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Changes a package in one transaction, as the window's Save does for an open "
        "playlist: removals first, then new times, then additions at the end. Either all of "
        "it is written or nothing."));
    const QCommandLineOption add(
        QStringLiteral("add"),
        CliText::tr("Append a media file; an image plays for the time given, or "
                    "for %1.")
            .arg(defaultImageTime()),
        QStringLiteral("FILE[=hh:mm:ss]"));
    const QCommandLineOption remove(
        QStringLiteral("remove"),
        CliText::tr("Remove every row that plays NAME (a stored name such as "
                    "/clip.mp4; the \"/\" may be left out)."),
        QStringLiteral("NAME"));
    const QCommandLineOption duration(
        QStringLiteral("duration"),
        CliText::tr("Set the time of every row that plays the image NAME."),
        QStringLiteral("NAME=hh:mm:ss"));
    const QCommandLineOption strict = strictOption();
    parser.addOptions({add, remove, duration, strict});
    parser.addPositionalArgument(QStringLiteral("PKG"), CliText::tr("The package to change."));
    *exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv update [options] PKG"), exitCode))
        return false;
    const auto refuse = [exitCode](const QString &message) {
        *exitCode = usageError(QStringLiteral("mrv update"), message);
        return false;
    };

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return refuse(CliText::tr("give exactly one package to update."));
    if (!parser.isSet(add) && !parser.isSet(remove) && !parser.isSet(duration))
        return refuse(CliText::tr("give at least one --add, --remove or --duration."));
    for (const QString &argument : parser.values(add)) {
        FileArgument file;
        QString error;
        if (!parseFileArgument(argument, &file, &error))
            return refuse(error);
        request->additions.append(file);
    }
    for (const QString &argument : parser.values(duration)) {
        const int equals = argument.lastIndexOf(QLatin1Char('='));
        QString time;
        QString why;
        if (equals <= 0 || !readTime(argument.mid(equals + 1), &time, &why))
            return refuse(
                CliText::tr("“%1” is not a valid --duration: write it as NAME=hh:mm:ss (or 90, "
                            "1:30). %2")
                    .arg(argument, why));
        request->retimes.append({storedNameOfEntry(argument.left(equals)), time});
    }
    for (const QString &argument : parser.values(remove))
        request->removals.append(storedNameOfEntry(argument));
    request->path = positional.first();
    request->strict = parser.isSet(strict);
    return true;
}

// Removes the rows named, then sets the new times; false (said) when a name
// is not in the playlist or a video is given a time.
bool removeAndRetime(const UpdateRequest &request, const PlaylistRows &stored, const QString &shown,
                     PlaylistRows *rows)
{
    QStringList unknown;
    for (const QString &name : request.removals) {
        if (!holdsName(stored, name))
            unknown.append(name);
        rows->erase(std::remove_if(rows->begin(), rows->end(),
                                   [&name](const PlaylistRow &row) { return row.file == name; }),
                    rows->end());
    }
    for (const Retime &retime : request.retimes) {
        if (!holdsName(stored, retime.name)) {
            unknown.append(retime.name);
            continue;
        }
        for (PlaylistRow &row : *rows) {
            if (row.file != retime.name)
                continue;
            if (row.isVideo()) {
                printError(CliText::tr(
                               "Cannot update “%1”: “%2” is a video, it plays to its end and takes "
                               "no time. Nothing was written.")
                               .arg(shown, retime.name));
                return false;
            }
            row.time = retime.time;
        }
    }
    if (!unknown.isEmpty()) {
        printError(CliText::tr("Cannot update “%1”: its playlist has no “%2”. Nothing was written; "
                               "“mrv list” shows the names it holds.")
                       .arg(shown, unknown.join(QStringLiteral("”, “"))));
        return false;
    }
    return true;
}

} // namespace

int runUpdate(const QStringList &arguments)
{
    UpdateRequest request;
    int exitCode = ExitSuccess;
    if (!parseUpdate(arguments, &request, &exitCode))
        return exitCode;
    const QString &path = request.path;
    const QString shown = QDir::toNativeSeparators(path);
    PackageContents contents;
    QString error;
    if (!readPackage(path, defaultTransition(), &contents, &error)) {
        printError(error);
        return ExitFailed;
    }
    PlaylistRows rows = contents.rows;
    QStringList addedPaths;
    if (!removeAndRetime(request, contents.rows, shown, &rows) ||
        !appendFileRows(request.additions, defaultImageTime(), nullptr, &rows, &addedPaths))
        return ExitFailed;
    addedPaths.removeDuplicates();
    if (rows.isEmpty()) {
        printError(
            CliText::tr("Cannot update “%1”: the playlist would be empty. Nothing was written.")
                .arg(shown));
        return ExitFailed;
    }

    QSet<QString> stored;
    for (const PlaylistRow &row : std::as_const(contents.rows))
        stored.insert(row.file);
    if (!reportMayNotPlay(probeMayNotPlay(rows, path, stored), request.strict, path))
        return ExitFailed;

    const SavePlan plan = makeSavePlan(path, path, rows, contents);
    SaveOutcome outcome;
    {
        TerminalProgress progress(path, QFileInfo(path).size() + totalFileSize(addedPaths));
        JobControl control(progress.sink());
        outcome = runSavePlan(plan, &control);
    }
    return reportSave(outcome, path);
}
