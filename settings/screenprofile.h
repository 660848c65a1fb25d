#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// The screen in the shop and what its player plays. Kept in the program's own
// preferences: settings.xml's bytes are fixed.
struct ScreenProfile
{
    QString preset = QStringLiteral("full-hd");      // a preset's id, or "custom"
    QSize screen{1920, 1080};                        // as the panel is built, landscape
    bool portrait = false;                           // the panel is mounted turned
    QSize largestVideo{1920, 1080};                  // either way round
    QStringList videoCodecs{QStringLiteral("h264")}; // FFmpeg's codec names
    double largestFrameRate = 30;
    bool playsSound = true;
    bool honoursRotation = false; // whether a clip's rotation flag turns it

    // The picture as the viewer sees it: the panel's size, turned when portrait.
    QSize screenSize() const { return portrait ? screen.transposed() : screen; }

    bool operator==(const ScreenProfile &other) const;
    bool operator!=(const ScreenProfile &other) const { return !(*this == other); }

    // The named profiles the dialog offers; the first is the default.
    static QVector<ScreenProfile> presets();

    // The profile kept in the preferences, or the default one.
    static ScreenProfile load();
    void save() const;
};
