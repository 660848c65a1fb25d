#include "archive/packagearchive.h"
#include "cli/commands.h"
#include "cli/console.h"

#include <QDir>

int runRepair(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Finishes what an interrupted update left of a package: the package is restored as it "
        "was before that update, or, when the update had completed, its journal is removed. "
        "A journal that does not belong to the package as it is, or that is damaged, is kept. "
        "Every other command does this first by itself; this one does only that, then checks "
        "the package as “mrv check” does."));
    const QCommandLineOption discard(
        QStringLiteral("discard-journal"),
        CliText::tr("Remove the package's journal without applying it: for a package that is as it "
                    "should be, beside a journal that does not belong to it."));
    parser.addOption(discard);
    parser.addPositionalArgument(QStringLiteral("PKG"), CliText::tr("The package to repair."));
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv repair [options] PKG"), &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("mrv repair"),
                          CliText::tr("give exactly one package to repair."));

    const QString path = positional.first();
    PackageArchive archive(path);
    // What recovery did goes to standard error as it happens.
    if (!(parser.isSet(discard) ? archive.discardJournal() : archive.repair())) {
        if (archive.recoveryNote() != archive.errorString())
            printError(archive.errorString());
        return ExitFailed;
    }
    const bool noted = !archive.recoveryNote().isEmpty();
    // The package left must pass the whole check, not just open.
    const int checked = runCheck(QStringList{arguments.value(0), path});
    if (checked == ExitSuccess && !noted)
        printOut(CliText::tr("“%1” needs no repair: no update of it was interrupted.")
                     .arg(QDir::toNativeSeparators(path)));
    return checked == ExitSuccess ? ExitSuccess : ExitFailed;
}
