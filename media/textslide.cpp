#include "media/textslide.h"

#include "archive/text.h"
#include "media/mediaconvert.h"
#include "media/mediaexamine.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QSaveFile>

namespace {

// As the conversions: larger pictures take seconds and memory no screen needs.
// A source is a few hundred bytes; anything far larger is not one of ours.
constexpr qint64 maxSourceBytes = 64 * 1024;

struct LayoutName
{
    SlideSource::Layout layout;
    const char *id;
};
constexpr LayoutName layoutNames[] = {
    {SlideSource::Layout::HeadlineAndLines, "headline-and-lines"},
    {SlideSource::Layout::Price, "price"},
    {SlideSource::Layout::Notice, "notice"},
};

enum class Part { Headline, Lines, Price };
struct Band
{
    Part part;
    int weight; // its share of the slide's height
};

// Top to bottom; a part left empty gives its height to the others.
QVector<Band> bandsOf(SlideSource::Layout layout)
{
    switch (layout) {
    case SlideSource::Layout::Price:
        return {{Part::Headline, 2}, {Part::Price, 4}, {Part::Lines, 2}};
    case SlideSource::Layout::Notice:
        return {{Part::Headline, 5}, {Part::Lines, 2}, {Part::Price, 1}};
    case SlideSource::Layout::HeadlineAndLines:
        break;
    }
    return {{Part::Headline, 2}, {Part::Lines, 4}, {Part::Price, 2}};
}

// The largest pixel size at which text, wrapped at word boundaries, fits box.
int fittedPixelSize(QFont font, const QString &text, const QRect &box, int flags,
                    const QPaintDevice *device, int largest)
{
    int low = 4;
    int high = qMax(low, qMin(largest, box.height()));
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        font.setPixelSize(middle);
        const QRect needed = QFontMetrics(font, device).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// Up to four words of the headline in plain lower-case letters and digits.
QString nameWords(const QString &headline)
{
    QString plain;
    for (const QChar c : headline.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() < 0x80 && c.isLetterOrNumber())
            plain += c.toLower();
        else if (c.isSpace() || c.isPunct())
            plain += QLatin1Char(' ');
    }
    QStringList words = plain.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString name;
    for (const QString &word : qAsConst(words)) {
        if (name.size() + word.size() > 32)
            break;
        name += word + QLatin1Char('-');
    }
    return name;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error =
        MediaText::tr("The slide could not be kept: %1 cannot be written (%2). Check that there "
                      "is space in your home folder.")
            .arg(quoted(path), file.errorString());
    return false;
}

} // namespace

void SlideSource::write(QJsonObject &json) const
{
    for (const LayoutName &name : layoutNames) {
        if (name.layout == layout)
            json[QStringLiteral("layout")] = QLatin1String(name.id);
    }
    json[QStringLiteral("headline")] = headline;
    json[QStringLiteral("lines")] = QJsonArray::fromStringList(lines);
    json[QStringLiteral("price")] = price;
    json[QStringLiteral("background")] = background.name();
    json[QStringLiteral("text")] = text.name();
    json[QStringLiteral("font")] = fontFamily;
    json[QStringLiteral("picture")] = picture;
}

bool SlideSource::read(const QJsonObject &json)
{
    const QString id = json.value(QStringLiteral("layout")).toString();
    bool known = false;
    for (const LayoutName &name : layoutNames) {
        if (id == QLatin1String(name.id)) {
            layout = name.layout;
            known = true;
        }
    }
    if (!known)
        return false;
    headline = json.value(QStringLiteral("headline")).toString();
    lines.clear();
    const QJsonArray array = json.value(QStringLiteral("lines")).toArray();
    for (int i = 0; i < array.size() && lines.size() < maxLines; ++i)
        lines.append(array.at(i).toString());
    price = json.value(QStringLiteral("price")).toString();
    const QColor back(json.value(QStringLiteral("background")).toString());
    const QColor fore(json.value(QStringLiteral("text")).toString());
    if (back.isValid())
        background = back;
    if (fore.isValid())
        text = fore;
    fontFamily = json.value(QStringLiteral("font")).toString();
    picture = json.value(QStringLiteral("picture")).toString();
    return true;
}

bool SlideSource::operator==(const SlideSource &other) const
{
    return layout == other.layout && headline == other.headline && lines == other.lines &&
           price == other.price && background == other.background && text == other.text &&
           fontFamily == other.fontFamily && picture == other.picture;
}

QImage loadSlidePicture(const QString &path, const QSize &screen, QString *error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!decodableImageSize(size)) {
        *error = MediaText::tr("The background picture %1 cannot be used: %2. Choose a JPEG or PNG "
                               "photo no larger than 16384 pixels a side.")
                     .arg(quoted(path),
                          size.isValid() ? MediaText::tr("it is too large") : reader.errorString());
        return {};
    }
    // Decoding at about the screen's size: a 12 MP photo need not be read whole.
    if (reader.supportsOption(QImageIOHandler::ScaledSize) && !screen.isEmpty()) {
        const QSize wanted = size.scaled(screen, Qt::KeepAspectRatioByExpanding);
        if (wanted.width() < size.width())
            reader.setScaledSize(wanted);
    }
    QImage image = reader.read();
    if (image.isNull())
        *error = MediaText::tr("The background picture %1 cannot be used: %2.")
                     .arg(quoted(path), reader.errorString());
    return image;
}

QImage renderSlide(const SlideSource &source, const QSize &size, const QImage &picture)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(source.background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    if (!picture.isNull()) {
        // Filling the slide, cut to its shape, under a veil of the background
        // colour that keeps the text readable.
        const QSize cover = picture.size().scaled(size, Qt::KeepAspectRatioByExpanding);
        const QRect target(
            QPoint((size.width() - cover.width()) / 2, (size.height() - cover.height()) / 2),
            cover);
        painter.drawImage(target, picture);
        QColor veil = source.background;
        veil.setAlpha(120);
        painter.fillRect(image.rect(), veil);
    }

    const int margin = qMin(size.width(), size.height()) * 7 / 100;
    const QRect content = image.rect().adjusted(margin, margin, -margin, -margin);
    const int gap = content.height() * 3 / 100;
    QString lines;
    for (const QString &line : source.lines) {
        if (!line.trimmed().isEmpty())
            lines += (lines.isEmpty() ? QString() : QStringLiteral("\n")) + line.trimmed();
    }
    const auto textOf = [&](Part part) {
        return part == Part::Headline ? source.headline.trimmed()
               : part == Part::Price  ? source.price.trimmed()
                                      : lines;
    };
    QVector<Band> bands;
    int weights = 0;
    for (const Band &band : bandsOf(source.layout)) {
        if (!textOf(band.part).isEmpty()) {
            bands.append(band);
            weights += band.weight;
        }
    }
    if (bands.isEmpty())
        return image;

    QFont base;
    if (!source.fontFamily.isEmpty())
        base.setFamily(source.fontFamily);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const int free = content.height() - gap * int(bands.size() - 1);
    int top = content.top();
    int largestAbove = 0;
    painter.setPen(source.text);
    for (const Band &part : qAsConst(bands)) {
        const QRect band(content.left(), top, content.width(), free * part.weight / weights);
        top = band.bottom() + 1 + gap;
        // Set within a narrower box: letters reach a little past their advance.
        const QRect box = band.adjusted(band.width() / 100, 0, -band.width() / 100, 0);
        QFont font = base;
        font.setBold(part.part != Part::Lines);
        // Lines stay smaller than the largest text above them.
        const int largest =
            part.part == Part::Lines && largestAbove > 0 ? largestAbove * 7 / 10 : box.height();
        // Each line whole where that costs little of its size.
        const int wrapped = fittedPixelSize(font, textOf(part.part), box, flags, &image, largest);
        const int whole =
            fittedPixelSize(font, textOf(part.part), box, Qt::AlignCenter, &image, largest);
        const int drawFlags = whole * 10 >= wrapped * 7 ? int(Qt::AlignCenter) : flags;
        font.setPixelSize(drawFlags == flags ? wrapped : whole);
        largestAbove = qMax(largestAbove, font.pixelSize());
        painter.setFont(font);
        painter.save();
        painter.setClipRect(band);
        painter.drawText(box, drawFlags, textOf(part.part));
        painter.restore();
    }
    return image;
}

QString slideFolder()
{
    return conversionCacheFolder() + QLatin1String("slides/");
}

QString slideFileName(const SlideSource &source, const QSize &size)
{
    QJsonObject json;
    source.write(json);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QJsonDocument(json).toJson(QJsonDocument::Compact));
    hash.addData(
        QByteArray(QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height())));
    if (!source.picture.isEmpty()) {
        // Another photo saved under the same name makes another slide.
        const QFileInfo picture(source.picture);
        hash.addData(QByteArray(QByteArray::number(picture.size()) + ' ' +
                                QByteArray::number(picture.lastModified().toMSecsSinceEpoch())));
    }
    return QLatin1String("slide-") + nameWords(source.headline) +
           QString::fromLatin1(hash.result().toHex().left(8)) +
           QLatin1String(source.picture.isEmpty() ? ".png" : ".jpg");
}

bool writeSlide(const SlideSource &source, const QSize &size, QString *image, QString *error)
{
    const QString name = slideFileName(source, size);
    const QString folder = slideFolder();
    const QString target = folder + name;
    const QString sourcePath = folder + QFileInfo(name).completeBaseName() + QLatin1String(".json");
    *image = target;
    if (QFileInfo(target).isFile() && QFileInfo(sourcePath).isFile())
        return true;
    QImage picture;
    if (!source.picture.isEmpty()) {
        picture = loadSlidePicture(source.picture, size, error);
        if (picture.isNull())
            return false;
    }
    if (!QDir().mkpath(folder)) {
        *error = MediaText::tr("The slide could not be kept: the folder %1 cannot be made. Check "
                               "that there is space in your home folder.")
                     .arg(quoted(folder));
        return false;
    }
    QJsonObject json;
    source.write(json);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool png = name.endsWith(QLatin1String(".png"));
    if (!renderSlide(source, size, picture).save(&buffer, png ? "PNG" : "JPEG", png ? -1 : 92)) {
        *error = MediaText::tr("The slide %1 could not be drawn.").arg(quoted(target));
        return false;
    }
    // The source first: an image is never left without the means to edit it.
    return writeBytes(sourcePath, QJsonDocument(json).toJson(), error) &&
           writeBytes(target, bytes, error);
}

bool findSlideSource(const QString &file, SlideSource *source)
{
    const QString name = file.mid(file.lastIndexOf(QLatin1Char('/')) + 1);
    if (!name.startsWith(QLatin1String("slide-")))
        return false;
    QFile json(slideFolder() + QFileInfo(name).completeBaseName() + QLatin1String(".json"));
    if (!json.open(QIODevice::ReadOnly) || json.size() > maxSourceBytes)
        return false;
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json.read(maxSourceBytes), &parsed);
    return parsed.error == QJsonParseError::NoError && document.isObject() &&
           source->read(document.object());
}
