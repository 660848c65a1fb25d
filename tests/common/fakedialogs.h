#pragma once

// The window suites' kit, header-only (links merovi_gui): scripted dialogs,
// the window's buttons and table by name, real media.

#include "app/mainwindow.h"
#include "app/userdialogs.h"
#include "media/textslide.h"
#include "playlist/playlisttable.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// A real image or clip at path (by its extension), which the media probe finds
// playable, so no question comes up that the test did not ask for. Images
// differ per path; clips are copies of one ffmpeg clip of 1.6 s.
inline bool writeRealMedia(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    static QTemporaryDir made;
    const QString clip = made.filePath(str("clip.") + suffix);
    QImage image(32, 18, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(qHash(path)));
    const QStringList args = str("-loglevel error -f lavfi -i testsrc=size=32x18:rate=5:"
                                 "duration=1.6 -c:v mpeg4")
                                 .split(u' ');
    const bool ok = suffix == QLatin1String("png") || suffix == QLatin1String("jpg")
                        ? image.save(clip)
                        : QFileInfo::exists(clip) ||
                              runProgram(str("ffmpeg"), args + QStringList{clip}) != "failed";
    return ok && writeBytes(path, fileBytes(clip));
}

// From now on clicks button (empty: presses Return) in every message box that
// comes up, and appends its text to *texts; the timer goes with the window.
inline void answer(QWidget *window, const QString &button, QStringList *texts)
{
    auto *user = new QTimer(window);
    QObject::connect(user, &QTimer::timeout, [button, texts] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        *texts << box->text();
        for (QAbstractButton *b : box->buttons())
            if (b->text().remove(QLatin1Char('&')) == button)
                return b->click();
        QTest::keyClick(box, Qt::Key_Return);
    });
    user->start(20);
}

// Shows widget and waits until it is the active window: keys and shortcuts
// reach only that one, and no window manager on the virtual display makes it so.
[[nodiscard]] inline bool showActive(QWidget *widget)
{
    widget->show();
    if (!QTest::qWaitForWindowExposed(widget))
        return false;
    widget->activateWindow();
    return QTest::qWaitForWindowActive(widget);
}

// Every text a person sees in window: its visible widgets' texts, tooltips,
// titles and placeholders, its actions', and its tables' headers and cells.
inline QStringList shownTexts(QWidget *window)
{
    QStringList texts;
    const QObjectList objects = window->findChildren<QObject *>() << window;
    for (QObject *o : objects) {
        const auto *widget = qobject_cast<QWidget *>(o);
        if (widget && !widget->isVisible())
            continue;
        for (const char *name : {"text", "toolTip", "windowTitle", "title", "placeholderText"})
            texts << o->property(name).toString();
        if (const auto *table = qobject_cast<QTableWidget *>(o)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                texts << table->model()->headerData(c, Qt::Horizontal).toString();
                for (int r = 0; r < table->rowCount(); ++r)
                    if (const QTableWidgetItem *item = table->item(r, c))
                        texts << item->text() << item->toolTip();
            }
        }
    }
    return texts;
}

// Fails naming the first text shown in other that reads as in english, unless
// it is one that reads alike in every language (names, numbers, times).
inline bool noneLeftInEnglish(const QStringList &english, const QStringList &other,
                              const QRegularExpression &alike)
{
    for (const QString &text : other)
        if (english.contains(text) && !alike.match(text).hasMatch()) {
            qWarning("Left in English: %s", qPrintable(text));
            return false;
        }
    return true;
}

inline void click(MainWindow &window, const char *button)
{
    window.findChild<QPushButton *>(QLatin1String(button))->click();
}

inline QTableWidget &tableOf(MainWindow &window)
{
    return *window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

// Answers from queues and records every message and question with its
// buttons and default. Nothing queued: a file dialog is cancelled, a question
// answered No, a choice cancelled (its cancel button).
class FakeDialogs : public UserDialogs
{
public:
    enum Kind { Critical, Warning, Question, Choose };
    struct Call
    {
        Kind kind;
        QString text;
        QStringList buttons; // Choose only
        int defaultIndex = -1;
    };
    // Installs a fake in window, which owns it.
    static FakeDialogs *install(MainWindow &window)
    {
        auto *fake = new FakeDialogs;
        window.setDialogs(std::unique_ptr<UserDialogs>(fake));
        return fake;
    }
    QList<QStringList> files;
    QStringList paths;   // for Open and Save
    QStringList filters; // each Add Files dialog's
    QList<Answer> answers;
    QList<int> choices; // button indexes for choose()
    QVector<Call> calls;
    QList<SlideSource> slides;      // what the slide dialog returns; none: cancelled
    QList<SlideSource> slidesShown; // what it was opened on
    QList<int> loopLengths;         // seconds; none: cancelled
    bool realQuestions = false;     // questions and choices in the program's own message boxes

private:
    using S = const QString &;
    template<typename T> static T next(QList<T> &queue, T none)
    {
        return queue.isEmpty() ? none : queue.takeFirst();
    }
    QStringList getOpenFileNames(QWidget *, S, S, S filter) override
    {
        filters.append(filter);
        return next(files, {});
    }
    QString getOpenFileName(QWidget *, S, S, S) override { return next(paths, {}); }
    QString getSaveFileName(QWidget *, S, S, S) override { return next(paths, {}); }
    void critical(QWidget *, S, S text) override { calls.append({Critical, text, {}, -1}); }
    void warning(QWidget *, S, S text) override { calls.append({Warning, text, {}, -1}); }
    int choose(QWidget *parent, S title, S text, const QStringList &buttons, int defaultIndex,
               int cancelIndex) override
    {
        if (realQuestions)
            return UserDialogs::choose(parent, title, text, buttons, defaultIndex, cancelIndex);
        calls.append({Choose, text, buttons, defaultIndex});
        return next(choices, cancelIndex);
    }
    bool editSlide(QWidget *, const QSize &, SlideSource *source) override
    {
        slidesShown.append(*source);
        if (slides.isEmpty())
            return false;
        *source = slides.takeFirst();
        return true;
    }
    int getLoopLength(QWidget *, int) override { return next(loopLengths, -1); }
    // Its default button is the message box's own: the real-dialog suites press it.
    Answer question(QWidget *parent, S title, S text) override
    {
        if (realQuestions)
            return UserDialogs::question(parent, title, text);
        calls.append({Question, text, {}, -1});
        return next(answers, Answer::No);
    }
};

// Adds the files named (in dir) through the Add button, as the user picks them.
inline void addFiles(MainWindow &window, FakeDialogs *dialogs, const QTemporaryDir &dir,
                     const QStringList &names)
{
    dialogs->files = {{}};
    for (const QString &name : names)
        dialogs->files.first() << dir.filePath(name);
    click(window, "pushButtonAdd");
}
