#pragma once

#include <QString>
#include <QTime>

// A playing time as people type it, in the window's Duration field and on
// mrv's command line alike: seconds ("90"), m:ss ("1:30") or h:mm:ss
// ("00:01:30"). After a colon minutes and seconds stay below 60, and the
// whole below a day. False for anything else, with why saying what is wrong
// with text and what to type instead.
[[nodiscard]] bool parseDuration(const QString &text, QTime *time, QString *why = nullptr);
