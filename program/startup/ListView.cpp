#include "ListView.h"

#include "startup/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>

ListView::ListView(QWidget *parent) : QTreeWidget(parent) {
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString ListView::Key(const QTreeWidgetItem *item) {
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void ListView::AddColumn(const QString &headerText, int widthTwips, Qt::Alignment alignment) {
    const int column = columnCount();
    setColumnCount(column + 1);
    QTreeWidgetItem *head = headerItem();
    head->setText(column, headerText);
    head->setTextAlignment(column, alignment | Qt::AlignVCenter);
    setColumnWidth(column, Twips::ToPixels(widthTwips));
}

QTreeWidgetItem *ListView::AddRow(const QString &key) {
    auto *item = new QTreeWidgetItem;
    item->setData(0, Qt::UserRole, key);
    for (int column = 0; column < columnCount(); ++column)
        item->setTextAlignment(column, Qt::Alignment(headerItem()->textAlignment(column)));
    item->setText(0, key);
    addTopLevelItem(item);
    return item;
}

void ListView::SetCell(QTreeWidgetItem *item, int column, const QString &text) {
    if (item && column >= 0 && column < columnCount())
        item->setText(column, text);
}

QTreeWidgetItem *ListView::SelectedItem() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ListView::keyPressEvent(QKeyEvent *event) {
    QTreeWidget::keyPressEvent(event);
    // Arrow keys, page keys and the like carry no character and only move the selection.
    // The Delete key carries the DEL character on some keyboards; it is no character typed.
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Delete || text.at(0) == QChar(0x7f))
        return;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        emit KeyPress(text.at(0));
}
