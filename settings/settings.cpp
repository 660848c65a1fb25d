#include "settings/settings.h"
#include "archive/text.h"

#include "archive/platformfile.h"

#include <QBuffer>
#include <QCoreApplication>
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

namespace {

// Whether the drive holds bytes at path now: synced first, so that a disk that
// turns out full only when the data is written out says so here.
bool readsBack(const QString &path, const QByteArray &bytes, QString *error)
{
    const QByteArray encoded = QFile::encodeName(path);
    int code = 0;
    if (!Platform::dropCachedPages(encoded, &code)) {
        *error = Platform::systemError(code);
        return false;
    }
    Platform::File file;
    QByteArray stored(bytes.size() + 1, '\0');
    if (!file.openRead(encoded)) {
        *error = Platform::systemError(file.error());
        return false;
    }
    file.setReadBack(true);
    const qint64 got = file.read(stored.data(), stored.size(), 0);
    if (got < 0) {
        *error = Platform::systemError(file.error());
        return false;
    }
    if (stored.left(int(got)) != bytes) {
        *error = CoreText::tr("the disk kept other bytes than were written "
                              "(is it full?)");
        return false;
    }
    return true;
}

} // namespace

bool Settings::Save()
{
    const auto failed = [this](const QString &error) {
        m_error = error;
        qCWarning(lcSettings) << "cannot write" << QDir::toNativeSeparators(fileName()) << m_error;
        return false;
    };

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly | QIODevice::Text);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Settings"));
    writer.writeTextElement(QStringLiteral("PATH_MEDIA"), PATH_MEDIA);
    writer.writeTextElement(QStringLiteral("PATH_SAVE"), PATH_SAVE);
    writer.writeEndElement();
    writer.writeEndDocument();
    if (writer.hasError())
        return failed(buffer.errorString());

    QSaveFile file(fileName());
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    // flush() before commit(): on a full disk commit() alone has been seen to
    // report success for a truncated file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return failed(error);
    }
    if (!file.commit())
        return failed(file.errorString());
    // A file this small may stay in memory past commit(): only the drive tells.
    QString error;
    if (!readsBack(fileName(), bytes, &error))
        return failed(error);
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
