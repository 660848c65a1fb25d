#pragma once

#include "app/mainwindow.h"
#include "app/userdialogs.h"

#include <QStringList>
#include <QVector>

#include <memory>

// Answers the main window's dialogs from queued answers and records every call.
// With nothing queued, a file dialog is cancelled and a question answered No.
class FakeDialogs : public UserDialogs
{
public:
    enum Kind { Files, Open, Save, Critical, Question };
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
    QString lastDir() const { return calls.isEmpty() ? QString() : calls.last().dir; }

    QList<QStringList> files;
    QStringList paths; // for Open and Save
    QList<Answer> answers;
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
    Answer question(QWidget *parent, const QString &title, const QString &text) override
    {
        calls.append({Question, parent, title, QString(), text});
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
};
