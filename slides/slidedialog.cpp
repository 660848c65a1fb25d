#include "slides/slidedialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The preview's longer side, in pixels.
constexpr int previewSide = 420;

void showColour(QPushButton *button, const QColor &colour)
{
    button->setProperty("colour", colour);
    button->setText(colour.name().toUpper());
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; }")
                              .arg(colour.name(), colour.lightness() > 128
                                                      ? QStringLiteral("black")
                                                      : QStringLiteral("white")));
}

QColor colourOf(const QPushButton *button)
{
    return button->property("colour").value<QColor>();
}

} // namespace

SlideDialog::SlideDialog(const SlideSource &source, const QSize &screen, QWidget *parent)
    : QDialog(parent), m_screen(screen.isEmpty() ? QSize(1920, 1080) : screen)
{
    setWindowTitle(tr("Text Slide"));
    m_layout = new QComboBox(this);
    m_layout->addItem(tr("Headline and lines"), int(SlideSource::Layout::HeadlineAndLines));
    m_layout->addItem(tr("Price"), int(SlideSource::Layout::Price));
    m_layout->addItem(tr("Notice"), int(SlideSource::Layout::Notice));
    m_headline = new QLineEdit(this);
    m_headline->setObjectName(QStringLiteral("slideHeadline"));
    auto *form = new QFormLayout;
    form->addRow(tr("&Layout:"), m_layout);
    form->addRow(tr("&Headline:"), m_headline);
    for (int i = 0; i < SlideSource::maxLines; ++i) {
        auto *line = new QLineEdit(this);
        m_lines.append(line);
        form->addRow(i == 0 ? tr("L&ines:") : QString(), line);
    }
    m_price = new QLineEdit(this);
    m_price->setPlaceholderText(tr("None"));
    form->addRow(tr("&Price:"), m_price);

    m_background = new QPushButton(this);
    m_text = new QPushButton(this);
    auto *colours = new QHBoxLayout;
    colours->addWidget(new QLabel(tr("Background:"), this));
    colours->addWidget(m_background);
    colours->addWidget(new QLabel(tr("Text:"), this));
    colours->addWidget(m_text);
    colours->addStretch();
    form->addRow(tr("Colours:"), colours);
    m_font = new QFontComboBox(this);
    form->addRow(tr("&Font:"), m_font);

    m_picturePath = new QLineEdit(this);
    m_picturePath->setReadOnly(true);
    m_picturePath->setPlaceholderText(tr("None"));
    auto *choose = new QPushButton(tr("C&hoose…"), this);
    m_clearPicture = new QPushButton(tr("&No Picture"), this);
    auto *picture = new QHBoxLayout;
    picture->addWidget(m_picturePath, 1);
    picture->addWidget(choose);
    picture->addWidget(m_clearPicture);
    form->addRow(tr("Background picture:"), picture);
    m_pictureProblem = new QLabel(this);
    m_pictureProblem->setWordWrap(true);
    m_pictureProblem->hide();
    form->addRow(QString(), m_pictureProblem);

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("slidePreview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFixedSize(m_screen.scaled(previewSide, previewSide, Qt::KeepAspectRatio));
    auto *previewCaption = new QLabel(
        tr("As the screen shows it (%1×%2)").arg(m_screen.width()).arg(m_screen.height()), this);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_preview);
    previewColumn->addWidget(previewCaption, 0, Qt::AlignHCenter);
    previewColumn->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto *columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addSpacing(12);
    columns->addLayout(previewColumn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(60);
    connect(m_previewTimer, &QTimer::timeout, this, &SlideDialog::updatePreview);
    showSource(source);

    const auto changed = [this] { m_previewTimer->start(); };
    connect(m_layout, qOverload<int>(&QComboBox::currentIndexChanged), this, changed);
    for (QLineEdit *edit : qAsConst(m_lines))
        connect(edit, &QLineEdit::textChanged, this, changed);
    connect(m_headline, &QLineEdit::textChanged, this, changed);
    connect(m_price, &QLineEdit::textChanged, this, changed);
    connect(m_font, &QFontComboBox::currentFontChanged, this, changed);
    connect(m_background, &QPushButton::clicked, this, [this] { chooseColour(m_background); });
    connect(m_text, &QPushButton::clicked, this, [this] { chooseColour(m_text); });
    connect(choose, &QPushButton::clicked, this, &SlideDialog::choosePicture);
    connect(m_clearPicture, &QPushButton::clicked, this, [this] { loadPicture({}); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void SlideDialog::showSource(const SlideSource &source)
{
    m_layout->setCurrentIndex(qMax(0, m_layout->findData(int(source.layout))));
    m_headline->setText(source.headline);
    for (int i = 0; i < m_lines.size(); ++i)
        m_lines.at(i)->setText(source.lines.value(i));
    m_price->setText(source.price);
    showColour(m_background, source.background);
    showColour(m_text, source.text);
    if (!source.fontFamily.isEmpty())
        m_font->setCurrentFont(QFont(source.fontFamily));
    loadPicture(source.picture);
}

SlideSource SlideDialog::source() const
{
    SlideSource source;
    source.layout = SlideSource::Layout(m_layout->currentData().toInt());
    source.headline = m_headline->text();
    for (const QLineEdit *line : m_lines)
        source.lines.append(line->text());
    while (!source.lines.isEmpty() && source.lines.last().trimmed().isEmpty())
        source.lines.removeLast();
    source.price = m_price->text();
    source.background = colourOf(m_background);
    source.text = colourOf(m_text);
    source.fontFamily = m_font->currentFont().family();
    source.picture = m_picturePath->text();
    return source;
}

void SlideDialog::chooseColour(QPushButton *button)
{
    const QColor colour = QColorDialog::getColor(colourOf(button), this, tr("Slide Colour"));
    if (colour.isValid()) {
        showColour(button, colour);
        m_previewTimer->start();
    }
}

void SlideDialog::choosePicture()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Background Picture"), QFileInfo(m_picturePath->text()).absolutePath(),
        tr("Pictures (*.jpg *.jpeg *.png *.webp *.bmp);;All files (*)"));
    if (!path.isEmpty())
        loadPicture(path);
}

void SlideDialog::loadPicture(const QString &path)
{
    m_picturePath->setText(path);
    m_clearPicture->setEnabled(!path.isEmpty());
    m_picture = QImage();
    m_pictureProblem->hide();
    const int request = ++m_pictureRequest;
    m_previewTimer->start();
    if (path.isEmpty())
        return;
    const QSize size = m_screen;
    QPointer<SlideDialog> dialog(this);
    QThread *thread = QThread::create([dialog, path, size, request] {
        QString error;
        const QImage image = loadSlidePicture(path, size, &error);
        QMetaObject::invokeMethod(qApp, [dialog, image, error, request] {
            // Only the picture chosen last counts.
            if (!dialog || request != dialog->m_pictureRequest)
                return;
            dialog->m_picture = image;
            dialog->m_pictureProblem->setText(error);
            dialog->m_pictureProblem->setVisible(!error.isEmpty());
            dialog->updatePreview();
        });
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void SlideDialog::updatePreview()
{
    const SlideSource shown = source();
    m_ok->setEnabled(!shown.headline.trimmed().isEmpty() || !shown.price.trimmed().isEmpty() ||
                     !shown.lines.isEmpty());
    // Drawn at the screen's size and scaled down: text set at the real size
    // wraps as it will on the screen.
    const QImage slide = renderSlide(shown, m_screen, m_picture);
    m_preview->setPixmap(QPixmap::fromImage(
        slide.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
