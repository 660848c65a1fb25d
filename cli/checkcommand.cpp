#include "archive/packagereader.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "media/mediaprobe.h"
#include "package/saveplan.h"

#include <QDir>

#include <utility>

int runCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Checks a package: its zip structure, its playlist document, every entry's checksum, "
        "and that the playlist and the media entries match."));
    const QCommandLineOption media(QStringLiteral("media"),
                                   CliText::tr("Also read each media entry's image header or video "
                                               "container, as the player will."));
    parser.addOption(media);
    parser.addPositionalArgument(QStringLiteral("PKG"), CliText::tr("The package to check."));
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv check [options] PKG"), &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("mrv check"),
                          CliText::tr("give exactly one package to check."));

    const QString path = positional.first();
    const QString shown = QDir::toNativeSeparators(path);
    int problems = 0;
    const auto report = [&problems](const QString &message) {
        printError(message);
        ++problems;
    };

    // One open for the whole check: the layout, every checksum, the document, the media.
    PackageReader reader(path);
    if (!reader.open()) {
        report(reader.errorString());
        return ExitFailed;
    }
    // A damaged entry does not stop the check: the document and the names may still be read.
    if (!reader.verify())
        report(reader.errorString());
    const QStringList entries = reader.entryNames();
    PackageContents contents;
    QString error;
    if (!readPackage(reader, defaultTransition(), &contents, &error)) {
        report(error);
        return ExitFailed;
    }

    for (const Disagreement &found : findDisagreements(contents.document, entries))
        report(disagreementText(path, found));

    if (parser.isSet(media)) {
        for (const QString &entry : std::as_const(entries)) {
            if (entry == documentEntryName())
                continue;
            const MediaInfo info = examineMedia(MediaSource::packageEntry(path, entry));
            if (!info.isOk())
                report(info.problemText);
        }
    }

    if (problems > 0)
        return ExitFailed;
    printOut(CliText::tr("“%1” is sound: %2 playlist row(s), %3 entries, every checksum matches%4.")
                 .arg(shown)
                 .arg(contents.rows.size())
                 .arg(entries.size())
                 .arg(parser.isSet(media) ? CliText::tr(", every medium can be read") : QString()));
    return ExitSuccess;
}
