#pragma once

#include <QString>

// What became of a job, the part every job's outcome shares: each outcome
// (a save, an open, a read-back, a drive written, a recovery) carries its own
// facts beside it. The texts are for people; callers decide by status.
struct JobOutcome
{
    enum class Status {
        Done,
        // Nothing was written, or what was is undone; error says why.
        Failed,
        // What the job was to replace changed since it was read (or is not
        // what was expected there); it was left as it was.
        ChangedElsewhere,
        // Stopped on request; what it worked on is as it was.
        Cancelled,
    };
    Status status = Status::Failed;
    // Names the file and the cause, and what to do; empty when done.
    QString error;
    // Said beside a done outcome: what did not go fully well, or what the
    // user should know.
    QString warning;

    bool isDone() const { return status == Status::Done; }
    bool isCancelled() const { return status == Status::Cancelled; }
    // What to tell the user: the error, or else the warning.
    QString text() const { return error.isEmpty() ? warning : error; }
};
