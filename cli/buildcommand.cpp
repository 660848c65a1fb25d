#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "media/mediaconvert.h"
#include "media/playcheck.h"
#include "media/screenfit.h"
#include "package/packagenames.h"
#include "package/saveplan.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QString videoTimeRefusal(const QString &path)
{
    return CliText::tr("“%1” is a video: it plays to its end and takes no time. Give it without "
                       "“=hh:mm:ss”.")
        .arg(QDir::toNativeSeparators(path));
}

QString megabytes(qint64 bytes)
{
    return QLocale::c().toString(double(bytes) / 1e6, 'f', 1) + QLatin1String(" MB");
}

// Fits the files the profile finds too large or too rich and points the
// rows at the copies. False when one could not be fitted.
bool fitRows(PlaylistRows *rows, QStringList *paths, const ScreenProfile &profile)
{
    QStringList files = *paths;
    files.removeDuplicates();
    const FitOutcome outcome = fitFiles(files, profile, nullptr);
    for (const QString &failure : outcome.failures)
        printError(failure);
    for (int i = 0; i < outcome.files.size(); ++i) {
        const QString &file = outcome.files.at(i);
        printError(CliText::tr("Fitted “%1”: %2.")
                       .arg(QDir::toNativeSeparators(file), outcome.reasons.at(i)));
        for (PlaylistRow &row : *rows)
            if (row.file == file)
                row.file = outcome.copies.at(i);
        for (QString &path : *paths)
            if (path == file)
                path = outcome.copies.at(i);
    }
    if (!outcome.files.isEmpty())
        printError(CliText::tr("Fitted %1 of %2 files to the screen: %3 → %4.")
                       .arg(outcome.files.size())
                       .arg(files.size())
                       .arg(megabytes(outcome.before), megabytes(outcome.after)));
    return outcome.failures.isEmpty();
}

} // namespace

qint64 totalFileSize(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths)
        total += QFileInfo(path).size();
    return total;
}

int reportSave(const SaveOutcome &outcome, const QString &packagePath)
{
    if (!outcome.warning.isEmpty())
        printError(outcome.warning);
    switch (outcome.status) {
    case SaveOutcome::Status::Done:
        printOut(CliText::tr("Saved “%1” (rows: %2).")
                     .arg(QDir::toNativeSeparators(packagePath))
                     .arg(outcome.contents.rows.size()));
        return ExitSuccess;
    case SaveOutcome::Status::ChangedElsewhere:
        // Another program wrote the package between mrv's read and its write.
        printError(outcome.error + QLatin1Char('\n') +
                   CliText::tr("Nothing was written to “%1”. Run the command again.")
                       .arg(QDir::toNativeSeparators(packagePath)));
        return ExitFailed;
    case SaveOutcome::Status::Failed:
    case SaveOutcome::Status::Cancelled:
        break;
    }
    printError(outcome.error);
    return ExitFailed;
}

bool reportMayNotPlay(const QStringList &lines, bool strict, const QString &packagePath)
{
    if (lines.isEmpty())
        return true;
    printError(mayNotPlayText(lines, int(lines.size())));
    if (!strict)
        return true;
    printError(CliText::tr("Nothing was written to “%1”: --strict refuses media that may not play.")
                   .arg(QDir::toNativeSeparators(packagePath)));
    return false;
}

bool appendFileRows(const QVector<FileArgument> &files, const QString &imageTime,
                    const std::function<bool(const QString &)> &fitLater, PlaylistRows *rows,
                    QStringList *paths)
{
    for (FileArgument file : files) {
        const bool original = fitLater && fitLater(file.path);
        if (!original && !convertArgument(&file.path))
            return false;
        const PlaylistRow row =
            rowForFile(file.path, file.time.isEmpty() ? imageTime : file.time, defaultTransition());
        if (row.isVideo() && !file.time.isEmpty()) {
            printError(videoTimeRefusal(file.path));
            return false;
        }
        const QString warning = original ? QString() : unknownTypeWarning(file.path);
        if (!warning.isEmpty())
            printError(warning);
        rows->append(row);
        paths->append(file.path);
    }
    return true;
}

bool convertArgument(QString *path)
{
    const ConversionPlan plan = planConversion(*path);
    if (plan.kind == ConversionPlan::Kind::None || plan.kind == ConversionPlan::Kind::Unsupported)
        return true; // taken as it is, or warned about by type
    QString error;
    const QString made = convertForPackage(*path, plan, nullptr, &error);
    if (made.isEmpty()) {
        printError(error);
        return false;
    }
    printError(CliText::tr("Converted “%1” to “%2” (%3).")
                   .arg(QDir::toNativeSeparators(*path), plan.storedName, plan.how));
    *path = made;
    return true;
}

QCommandLineOption strictOption()
{
    return QCommandLineOption(
        QStringLiteral("strict"),
        CliText::tr("Write nothing, and exit with status 1, when a medium may not "
                    "play; without it such media are listed and saved."));
}

namespace {

// What the command line asks of mrv build.
struct BuildRequest
{
    QString chosen; // the package name as given
    QVector<FileArgument> files;
    QString imageTime;
    QDateTime time;
    bool force = false;
    bool strict = false;
    bool fit = false;
    ScreenProfile profile;
};

// Reads the command line into request; false with *exitCode set when it
// asks for help or is wrong (said).
bool parseBuild(const QStringList &arguments, BuildRequest *request, int *exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Makes a new package from media files, as the window's Save does for a new playlist."));
    const QCommandLineOption duration(
        QStringLiteral("duration"),
        CliText::tr("Time each image plays for unless its argument gives one (default %1).")
            .arg(defaultImageTime()),
        QStringLiteral("hh:mm:ss"), defaultImageTime());
    const QCommandLineOption buildTime(
        QStringLiteral("build-time"),
        CliText::tr("Time the document records, such as 2024-03-05T17:08:09 (default: now)."),
        QStringLiteral("ISO"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   CliText::tr("Replace an existing package."));
    const QCommandLineOption strict = strictOption();
    const QCommandLineOption fit(
        QStringLiteral("fit"),
        CliText::tr(
            "Store fitted copies of the media larger or richer than the screen and its player "
            "use (photos scaled to the screen, clips re-encoded within the player's limits); "
            "the files themselves are not changed. The profile is the one set in the window's "
            "Screen and Player dialog, or --profile's."));
    QStringList presetIds;
    for (const ScreenProfile &preset : ScreenProfile::presets())
        presetIds.append(preset.preset);
    const QCommandLineOption profileOption(
        QStringLiteral("profile"),
        CliText::tr("The screen and player to fit to, one of: %1.")
            .arg(presetIds.join(QLatin1String(", "))),
        QStringLiteral("preset"));
    parser.addOptions({duration, buildTime, force, strict, fit, profileOption});
    parser.addPositionalArgument(
        QStringLiteral("OUT.mrv"),
        CliText::tr("The package to make; \".mrv\" takes the place of any other "
                    "extension."));
    parser.addPositionalArgument(
        QStringLiteral("FILE[=hh:mm:ss]"),
        CliText::tr("Media files in playing order, each with its own time if "
                    "given. A video plays to its end."));
    const QString usage = QStringLiteral("mrv build [options] OUT.mrv FILE[=hh:mm:ss]...");
    const QString command = QStringLiteral("mrv build");
    *exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, usage, exitCode))
        return false;
    const auto refuse = [exitCode, &command](const QString &message) {
        *exitCode = usageError(command, message);
        return false;
    };

    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 2)
        return refuse(CliText::tr("give the package to make and at least one media file."));
    QString why;
    if (!readTime(parser.value(duration), &request->imageTime, &why))
        return refuse(CliText::tr("--duration %1").arg(why));
    request->time = QDateTime::currentDateTime();
    if (parser.isSet(buildTime)) {
        request->time = QDateTime::fromString(parser.value(buildTime), Qt::ISODate);
        if (!request->time.isValid())
            return refuse(CliText::tr("“%1” is not a valid --build-time: write it as "
                                      "yyyy-MM-ddThh:mm:ss.")
                              .arg(parser.value(buildTime)));
    }

    request->profile = ScreenProfile::load();
    if (parser.isSet(profileOption)) {
        const int at = int(presetIds.indexOf(parser.value(profileOption)));
        if (at < 0)
            return refuse(
                CliText::tr("“%1” is no --profile; give one of: %2.")
                    .arg(parser.value(profileOption), presetIds.join(QLatin1String(", "))));
        request->profile = ScreenProfile::presets().at(at);
    }

    for (const QString &argument : positional.mid(1)) {
        FileArgument file;
        QString error;
        if (!parseFileArgument(argument, &file, &error))
            return refuse(error);
        request->files.append(file);
    }
    request->chosen = positional.first();
    request->force = parser.isSet(force);
    request->strict = parser.isSet(strict);
    request->fit = parser.isSet(fit);
    return true;
}

} // namespace

int runBuild(const QStringList &arguments)
{
    BuildRequest request;
    int exitCode = ExitSuccess;
    if (!parseBuild(arguments, &request, &exitCode))
        return exitCode;
    PlaylistRows rows;
    QStringList paths;
    // A photo to be fitted anyway is fitted from the original, in one pass.
    const auto fitLater = [&request](const QString &path) {
        return request.fit && planConversion(path).kind == ConversionPlan::Kind::Image &&
               photoExceedsScreen(path, request.profile);
    };
    if (!appendFileRows(request.files, request.imageTime, fitLater, &rows, &paths))
        return ExitFailed;

    // The window records the name as the user chose it, and writes the ".mrv" file it derives.
    const QString &chosen = request.chosen;
    PackageNames names;
    if (!derivePackageNames(chosen, &names)) {
        printError(CliText::tr(
                       "Cannot save as “%1”: the name is empty before its extension. Choose a name "
                       "such as show.mrv.")
                       .arg(QDir::toNativeSeparators(chosen)));
        return ExitFailed;
    }
    if (QFileInfo::exists(names.packagePath) && !request.force) {
        printError(
            CliText::tr("“%1” already exists, so nothing was written. Give --force to replace it.")
                .arg(QDir::toNativeSeparators(names.packagePath)));
        return ExitFailed;
    }

    if (request.fit && !fitRows(&rows, &paths, request.profile))
        return ExitFailed;

    if (!reportMayNotPlay(probeMayNotPlay(rows), request.strict, names.packagePath))
        return ExitFailed;

    SavePlan plan = makeSavePlan(names.packagePath, chosen, rows);
    plan.buildTime = request.time;
    paths.removeDuplicates();
    SaveOutcome outcome;
    {
        TerminalProgress progress(plan.packagePath, totalFileSize(paths));
        JobControl control(progress.sink());
        outcome = runSavePlan(plan, &control);
    }
    return reportSave(outcome, plan.packagePath);
}
