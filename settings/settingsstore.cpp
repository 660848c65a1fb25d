#include "settings/settingsstore.h"
#include "archive/text.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>

SettingsStore::SettingsStore(JobRunner *runner, QObject *parent) : QObject(parent), m_runner(runner)
{}

SettingsStore::Values SettingsStore::read() const
{
    if (m_runner->contains(m_lastWrite))
        return m_queued;
    Settings settings;
    settings.Read();
    return {settings.PATH_MEDIA, settings.PATH_SAVE};
}

void SettingsStore::write(const Values &values)
{
    m_queued = values;
    m_lastWrite = m_runner->submit<QString>(
        {Settings::fileName()},
        [values](JobControl *) {
            Settings settings;
            settings.PATH_MEDIA = values.pathMedia;
            settings.PATH_SAVE = values.pathSave;
            if (settings.Save())
                return QString();
            return CoreText::tr("The folders to start in next time could not be "
                                "remembered: %1 cannot be written (%2).")
                .arg(quoted(QDir::current().absoluteFilePath(Settings::fileName())),
                     settings.errorString());
        },
        [this](const QString &warning) { emit written(warning); });
}
