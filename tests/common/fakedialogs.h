#pragma once

// The window suites' kit, header-only (links merovi_gui): scripted dialogs and
// the window's buttons and table by name.

#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "playlist/playlisttable.h"

#include <QPushButton>
#include <QTableWidget>

#include <memory>

inline void click(MainWindow &window, const char *button)
{
    window.findChild<QPushButton *>(QLatin1String(button))->click();
}

inline QTableWidget &tableOf(MainWindow &window)
{
    return *window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

// Answers from queues and records every message. With nothing queued, a file
// dialog is cancelled, a question answered No, a choice cancelled.
class FakeDialogs : public UserDialogs
{
public:
    enum Kind { Critical, Warning, Question, Choose };
    struct Call
    {
        Kind kind;
        QString text;
    };
    // Installs a fake in window, which owns it.
    static FakeDialogs *install(MainWindow &window)
    {
        auto *fake = new FakeDialogs;
        window.setDialogs(std::unique_ptr<UserDialogs>(fake));
        return fake;
    }

    QList<QStringList> files;
    QStringList paths; // for Open and Save
    QList<Answer> answers;
    QList<int> choices; // button indexes for choose()
    QVector<Call> calls;
    bool realQuestions = false; // questions and choices in the program's own message boxes

private:
    using S = const QString &;
    template<typename T> static T next(QList<T> &queue, T none)
    {
        return queue.isEmpty() ? none : queue.takeFirst();
    }
    QStringList getOpenFileNames(QWidget *, S, S, S) override { return next(files, {}); }
    QString getOpenFileName(QWidget *, S, S, S) override { return next(paths, {}); }
    QString getSaveFileName(QWidget *, S, S, S) override { return next(paths, {}); }
    void critical(QWidget *, S, S text) override { calls.append({Critical, text}); }
    void warning(QWidget *, S, S text) override { calls.append({Warning, text}); }
    int choose(QWidget *parent, S title, S text, const QStringList &buttons, int defaultIndex,
               int cancelIndex) override
    {
        // Test media are random bytes: the probe's warning comes whenever it is
        // quicker than the test, and is accepted unrecorded.
        if (text.contains(QLatin1String("may not play")))
            return 0;
        if (realQuestions)
            return UserDialogs::choose(parent, title, text, buttons, defaultIndex, cancelIndex);
        calls.append({Choose, text});
        return next(choices, cancelIndex);
    }
    Answer question(QWidget *parent, S title, S text) override
    {
        if (realQuestions)
            return UserDialogs::question(parent, title, text);
        calls.append({Question, text});
        return next(answers, Answer::No);
    }
};
