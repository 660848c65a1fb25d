#include "app/userdialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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
