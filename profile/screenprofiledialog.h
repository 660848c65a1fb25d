#pragma once

#include "settings/screenprofile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// The screen's size and orientation and what its player plays, from a preset
// or set by hand ("Custom" as soon as a value differs from every preset).
class ScreenProfileDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScreenProfileDialog(const ScreenProfile &profile, QWidget *parent = nullptr);

    ScreenProfile profile() const;

    // The name the dialog shows for a preset's id.
    static QString presetName(const QString &id);

private:
    void showProfile(const ScreenProfile &profile);
    void presetChosen(int index);
    void valuesEdited();

    QComboBox *m_preset;
    QSpinBox *m_screenWidth;
    QSpinBox *m_screenHeight;
    QComboBox *m_orientation;
    QSpinBox *m_videoWidth;
    QSpinBox *m_videoHeight;
    QCheckBox *m_h264;
    QCheckBox *m_hevc;
    QSpinBox *m_frameRate;
    QCheckBox *m_sound;
    QCheckBox *m_rotation;
    bool m_showing = false;
};
