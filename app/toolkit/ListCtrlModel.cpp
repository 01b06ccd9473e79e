#include "app/toolkit/ListCtrlModel.h"

#include "entries/EntryStore.h"

ListCtrlModel::ListCtrlModel(const EntryStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {}

int ListCtrlModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_store.Count();
}

int ListCtrlModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant ListCtrlModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !m_store.IsValidRow(index.row()) || index.column() < 0 ||
        index.column() >= SitemapEntry::kColumnCount) {
        return {};
    }
    return ShownText(m_store.Entry(index.row()).Text(index.column()));
}

QString ListCtrlModel::ShownText(const std::string& text) {
    if (text.size() <= kMaxShownBytes) {
        return QString::fromStdString(text);
    }
    // Back to the start of a character, but no further than one character can reach: a run of
    // stray continuation bytes is cut anywhere.
    std::size_t cut = kMaxShownBytes;
    const auto continues = [&](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    for (int back = 0; back < 3 && cut > 0 && continues(cut); ++back) {
        --cut;
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(cut)) + QChar(0x2026);
}

QVariant ListCtrlModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(m_headings.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_headings[static_cast<std::size_t>(section)];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags ListCtrlModel::flags(const QModelIndex& index) const {
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}

void ListCtrlModel::AddColumn(int column, const QString& heading) {
    beginInsertColumns(QModelIndex(), column, column);
    m_headings.insert(m_headings.begin() + column, heading);
    endInsertColumns();
}

void ListCtrlModel::CellsChanged(int firstRow, int lastRow) {
    if (firstRow > lastRow || m_headings.empty()) {
        return;
    }
    emit dataChanged(index(firstRow, 0), index(lastRow, columnCount() - 1), {Qt::DisplayRole});
}
