#pragma once

// The window suites' kit, header-only (links merovi_gui): scripted dialogs and
// the window's buttons and table by name.

#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "playlist/playlisttable.h"

#include <QPushButton>
#include <QTableWidget>
#include <QVector>

#include <memory>

inline void click(MainWindow &window, const char *button)
{
    window.findChild<QPushButton *>(QLatin1String(button))->click();
}

inline QTableWidget &tableOf(MainWindow &window)
{
    return *window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

// Answers from queued answers and records every call. With nothing queued, a
// file dialog is cancelled, a question answered No, a choice cancelled.
class FakeDialogs : public UserDialogs
{
public:
    enum Kind { Files, Open, Save, Critical, Warning, Question, Choose };
    struct Call
    {
        Kind kind;
        QWidget *parent;
        QString caption;
        QString dir;  // empty for messages
        QString text; // the filter of a file dialog, or the message
    };

    // Installs a fake in window, which owns it.
    static FakeDialogs *install(MainWindow &window)
    {
        auto *fake = new FakeDialogs;
        window.setDialogs(std::unique_ptr<UserDialogs>(fake));
        return fake;
    }

    QStringList texts(Kind kind) const
    {
        QStringList result;
        for (const Call &call : calls) {
            if (call.kind == kind)
                result.append(call.text);
        }
        return result;
    }

    QList<QStringList> files;
    QStringList paths; // for Open and Save
    QList<Answer> answers;
    QList<int> choices; // button indexes for choose()
    QVector<Call> calls;

    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) override
    {
        calls.append({Files, parent, caption, dir, filter});
        return files.isEmpty() ? QStringList() : files.takeFirst();
    }
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override
    {
        calls.append({Open, parent, caption, dir, filter});
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override
    {
        calls.append({Save, parent, caption, dir, filter});
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    void critical(QWidget *parent, const QString &title, const QString &text) override
    {
        calls.append({Critical, parent, title, QString(), text});
    }
    void warning(QWidget *parent, const QString &title, const QString &text) override
    {
        calls.append({Warning, parent, title, QString(), text});
    }
    int choose(QWidget *parent, const QString &title, const QString &text, const QStringList &, int,
               int cancelIndex) override
    {
        calls.append({Choose, parent, title, QString(), text});
        return choices.isEmpty() ? cancelIndex : choices.takeFirst();
    }
    Answer question(QWidget *parent, const QString &title, const QString &text) override
    {
        calls.append({Question, parent, title, QString(), text});
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
};
