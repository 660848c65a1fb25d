#include "preview/previewtimeline.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const int margin = 4;

} // namespace

PreviewTimeline::PreviewTimeline(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("previewTimeline"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PreviewTimeline::setItems(const QVector<PreviewItem> *items)
{
    m_items = items;
    itemsChanged();
}

void PreviewTimeline::itemsChanged()
{
    m_startsMs.clear();
    qint64 at = 0;
    for (const PreviewItem &item : *m_items) {
        m_startsMs.append(at);
        at += qMax<qint64>(0, slotMs(item));
    }
    m_startsMs.append(at);
    layoutItems();
    update();
}

void PreviewTimeline::layoutItems()
{
    m_edges.clear();
    const qint64 total = qMax<qint64>(1, m_startsMs.isEmpty() ? 1 : m_startsMs.last());
    const int span = qMax(1, width() - 2 * margin);
    for (const qint64 start : qAsConst(m_startsMs))
        m_edges.append(margin + int(double(start) * span / double(total)));
}

QVector<int> PreviewTimeline::edges() const
{
    return m_edges;
}

void PreviewTimeline::setThumbnail(const QString &key, const QImage &image)
{
    m_thumbnails.insert(key, QPixmap::fromImage(image));
    update();
}

void PreviewTimeline::setCursor(int index, qint64 positionMs)
{
    if (index < 0 || index + 1 >= m_edges.size())
        return;
    const qint64 length = m_startsMs.at(index + 1) - m_startsMs.at(index);
    const int left = m_edges.at(index);
    const int right = m_edges.at(index + 1);
    const int x = length > 0 ? left + int(double(qBound<qint64>(0, positionMs, length)) *
                                          (right - left) / double(length))
                             : left;
    if (x == m_cursorX && index == m_index)
        return;
    const bool sameItem = index == m_index;
    // Only the strips around the old and the new cursor are drawn again.
    const int oldX = m_cursorX;
    m_index = index;
    m_cursorX = x;
    if (sameItem) {
        update(QRect(QPoint(qMin(oldX, x) - 2, 0), QPoint(qMax(oldX, x) + 2, height())));
    } else {
        update();
    }
}

void PreviewTimeline::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutItems();
}

void PreviewTimeline::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(24, 24, 24));
    if (!m_items)
        return;
    const QRect area = rect().adjusted(0, margin, 0, -margin);
    // Only the items the damaged strip touches: thousands of rows stay cheap.
    const auto first = std::upper_bound(m_edges.cbegin(), m_edges.cend(), event->rect().left());
    int i = int(std::max<std::ptrdiff_t>(0, (first - m_edges.cbegin()) - 1));
    for (; i < m_items->size() && i + 1 < m_edges.size(); ++i) {
        const int left = m_edges.at(i);
        if (left > event->rect().right())
            break;
        const QRect box(left, area.top(), qMax(1, m_edges.at(i + 1) - left - 1), area.height());
        painter.fillRect(box, i == m_index ? QColor(70, 70, 70) : QColor(48, 48, 48));
        const QPixmap thumbnail = m_thumbnails.value(m_items->at(i).source.key());
        if (!thumbnail.isNull() && box.width() > 8) {
            const QPixmap fitted =
                thumbnail.scaled(box.size() - QSize(4, 4), Qt::KeepAspectRatioByExpanding);
            const QRect inner = box.adjusted(2, 2, -2, -2);
            painter.drawPixmap(inner, fitted,
                               QRect((fitted.width() - inner.width()) / 2,
                                     (fitted.height() - inner.height()) / 2, inner.width(),
                                     inner.height()));
        }
        if (i == m_index) {
            painter.setPen(QColor(255, 200, 0));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
    if (m_index >= 0) {
        painter.fillRect(QRect(m_cursorX - 1, 0, 3, height()), Qt::white);
    }
}

void PreviewTimeline::mousePressEvent(QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const int x = int(event->position().x());
#else
    const int x = event->pos().x();
#endif
    const auto after = std::upper_bound(m_edges.cbegin(), m_edges.cend(), x);
    const int index = int(after - m_edges.cbegin()) - 1;
    if (index >= 0 && m_items && index < m_items->size())
        emit itemClicked(index);
}
