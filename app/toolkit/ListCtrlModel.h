#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

class EntryStore;

// Shows an EntryStore in a view: one line per row, the store's texts as the cells. The list
// control that owns the store announces every change through the notifications below.
class ListCtrlModel final : public QAbstractTableModel {
public:
    // A cell shows at most this many bytes of its text, whole characters only, and an ellipsis
    // after them when the text goes on. Far more than any address a sitemap may hold, and little
    // enough that the text engine can lay the cell out at once: a hand-edited list can hold a
    // line of any length, and laying out a text of a hundred megabytes takes minutes and
    // gigabytes.
    static constexpr std::size_t kMaxShownBytes = 4096;
    // What a cell with `text` shows.
    static QString ShownText(const std::string& text);

    ListCtrlModel(const EntryStore& store, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void AddColumn(int column, const QString& heading);
    void BeginInsertRow(int row) { beginInsertRows(QModelIndex(), row, row); }
    void EndInsertRow() { endInsertRows(); }
    void BeginRemoveRow(int row) { beginRemoveRows(QModelIndex(), row, row); }
    void EndRemoveRow() { endRemoveRows(); }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void CellsChanged(int firstRow, int lastRow);

private:
    const EntryStore& m_store;
    std::vector<QString> m_headings;
};
