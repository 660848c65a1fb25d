#pragma once

#include "media/textslide.h"

#include <QDialog>
#include <QImage>
#include <QVector>

class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Makes or edits a text slide: a layout, the texts, the shop's colours and
// font, a background picture, and a preview at the screen's shape.
class SlideDialog : public QDialog
{
    Q_OBJECT

public:
    SlideDialog(const SlideSource &source, const QSize &screen, QWidget *parent = nullptr);

    SlideSource source() const;

private:
    void showSource(const SlideSource &source);
    void chooseColour(QPushButton *button);
    void choosePicture();
    // Reads the picture off the GUI thread; the preview follows when it is in.
    void loadPicture(const QString &path);
    void updatePreview();

    QSize m_screen;
    QComboBox *m_layout;
    QLineEdit *m_headline;
    QVector<QLineEdit *> m_lines;
    QLineEdit *m_price;
    QPushButton *m_background;
    QPushButton *m_text;
    QFontComboBox *m_font;
    QLineEdit *m_picturePath;
    QPushButton *m_clearPicture;
    QLabel *m_preview;
    QLabel *m_pictureProblem;
    QPushButton *m_ok;
    QTimer *m_previewTimer;
    QImage m_picture; // at about the preview's size
    int m_pictureRequest = 0;
};
