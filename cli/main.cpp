#include "archive/inplaceupdate.h"
#include "archive/text.h"
#include "cli/commands.h"
#include "cli/console.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

QString overview()
{
    return CliText::tr(
        "Usage: mrv COMMAND [options] [arguments]\n"
        "Makes, lists, checks and updates playlist packages (.mrv) from scripts.\n"
        "\n"
        "Commands:\n"
        "  build OUT.mrv FILE[=hh:mm:ss]...  Make a new package from media files; --fit "
        "stores\n"
        "                                    copies fitted to the screen and player\n"
        "  list PKG                          Print a package's playlist\n"
        "  check PKG                         Verify a package's structure, document and "
        "checksums\n"
        "  update PKG                        Add, remove or retime entries in one "
        "transaction\n"
        "  repair PKG                        Finish what an interrupted update left\n"
        "  drives [--json]                   List the removable drives and their packages\n"
        "  write PKG DRIVE... [--eject]      Write a package to drives at once, read back, "
        "eject\n"
        "  verify PKG                        Read a package back from its drive\n"
        "\n"
        "Run “mrv COMMAND --help” for a command's options.\n"
        "Exit status: 0 done, 1 refused or failed, 2 wrong command line.");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Every failure reaches the user as one message on stderr; the core's log
    // lines would repeat it. QT_LOGGING_RULES="merovi.*=true" brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("merovi.*=false"));
    QCoreApplication::setApplicationName(QStringLiteral("mrv"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEROVI_VERSION));
    // Messages for people in the user's language; what scripts parse is the
    // same in every language: exit statuses, and --json whole, problems included.
    if (!QCoreApplication::arguments().contains(QLatin1String("--json")))
        loadTranslations(&app);
    // What recovery finds and does before any command reads a package is said, never silent.
    setRecoveryReporter([](const QString &message) { printError(message); });

    const QStringList arguments = QCoreApplication::arguments();
    const QString command = arguments.value(1);
    // The command's own parser sees the program name and what follows the command word.
    const QStringList rest = QStringList{arguments.value(0)} + arguments.mid(2);

    if (command == QLatin1String("build"))
        return runBuild(rest);
    if (command == QLatin1String("list"))
        return runList(rest);
    if (command == QLatin1String("check"))
        return runCheck(rest);
    if (command == QLatin1String("update"))
        return runUpdate(rest);
    if (command == QLatin1String("repair"))
        return runRepair(rest);
    if (command == QLatin1String("drives"))
        return runDrives(rest);
    if (command == QLatin1String("write"))
        return runWrite(rest);
    if (command == QLatin1String("verify"))
        return runVerify(rest);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        printOut(overview());
        return ExitSuccess;
    }
    if (command == QLatin1String("--version")) {
        printOut(QLatin1String("mrv ") + QCoreApplication::applicationVersion());
        return ExitSuccess;
    }
    if (command.isEmpty()) {
        printError(overview());
        return ExitUsage;
    }
    printError(
        CliText::tr("mrv: unknown command “%1”.\nRun “mrv --help” for the commands.").arg(command));
    return ExitUsage;
}
