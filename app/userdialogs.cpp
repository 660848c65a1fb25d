#include "app/userdialogs.h"

#include <QFileDialog>
#include <QMessageBox>

QStringList UserDialogs::getOpenFileNames(QWidget *parent, const QString &caption,
                                          const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
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

UserDialogs::Answer UserDialogs::question(QWidget *parent, const QString &title,
                                          const QString &text)
{
    const auto button = QMessageBox::question(
        parent, title, text, QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
