#include "playlist/tableview.h"
#include "app/mainwindow.h"
#include "archive/text.h"

#include "media/mediaconvert.h"
#include "playlist/playlisttable.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

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
        const QString file = value.toString();
        const QString source = sources.value(file);
        if (source.isEmpty())
            return shownFileName(file);
        if (isFittedCopy(file))
            return MainWindow::tr("%1 — fitted from %2")
                .arg(shownFileName(file), shownFileName(source));
        return MainWindow::tr("%1 — converted from %2")
            .arg(shownFileName(file), shownFileName(source));
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        const QString source = sources.value(index.data().toString());
        if (event->type() != QEvent::ToolTip || source.isEmpty())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QString tip = MainWindow::tr("Converted from %1").arg(quoted(source));
        const QString own = index.data(Qt::ToolTipRole).toString();
        if (!own.isEmpty())
            tip += QLatin1String("\n\n") + own;
        QToolTip::showText(event->globalPos(), tip, view, view->visualRect(index));
        return true;
    }

    // Converted copy -> the file it was made from. Never pruned: undo and
    // redo bring back rows by their file text.
    QHash<QString, QString> sources;
};

FileNameDelegate *fileDelegate(const QTableWidget &table)
{
    return dynamic_cast<FileNameDelegate *>(table.itemDelegateForColumn(ColumnFile));
}

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

void noteConvertedSource(QTableWidget *table, const QString &converted, const QString &source)
{
    if (FileNameDelegate *delegate = fileDelegate(*table))
        delegate->sources.insert(converted, source);
}

QHash<QString, QString> convertedSources(const QTableWidget &table)
{
    const FileNameDelegate *delegate = fileDelegate(table);
    return delegate ? delegate->sources : QHash<QString, QString>();
}

QString shownFileText(const QTableWidget &table, int row)
{
    const QModelIndex index = table.model()->index(row, ColumnFile);
    const FileNameDelegate *delegate = fileDelegate(table);
    return delegate ? delegate->displayText(index.data(), QLocale()) : index.data().toString();
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

    auto *hint = new QLabel(MainWindow::tr("Add files or drop them here"), table->viewport());
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
