#pragma once

#include <QLoggingCategory>
#include <QObject>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)

// The two remembered locations, kept in "settings.xml" in the working directory.
class Settings : public QObject
{
    Q_OBJECT

public:
    explicit Settings(QObject *parent = nullptr);

    static QString fileName() { return QStringLiteral("settings.xml"); }

    // The first file picked in the last Add Files dialog.
    QString PATH_MEDIA;
    // The folder of the last package saved new, ending in "/".
    QString PATH_SAVE;

    QString errorString() const { return m_error; }

    // Where a dialog starts: the remembered location, or the home folder when none is.
    static QString startLocation(const QString &remembered);

public slots:
    // Replaces the file atomically: on any failure the old file stays as it was.
    bool Save();
    // Takes what the file holds; a missing or broken file keeps what was read so far.
    void Read();

private:
    QString m_error;
};
