#pragma once

#include "jobs/jobcontrol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

// Exit status of every command.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitFailed = 1, // refused, or failed: the message says why
    ExitUsage = 2,  // the command line itself is wrong
};

// The command's words for people; what scripts parse is never translated.
class CliText
{
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

// Messages are UTF-8 whatever the locale, so scripts see the same bytes under Qt 5 and Qt 6.
void printOut(const QString &text);
void printError(const QString &text);

// Parses the arguments after the command word. False when the command is done
// already: help printed (exit 0) or a usage error reported (exit 2).
[[nodiscard]] bool parseCommand(QCommandLineParser &parser, const QStringList &arguments,
                                const QString &usage, int *exitCode);

// Reports a wrong command line for command and gives the status for it.
int usageError(const QString &command, const QString &message);

// Prints "Saving “show.mrv”: 42 % of 12.3 MB" over one terminal line while a
// package is written, and ends the line when destroyed. Does nothing when
// stderr is not a terminal: a log file gets no carriage returns.
class TerminalProgress
{
public:
    TerminalProgress(const QString &packagePath, qint64 totalBytes);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    // Receives the save's progress; shows it when standard error is a terminal.
    JobControl::Sink sink();

private:
    void show(int percent);

    QString m_label;
    double m_megabytes;
    bool m_enabled;
    int m_shown = -1;
};
