#include "app/userdialogs.h"

#include "app/mainwindow.h"

#include "slides/slidedialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

QStringList UserDialogs::getOpenFileNames(QWidget *parent, const QString &caption,
                                          const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter, &selectedFilter);
}

QString UserDialogs::getExistingDirectory(QWidget *parent, const QString &caption,
                                          const QString &dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

QString UserDialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString UserDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void UserDialogs::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text);
}

void UserDialogs::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

UserDialogs::Answer UserDialogs::question(QWidget *parent, const QString &title,
                                          const QString &text)
{
    const auto button = QMessageBox::question(
        parent, title, text, QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int UserDialogs::choose(QWidget *parent, const QString &title, const QString &text,
                        const QStringList &buttons, int defaultIndex, int cancelIndex)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const auto role = i == cancelIndex ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        added.append(box.addButton(buttons.at(i), role));
    }
    if (defaultIndex >= 0 && defaultIndex < added.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(added.at(defaultIndex)));
    if (cancelIndex >= 0 && cancelIndex < added.size())
        box.setEscapeButton(added.at(cancelIndex));
    box.exec();
    const int chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? cancelIndex : chosen;
}

bool UserDialogs::editSlide(QWidget *parent, const QSize &screen, SlideSource *source)
{
    SlideDialog dialog(*source, screen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *source = dialog.source();
    return true;
}

int UserDialogs::getLoopLength(QWidget *parent, int seconds)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(MainWindow::tr("Fit the Loop"));
    auto *minutes = new QSpinBox(&dialog);
    minutes->setObjectName(QStringLiteral("loopMinutes"));
    minutes->setRange(0, 999);
    minutes->setSuffix(MainWindow::tr(" min"));
    minutes->setValue(seconds / 60);
    auto *rest = new QSpinBox(&dialog);
    rest->setObjectName(QStringLiteral("loopSeconds"));
    rest->setRange(0, 59);
    rest->setSuffix(MainWindow::tr(" s"));
    rest->setValue(seconds % 60);
    auto *row = new QHBoxLayout;
    row->addWidget(minutes);
    row->addWidget(rest);
    row->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    auto *question =
        new QLabel(MainWindow::tr("How long should the whole loop last? The images share the "
                                  "time the videos leave; videos keep their length."),
                   &dialog);
    question->setWordWrap(true);
    layout->addWidget(question);
    layout->addLayout(row);
    layout->addWidget(buttons);
    minutes->setFocus();
    minutes->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return minutes->value() * 60 + rest->value();
}
