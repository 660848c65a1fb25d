#include "cli/commands.h"
#include "cli/console.h"
#include "drives/drivelist.h"
#include "drives/drivewriter.h"
#include "drives/readback.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

namespace {

QJsonObject driveJson(const DriveInfo &drive)
{
    return QJsonObject{
        {QStringLiteral("name"), drive.displayName()},
        {QStringLiteral("label"), drive.label},
        {QStringLiteral("device"), drive.device},
        {QStringLiteral("vendor"), drive.vendor},
        {QStringLiteral("model"), drive.model},
        {QStringLiteral("serial"), drive.serial},
        {QStringLiteral("bus"), drive.connectionBus},
        {QStringLiteral("filesystem"), drive.fileSystemType},
        {QStringLiteral("mountpoint"), drive.mountPoint},
        {QStringLiteral("size"), double(drive.size)},
        {QStringLiteral("free"), double(drive.freeBytes)},
        {QStringLiteral("packages"), QJsonArray::fromStringList(drive.packages)},
    };
}

// A DRIVE argument: a listed drive's mount point, label or device, or any
// folder. Every listed drive it names; a folder when it names none.
DriveInfos findDrives(const QString &argument, const DriveInfos &drives)
{
    const QString absolute = QFileInfo(argument).absoluteFilePath();
    DriveInfos found;
    for (const DriveInfo &drive : drives) {
        if (drive.mountPoint == absolute || drive.label == argument || drive.device == argument)
            found.append(drive);
    }
    if (found.isEmpty() && QFileInfo(argument).isDir())
        found.append(folderAsDrive(argument));
    return found;
}

} // namespace

int runDrives(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Lists the removable drives with a mounted file system: label, maker and model, "
        "mount point, size, free space, file system and the packages each holds."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print the list as JSON."));
    parser.addOption(json);
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv drives [options]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("mrv drives"), CliText::tr("takes no arguments."));

    DriveInfos drives;
    QString error;
    if (!listDrives(&drives, &error)) {
        printError(error);
        return ExitFailed;
    }
    if (parser.isSet(json)) {
        QJsonArray list;
        for (const DriveInfo &drive : std::as_const(drives))
            list.append(driveJson(drive));
        printOut(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)).trimmed());
        return ExitSuccess;
    }
    if (drives.isEmpty())
        printOut(CliText::tr("No removable drive with a mounted file system."));
    for (const DriveInfo &drive : std::as_const(drives)) {
        printOut(
            CliText::tr("%1\t%2\t%3\t%4, %5 free\t%6\t%7")
                .arg(drive.displayName(),
                     drive.makeAndModel().isEmpty() ? CliText::tr("unknown maker")
                                                    : drive.makeAndModel(),
                     QDir::toNativeSeparators(drive.mountPoint), driveSizeText(drive.size),
                     driveSizeText(drive.freeBytes),
                     drive.fileSystemType.isEmpty() ? CliText::tr("unknown") : drive.fileSystemType,
                     drive.packages.isEmpty() ? CliText::tr("no packages")
                                              : drive.packages.join(QLatin1String(", "))));
    }
    return ExitSuccess;
}

int runWrite(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Writes a package to drives at once: a copy where a drive has none, an update in "
        "place where it holds an older one of that name. Each is read back from the drive "
        "after writing."));
    const QCommandLineOption eject(
        QStringLiteral("eject"),
        CliText::tr("Unmount and power off each drive once its package has "
                    "been read back intact."));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"),
                                      CliText::tr("Do not read the packages back."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        CliText::tr("Replace a package of the same name that is newer than "
                    "this one, or another playlist altogether."));
    parser.addOptions({eject, noVerify, force});
    parser.addPositionalArgument(QStringLiteral("PACKAGE"), CliText::tr("The package to write."));
    parser.addPositionalArgument(
        QStringLiteral("DRIVE"),
        CliText::tr("A drive: its mount point, label or device; or a folder."),
        QStringLiteral("DRIVE..."));
    const QString command = QStringLiteral("mrv write");
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv write [options] PACKAGE DRIVE..."),
                      &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 2)
        return usageError(command, CliText::tr("give a package and at least one drive."));
    const QString package = positional.first();
    if (!QFileInfo(package).isFile()) {
        printError(CliText::tr("“%1” is not a file.").arg(QDir::toNativeSeparators(package)));
        return ExitFailed;
    }

    DriveInfos listed;
    QString error;
    const bool serviceFound = listDrives(&listed, &error);
    DriveInfos targets;
    for (const QString &argument : positional.mid(1)) {
        const DriveInfos found = findDrives(argument, listed);
        if (found.isEmpty()) {
            return usageError(command,
                              (serviceFound ? QString() : error + QLatin1Char('\n')) +
                                  CliText::tr("“%1” is no drive and no folder.").arg(argument));
        }
        if (found.size() > 1) {
            // Never a guess between two sticks: the wrong one would lose its playlist.
            QStringList lines;
            for (const DriveInfo &drive : found)
                lines.append(QStringLiteral("  ") + drive.description());
            printError(
                CliText::tr("“%1” names %2 drives; give the mount point or device of the one to "
                            "write to:")
                    .arg(argument)
                    .arg(found.size()) +
                QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
            return ExitFailed;
        }
        targets.append(found.constFirst());
    }

    DriveWriteOptions options;
    options.eject = parser.isSet(eject);
    options.verify = !parser.isSet(noVerify);
    options.replaceAny = parser.isSet(force);
    JobControl control;
    const DriveResults results = writeToDrives(package, targets, options, &control);
    int failures = 0;
    for (const DriveResult &result : results) {
        failures += result.isDone() ? 0 : 1;
        const QString line =
            CliText::tr("%1 (%2): %3")
                .arg(result.drive.displayName(), QDir::toNativeSeparators(result.drive.mountPoint),
                     driveResultText(result));
        if (result.isDone())
            printOut(result.warning.isEmpty() ? line : line + QLatin1String(": ") + result.warning);
        else if (result.status == DriveResult::Status::ChangedElsewhere)
            printError(line + QLatin1String(": ") + result.error + QLatin1Char(' ') +
                       CliText::tr("Give --force to replace it."));
        else
            printError(line + QLatin1String(": ") + result.error);
    }
    printOut(driveSummaryText(results));
    return failures == 0 ? ExitSuccess : ExitFailed;
}

int runVerify(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Reads a package back from its drive, not from memory, and checks every entry's "
        "checksum."));
    parser.addPositionalArgument(QStringLiteral("PACKAGE"),
                                 CliText::tr("The package to read back."));
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv verify PACKAGE"), &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("mrv verify"), CliText::tr("give exactly one package."));
    const ReadBackResult result = verifyFromDrive(positional.first(), {});
    if (!result.isVerified()) {
        printError(result.error);
        return ExitFailed;
    }
    printOut(CliText::tr("“%1” reads back intact from its drive: %2 MB in %3 s.")
                 .arg(QDir::toNativeSeparators(positional.first()))
                 .arg(double(result.bytesRead) / 1e6, 0, 'f', 1)
                 .arg(double(result.elapsedMs) / 1000, 0, 'f', 1));
    return ExitSuccess;
}
