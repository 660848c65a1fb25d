#pragma once

#include <QString>
#include <QStringList>

class QSize;
class QWidget;
struct SlideSource;

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
    // The text slide dialog, opened on *source, drawn for a screen of that
    // size; false when cancelled, else *source is what the user made.
    virtual bool editSlide(QWidget *parent, const QSize &screen, SlideSource *source);
    // How long the whole loop should last, in seconds, starting from seconds;
    // -1 when cancelled.
    virtual int getLoopLength(QWidget *parent, int seconds);
};
