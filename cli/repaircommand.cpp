#include "archive/packagearchive.h"
#include "cli/commands.h"
#include "cli/console.h"

#include <QDir>

int runRepair(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Finishes what an interrupted update left of a package: the package is restored as it "
           "was before that update, or, when the update had completed, its journal is removed. "
           "Every other command does this first by itself; this one does only that, then checks "
           "the package."));
    parser.addPositionalArgument(QStringLiteral("PKG"), tr("The package to repair."));
    int exitCode = ExitSuccess;
    if (!parseCommand(parser, arguments, QStringLiteral("mrv repair PKG"), &exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("mrv repair"), tr("give exactly one package to repair."));

    const QString path = positional.first();
    PackageArchive archive(path);
    if (!archive.repair()) {
        printError(archive.errorString());
        return ExitFailed;
    }
    const QString note = archive.recoveryNote();
    if (!archive.verify()) {
        if (!note.isEmpty())
            printOut(note);
        printError(archive.errorString());
        return ExitFailed;
    }
    printOut(note.isEmpty() ? tr("“%1” needs no repair: no update of it was interrupted.")
                                  .arg(QDir::toNativeSeparators(path))
                            : note);
    return ExitSuccess;
}
