#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal question the main window asks goes through here, so tests can
// answer them without a person; the program itself uses the standard dialogs.
class UserDialogs
{
public:
    enum class Answer { Yes, No };

    virtual ~UserDialogs() = default;

    // The filter getOpenFileNames shows first, and afterwards the one the
    // user left it on.
    QString selectedFilter;

    virtual QStringList getOpenFileNames(QWidget *parent, const QString &caption,
                                         const QString &dir, const QString &filter);
    virtual QString getExistingDirectory(QWidget *parent, const QString &caption,
                                         const QString &dir);
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual void critical(QWidget *parent, const QString &title, const QString &text);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    // Yes or Cancel; Cancel is the default, so Enter never replaces anything.
    virtual Answer question(QWidget *parent, const QString &title, const QString &text);
    // Asks with the given buttons and returns the index of the one chosen;
    // Escape or closing the box gives cancelIndex.
    virtual int choose(QWidget *parent, const QString &title, const QString &text,
                       const QStringList &buttons, int defaultIndex, int cancelIndex);
};
