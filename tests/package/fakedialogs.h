#pragma once

#include "app/userdialogs.h"

#include <QString>
#include <QStringList>

// Answers the main window's dialogs from a script and records what it was asked.
// The window owns it; the test keeps a plain pointer.
class FakeDialogs : public UserDialogs
{
public:
    QStringList addAnswer;
    QString openAnswer;
    QString saveAnswer;
    Answer questionAnswer = Answer::No;

    QStringList criticals;
    QStringList questions;
    int saveDialogs = 0;
    int openDialogs = 0;
    QString lastDir;

    QStringList getOpenFileNames(QWidget *, const QString &, const QString &,
                                 const QString &) override
    {
        return addAnswer;
    }
    QString getOpenFileName(QWidget *, const QString &, const QString &dir,
                            const QString &) override
    {
        ++openDialogs;
        lastDir = dir;
        return openAnswer;
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &dir,
                            const QString &) override
    {
        ++saveDialogs;
        lastDir = dir;
        return saveAnswer;
    }
    void critical(QWidget *, const QString &, const QString &text) override
    {
        criticals.append(text);
    }
    Answer question(QWidget *, const QString &, const QString &text) override
    {
        questions.append(text);
        return questionAnswer;
    }
};
