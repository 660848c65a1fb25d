#pragma once

#include <QColor>
#include <QImage>
#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>

// A slide made of text in the program: what the user typed and chose. The
// image it makes is an ordinary picture; this source is kept beside it so the
// slide can be edited again. Its texts are the user's own, never translated.
struct SlideSource
{
    enum class Layout { HeadlineAndLines, Price, Notice };
    static constexpr int maxLines = 4;

    Layout layout = Layout::HeadlineAndLines;
    QString headline;
    QStringList lines; // up to maxLines
    QString price;     // empty: none
    QColor background{0x1f, 0x3a, 0x5f};
    QColor text{Qt::white};
    QString fontFamily;
    QString picture; // background picture, empty for the plain colour

    void write(QJsonObject &json) const;
    // False when json is no slide source; fields it lacks keep their defaults.
    [[nodiscard]] bool read(const QJsonObject &json);

    bool operator==(const SlideSource &other) const;
    bool operator!=(const SlideSource &other) const { return !(*this == other); }
};

// The background picture, upright, no larger than the screen needs; null and
// error set when it cannot be read (blocking).
QImage loadSlidePicture(const QString &path, const QSize &screen, QString *error);

// Draws the slide at size. Each text is set as large as its part of the slide
// allows and never beyond it. picture: loadSlidePicture's, or null.
QImage renderSlide(const SlideSource &source, const QSize &size, const QImage &picture);

// Where slides are kept: a folder of the conversions' cache.
QString slideFolder();

// The file name of the slide source makes at size: "slide-closed-today-1a2b3c4d.png",
// its words from the headline, its hash from everything that shapes the picture.
// PNG keeps flat colours and text edges clean and small; over a photo, JPEG.
QString slideFileName(const SlideSource &source, const QSize &size);

// Renders source at size and writes the image into slideFolder() with its
// source beside it; *image is its path. An image already made is reused.
[[nodiscard]] bool writeSlide(const SlideSource &source, const QSize &size, QString *image,
                              QString *error);

// The source kept for the slide image named file (a path or a stored name,
// looked up by its file name); false when file is no slide made here.
[[nodiscard]] bool findSlideSource(const QString &file, SlideSource *source);
