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

// Answers from queues and records every call. With nothing queued, a file
// dialog is cancelled, a question answered No, a choice cancelled.
class FakeDialogs : public UserDialogs
{
public:
    enum Kind { Files, Open, Save, Critical, Warning, Question, Choose };
    struct Call
    {
        Kind kind;
        QString text; // the message; empty for a file dialog
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

private:
    template<typename T> static T next(QList<T> &queue, T none)
    {
        return queue.isEmpty() ? none : queue.takeFirst();
    }
    QStringList getOpenFileNames(QWidget *, const QString &, const QString &,
                                 const QString &) override
    {
        calls.append({Files, QString()});
        return next(files, QStringList());
    }
    QString getOpenFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        calls.append({Open, QString()});
        return next(paths, QString());
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        calls.append({Save, QString()});
        return next(paths, QString());
    }
    void critical(QWidget *, const QString &, const QString &text) override
    {
        calls.append({Critical, text});
    }
    void warning(QWidget *, const QString &, const QString &text) override
    {
        calls.append({Warning, text});
    }
    int choose(QWidget *, const QString &, const QString &text, const QStringList &, int,
               int cancelIndex) override
    {
        // Test media are random bytes: the probe's warning comes whenever it is
        // quicker than the test, and is accepted unrecorded.
        if (text.contains(QLatin1String("may not play")))
            return 0;
        calls.append({Choose, text});
        return next(choices, cancelIndex);
    }
    Answer question(QWidget *, const QString &, const QString &text) override
    {
        calls.append({Question, text});
        return next(answers, Answer::No);
    }
};
