#include "playlist/tableview.h"

#include "playlist/playlisttable.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString tr(const char *text)
{
    return QApplication::translate("MainWindow", text);
}

QSize markSize(const QWidget *view)
{
    const int side = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
    return {side, side};
}

class FileNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return shownFileName(value.toString());
    }
};

// The mark sits at its own small size beside the time: the view's icon size
// is the File column's thumbnails.
class TimeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Room for the longest time and the mark, whatever the row shows now, so
    // a mark arriving later never squeezes the time.
    static int columnWidth(const QWidget *view)
    {
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        option.fontMetrics = view->fontMetrics();
        option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        option.decorationSize = markSize(view);
        option.text = QStringLiteral("00:00:00");
        const QSize size =
            view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view);
        return size.width() + option.fontMetrics.averageCharWidth() * 2;
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(
            columnWidth(option.widget ? option.widget : qobject_cast<QWidget *>(parent())));
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->widget)
            option->decorationSize = markSize(option->widget);
    }
};

} // namespace

QString shownFileName(const QString &file)
{
    return file.mid(file.lastIndexOf(QLatin1Char('/')) + 1);
}

void setupPlaylistView(QTableWidget *table)
{
    // Wrapping breaks names at their slashes and cuts off the extension.
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideMiddle);
    table->setItemDelegateForColumn(ColumnFile, new FileNameDelegate(table));
    table->setItemDelegateForColumn(ColumnTime, new TimeDelegate(table));

    QHeaderView *header = table->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(ColumnTime, QHeaderView::Fixed);
    header->resizeSection(
        ColumnTime, qMax(TimeDelegate::columnWidth(table), header->sectionSizeHint(ColumnTime)));
    header->setSectionResizeMode(ColumnFile, QHeaderView::Stretch);

    auto *hint = new QLabel(tr("Add files or drop them here"), table->viewport());
    hint->setObjectName(QStringLiteral("labelEmptyTable"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = hint->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    hint->setPalette(palette);
    auto *layout = new QVBoxLayout(table->viewport());
    layout->addWidget(hint, 0, Qt::AlignCenter);

    const auto follow = [table, hint] { hint->setVisible(table->rowCount() == 0); };
    QAbstractItemModel *model = table->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, hint, follow);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, hint, follow);
    QObject::connect(model, &QAbstractItemModel::modelReset, hint, follow);
    follow();
}
