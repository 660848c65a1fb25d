#include "profile/screenprofiledialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

QSpinBox *pixels(QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(16, 16384);
    box->setSuffix(ScreenProfileDialog::tr(" px"));
    return box;
}

QWidget *pair(QWidget *parent, QWidget *first, QWidget *second)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(new QLabel(QStringLiteral("×"), row));
    layout->addWidget(second);
    layout->addStretch();
    return row;
}

const QString custom = QStringLiteral("custom");

} // namespace

QString ScreenProfileDialog::presetName(const QString &id)
{
    if (id == QLatin1String("full-hd"))
        return tr("Full HD TV (1920×1080)");
    if (id == QLatin1String("full-hd-portrait"))
        return tr("Full HD TV mounted upright (1080×1920)");
    if (id == QLatin1String("hd-silent"))
        return tr("HD signage player, no sound (1280×720)");
    if (id == QLatin1String("basic-stick"))
        return tr("Basic USB player on a Full HD TV, clips up to 720p");
    if (id == QLatin1String("uhd"))
        return tr("4K TV (3840×2160, HEVC)");
    return tr("Custom");
}

ScreenProfileDialog::ScreenProfileDialog(const ScreenProfile &profile, QWidget *parent)
    : QDialog(parent), m_preset(new QComboBox(this)), m_screenWidth(pixels(this)),
      m_screenHeight(pixels(this)), m_orientation(new QComboBox(this)), m_videoWidth(pixels(this)),
      m_videoHeight(pixels(this)), m_h264(new QCheckBox(QStringLiteral("H.264"), this)),
      m_hevc(new QCheckBox(QStringLiteral("HEVC (H.265)"), this)), m_frameRate(new QSpinBox(this)),
      m_sound(new QCheckBox(tr("Plays the clips' sound"), this)),
      m_rotation(new QCheckBox(tr("Turns clips by their rotation flag"), this))
{
    setObjectName(QStringLiteral("screenProfileDialog"));
    setWindowTitle(tr("Screen and Player"));
    for (const ScreenProfile &preset : ScreenProfile::presets())
        m_preset->addItem(presetName(preset.preset), preset.preset);
    m_preset->addItem(presetName(custom), custom);
    m_orientation->addItem(tr("Landscape"));
    m_orientation->addItem(tr("Portrait (mounted upright)"));
    // Every player this program writes for plays H.264.
    m_h264->setEnabled(false);
    m_frameRate->setRange(1, 240);
    m_frameRate->setSuffix(tr(" fps"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Preset:"), m_preset);
    form->addRow(tr("Screen &resolution:"), pair(this, m_screenWidth, m_screenHeight));
    form->addRow(tr("&Orientation:"), m_orientation);
    form->addRow(tr("Largest &video:"), pair(this, m_videoWidth, m_videoHeight));
    auto *codecs = new QWidget(this);
    auto *codecRow = new QHBoxLayout(codecs);
    codecRow->setContentsMargins(0, 0, 0, 0);
    codecRow->addWidget(m_h264);
    codecRow->addWidget(m_hevc);
    codecRow->addStretch();
    form->addRow(tr("Video codecs:"), codecs);
    form->addRow(tr("Largest &frame rate:"), m_frameRate);
    form->addRow(QString(), m_sound);
    form->addRow(QString(), m_rotation);
    auto *note = new QLabel(tr("Media larger or richer than this are marked in the table, and "
                               "can be fitted to it when you save."),
                            this);
    note->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    showProfile(profile);
    connect(m_preset, QOverload<int>::of(&QComboBox::activated), this,
            &ScreenProfileDialog::presetChosen);
    for (QSpinBox *box : {m_screenWidth, m_screenHeight, m_videoWidth, m_videoHeight, m_frameRate})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &ScreenProfileDialog::valuesEdited);
    connect(m_orientation, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ScreenProfileDialog::valuesEdited);
    for (QCheckBox *box : {m_hevc, m_sound, m_rotation})
        connect(box, &QCheckBox::toggled, this, &ScreenProfileDialog::valuesEdited);
}

void ScreenProfileDialog::showProfile(const ScreenProfile &profile)
{
    m_showing = true;
    const int preset = m_preset->findData(profile.preset);
    m_preset->setCurrentIndex(preset < 0 ? m_preset->count() - 1 : preset);
    m_screenWidth->setValue(profile.screen.width());
    m_screenHeight->setValue(profile.screen.height());
    m_orientation->setCurrentIndex(profile.portrait ? 1 : 0);
    m_videoWidth->setValue(profile.largestVideo.width());
    m_videoHeight->setValue(profile.largestVideo.height());
    m_h264->setChecked(true);
    m_hevc->setChecked(profile.videoCodecs.contains(QLatin1String("hevc")));
    m_frameRate->setValue(qRound(profile.largestFrameRate));
    m_sound->setChecked(profile.playsSound);
    m_rotation->setChecked(profile.honoursRotation);
    m_showing = false;
}

void ScreenProfileDialog::presetChosen(int index)
{
    const QVector<ScreenProfile> presets = ScreenProfile::presets();
    if (index >= 0 && index < presets.size())
        showProfile(presets.at(index));
}

void ScreenProfileDialog::valuesEdited()
{
    if (m_showing)
        return;
    // The preset's name stays only while every value is the preset's.
    ScreenProfile edited = profile();
    const QVector<ScreenProfile> presets = ScreenProfile::presets();
    int matching = m_preset->count() - 1;
    for (int i = 0; i < presets.size(); ++i) {
        edited.preset = presets.at(i).preset;
        if (edited == presets.at(i))
            matching = i;
    }
    m_preset->setCurrentIndex(matching);
}

ScreenProfile ScreenProfileDialog::profile() const
{
    ScreenProfile profile;
    profile.preset = m_preset->currentData().toString();
    profile.screen = QSize(m_screenWidth->value(), m_screenHeight->value());
    profile.portrait = m_orientation->currentIndex() == 1;
    profile.largestVideo = QSize(m_videoWidth->value(), m_videoHeight->value());
    profile.videoCodecs = QStringList{QStringLiteral("h264")};
    if (m_hevc->isChecked())
        profile.videoCodecs.append(QStringLiteral("hevc"));
    profile.largestFrameRate = m_frameRate->value();
    profile.playsSound = m_sound->isChecked();
    profile.honoursRotation = m_rotation->isChecked();
    return profile;
}
