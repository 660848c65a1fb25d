#pragma once

#include "preview/previewplan.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

// A strip of the playlist's items, each as wide as its share of the loop's
// time and showing its thumbnail, with a cursor at the playing position.
class PreviewTimeline : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewTimeline(QWidget *parent = nullptr);

    // items must outlive this widget; call itemsChanged() when their times change.
    void setItems(const QVector<PreviewItem> *items);
    void itemsChanged();
    void setThumbnail(const QString &key, const QImage &image);
    void setCursor(int index, qint64 positionMs);

    // The x of the start of each item and of the end, for the current width.
    QVector<int> edges() const;
    int cursorX() const { return m_cursorX; }

    QSize sizeHint() const override { return {640, 64}; }
    QSize minimumSizeHint() const override { return {120, 64}; }

signals:
    void itemClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutItems();

    const QVector<PreviewItem> *m_items = nullptr;
    QHash<QString, QPixmap> m_thumbnails;
    QVector<qint64> m_startsMs; // each item's start in the loop, then the loop's length
    QVector<int> m_edges;
    int m_index = -1;
    int m_cursorX = 0;
};
