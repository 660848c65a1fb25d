#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

Q_LOGGING_CATEGORY(lcSettings, "merovi.settings")

Settings::Settings(QObject *parent) : QObject(parent) {}

QString Settings::startLocation(const QString &remembered)
{
    return QDir(remembered.isEmpty() ? QDir::homePath() : remembered).absolutePath();
}

bool Settings::Save()
{
    QSaveFile file(fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        m_error = file.errorString();
        qCWarning(lcSettings) << "cannot write" << QDir::toNativeSeparators(file.fileName())
                              << m_error;
        return false;
    }

    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Settings"));
    writer.writeTextElement(QStringLiteral("PATH_MEDIA"), PATH_MEDIA);
    writer.writeTextElement(QStringLiteral("PATH_SAVE"), PATH_SAVE);
    writer.writeEndElement();
    writer.writeEndDocument();

    // flush() before commit(): on a full disk commit() alone has been seen to
    // report success for a truncated file.
    const bool flushed = file.flush();
    if (writer.hasError() || !flushed) {
        m_error = file.errorString();
        file.cancelWriting();
        qCWarning(lcSettings) << "cannot write" << QDir::toNativeSeparators(file.fileName())
                              << m_error;
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        qCWarning(lcSettings) << "cannot write" << QDir::toNativeSeparators(file.fileName())
                              << m_error;
        return false;
    }
    m_error.clear();
    return true;
}

void Settings::Read()
{
    QFile file(fileName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;

    // Any element of the two names counts, at any depth and under any root;
    // a later one wins, and the first error ends the reading.
    QXmlStreamReader reader(&file);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("PATH_MEDIA"))
            PATH_MEDIA = reader.readElementText();
        if (reader.name() == QLatin1String("PATH_SAVE"))
            PATH_SAVE = reader.readElementText();
    }
    if (reader.hasError())
        qCInfo(lcSettings) << "settings.xml:" << reader.lineNumber() << ':' << reader.columnNumber()
                           << reader.errorString();
}
