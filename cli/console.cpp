#include "cli/console.h"

#include <QDir>

#include <cstdio>
#include <unistd.h>

void printOut(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString &text)
{
    std::fflush(stdout);
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

bool parseCommand(QCommandLineParser &parser, const QStringList &arguments, const QString &usage,
                  int *exitCode)
{
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments)) {
        *exitCode = usageError(usage.section(QLatin1Char(' '), 0, 1), parser.errorText());
        return false;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Qt's first line names the program's full path and not the command.
        const QString text = parser.helpText();
        printOut(CliText::tr("Usage: %1").arg(usage) + text.mid(text.indexOf(QLatin1Char('\n'))));
        *exitCode = ExitSuccess;
        return false;
    }
    return true;
}

int usageError(const QString &command, const QString &message)
{
    printError(command + QLatin1String(": ") + message + QLatin1Char('\n') +
               CliText::tr("Run “%1 --help” for its usage.").arg(command));
    return ExitUsage;
}

TerminalProgress::TerminalProgress(const QString &packagePath, qint64 totalBytes)
    : m_label(CliText::tr("Saving “%1”").arg(QDir::toNativeSeparators(packagePath))),
      m_megabytes(double(totalBytes) / (1024 * 1024)), m_enabled(isatty(STDERR_FILENO) == 1)
{}

TerminalProgress::~TerminalProgress()
{
    if (m_enabled && m_shown >= 0)
        std::fputc('\n', stderr);
}

JobControl::Sink TerminalProgress::sink()
{
    if (!m_enabled)
        return {};
    return [this](const JobProgress &done) {
        if (done.total > 0)
            show(int(done.done * 100 / done.total));
    };
}

void TerminalProgress::show(int percent)
{
    if (percent == m_shown)
        return;
    m_shown = percent;
    const QString line =
        CliText::tr("\r%1: %2 % of %3 MB").arg(m_label).arg(percent, 3).arg(m_megabytes, 0, 'f', 1);
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
}
