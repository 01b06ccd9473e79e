#include "app/toolkit/CListCtrl.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>

#include "app/toolkit/EntryListView.h"
#include "app/toolkit/ListCtrlModel.h"

namespace {
// Texts up to this length repeat often (priorities, frequencies, dates): their widths are kept.
constexpr std::size_t kShortText = 24;
} // namespace

CListCtrl::CListCtrl() = default;

CListCtrl::~CListCtrl() = default;

void CListCtrl::Attach(QWidget* widget) {
    auto* view = dynamic_cast<EntryListView*>(widget);
    if (view == nullptr) {
        return;
    }
    m_view = view;
    m_model = new ListCtrlModel(m_store, view);
    view->setModel(m_model);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged,
                     [this](const QItemSelection& selected, const QItemSelection&) {
                         if (!m_changingRows && !selected.isEmpty()) {
                             m_selectionMark = selected.indexes().front().row();
                         }
                     });
    view->SetClickHandler([this] {
        if (m_onClick) {
            m_onClick();
        }
    });
    m_cellPadding =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 4;
    m_shortTextWidths.clear();
    const QFontMetricsF metrics(view->font());
    for (int code = 0x20; code < 0x7F; ++code) {
        m_asciiAdvances[static_cast<std::size_t>(code)] =
            metrics.horizontalAdvance(QChar(static_cast<char16_t>(code)));
    }
    // Widths measured with another font do not count.
    for (int row = 0; row < m_store.Count(); ++row) {
        for (int column = 0; column < SitemapEntry::kColumnCount; ++column) {
            m_store.SetWidth(row, column, EntryStore::kUnmeasured);
        }
    }
    m_widthsCounted = false;
}

void CListCtrl::Detach() {
    m_view = nullptr;
    m_model = nullptr;
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int /*format*/) {
    if (m_model == nullptr || column < 0 || column >= SitemapEntry::kColumnCount) {
        return -1;
    }
    column = std::min(column, m_model->columnCount());
    m_model->AddColumn(column, QString::fromStdString(heading));
    return column;
}

void CListCtrl::SetExtendedStyle(unsigned style) {
    if (m_view == nullptr) {
        return;
    }
    const bool fullRow = (style & LVS_EX_FULLROWSELECT) != 0;
    m_view->setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows
                                         : QAbstractItemView::SelectItems);
    m_view->setAllColumnsShowFocus(fullRow);
}

int CListCtrl::InsertItem(int row, const std::string& text) {
    if (row < 0) {
        return -1;
    }
    row = std::min(row, m_store.Count());
    m_changingRows = true;
    if (m_model != nullptr) {
        m_model->BeginInsertRow(row);
    }
    m_store.Insert(row, SitemapEntry{text, {}, {}, {}});
    if (m_model != nullptr) {
        m_model->EndInsertRow();
    }
    m_changingRows = false;
    for (int column = 0; column < SitemapEntry::kColumnCount; ++column) {
        MeasureCell(row, column);
    }
    if (m_selectionMark >= row) {
        ++m_selectionMark;
    }
    return row;
}

int CListCtrl::InsertRow(int row, const SitemapEntry& entry) {
    row = InsertItem(row, entry.url);
    if (row >= 0) {
        SetItemText(row, SitemapEntry::kModified, entry.modified);
        SetItemText(row, SitemapEntry::kPriority, entry.priority);
        SetItemText(row, SitemapEntry::kFrequency, entry.frequency);
    }
    return row;
}

bool CListCtrl::SetItemText(int row, int column, const std::string& text) {
    if (!m_store.IsValidRow(row) || column < 0 || column >= SitemapEntry::kColumnCount) {
        return false;
    }
    CountWidth(column, m_store.Width(row, column), -1);
    m_store.SetText(row, column, text);
    MeasureCell(row, column);
    // While redrawing is off the view is told once, when it comes back on.
    if (m_model != nullptr && m_redraw) {
        m_model->CellsChanged(row, row);
    } else {
        m_cellsChangedUnseen = true;
    }
    return true;
}

std::string CListCtrl::GetItemText(int row, int column) const {
    if (!m_store.IsValidRow(row) || column < 0 || column >= SitemapEntry::kColumnCount) {
        return {};
    }
    return m_store.Entry(row).Text(column);
}

bool CListCtrl::DeleteItem(int row) {
    if (!m_store.IsValidRow(row)) {
        return false;
    }
    for (int column = 0; column < SitemapEntry::kColumnCount; ++column) {
        CountWidth(column, m_store.Width(row, column), -1);
    }
    m_changingRows = true;
    if (m_model != nullptr) {
        m_model->BeginRemoveRow(row);
    }
    m_store.Remove(row);
    if (m_model != nullptr) {
        m_model->EndRemoveRow();
    }
    m_changingRows = false;
    if (m_selectionMark == row) {
        m_selectionMark = -1;
        // The view would move the highlight on to a neighbour that carries no mark, so that no
        // command would act on the highlighted row, nor would a click on it mark it (a click
        // on a highlighted row changes no selection).
        if (m_view != nullptr) {
            m_view->selectionModel()->clearSelection();
        }
    } else if (m_selectionMark > row) {
        --m_selectionMark;
    }
    return true;
}

bool CListCtrl::DeleteAllItems() {
    m_changingRows = true;
    if (m_model != nullptr) {
        m_model->BeginReset();
    }
    m_store.Clear();
    if (m_model != nullptr) {
        m_model->EndReset();
    }
    m_changingRows = false;
    m_selectionMark = -1;
    for (auto& counts : m_widthCounts) {
        counts.clear();
    }
    m_widthsCounted = true;
    return true;
}

void CListCtrl::ReverseItems() {
    m_store.Reverse();
    if (m_model != nullptr) {
        m_model->CellsChanged(0, m_store.Count() - 1);
    }
}

int CListCtrl::SetSelectionMark(int row) {
    const int previous = m_selectionMark;
    m_selectionMark = m_store.IsValidRow(row) ? row : -1;
    if (m_view != nullptr && m_model != nullptr && m_selectionMark >= 0) {
        m_view->selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    }
    return previous;
}

int CListCtrl::GetHeaderItemCount() const {
    if (m_view == nullptr || m_view->header() == nullptr) {
        return -1;
    }
    return m_view->header()->count();
}

bool CListCtrl::SetColumnWidth(int column, int width) {
    if (m_view == nullptr || column < 0 || column >= GetHeaderItemCount()) {
        return false;
    }
    if (width == LVSCW_AUTOSIZE) {
        width = ContentWidth(column) + m_cellPadding;
    } else if (width == LVSCW_AUTOSIZE_USEHEADER) {
        width = HeaderWidth(column);
        if (column == GetHeaderItemCount() - 1) {
            int others = 0;
            for (int i = 0; i < column; ++i) {
                others += GetColumnWidth(i);
            }
            width = std::max(width, ViewportWidth() - others);
        }
    }
    m_view->header()->resizeSection(column, std::max(width, 0));
    return true;
}

int CListCtrl::GetColumnWidth(int column) const {
    if (m_view == nullptr || column < 0 || column >= GetHeaderItemCount()) {
        return 0;
    }
    return m_view->header()->sectionSize(column);
}

void CListCtrl::SetRedraw(bool redraw) {
    m_redraw = redraw;
    if (redraw && m_cellsChangedUnseen && m_model != nullptr) {
        m_model->CellsChanged(0, m_store.Count() - 1);
    }
    if (redraw) {
        m_cellsChangedUnseen = false;
    }
    if (m_view != nullptr) {
        m_view->setUpdatesEnabled(redraw);
    }
}

void CListCtrl::Invalidate() {
    if (m_view != nullptr) {
        m_view->viewport()->update();
        m_view->header()->viewport()->update();
    }
}

void CListCtrl::SetClickHandler(std::function<void()> handler) {
    m_onClick = std::move(handler);
}

int CListCtrl::MeasureText(const std::string& text) const {
    if (m_view == nullptr || text.empty()) {
        return 0;
    }
    // A cell shows only the start of a very long text, and only that is measured.
    if (text.size() > ListCtrlModel::kMaxShownBytes) {
        return m_view->fontMetrics().horizontalAdvance(ListCtrlModel::ShownText(text));
    }
    const bool isShort = text.size() <= kShortText;
    if (isShort) {
        const auto known = m_shortTextWidths.find(text);
        if (known != m_shortTextWidths.end()) {
            return known->second;
        }
    }
    // Plain ASCII text, which almost every address is, adds up the advances of its characters
    // (shaping fifty thousand addresses one by one would take longer than loading them); a
    // pixel more covers the rounding. Anything else is measured by the text engine.
    double advance = 0.0;
    bool plain = true;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code >= 0x7F) {
            plain = false;
            break;
        }
        advance += m_asciiAdvances[code];
    }
    const int width = plain ? static_cast<int>(std::ceil(advance)) + 1
                            : m_view->fontMetrics().horizontalAdvance(QString::fromStdString(text));
    if (isShort) {
        m_shortTextWidths.emplace(text, width);
    }
    return width;
}

void CListCtrl::MeasureCell(int row, int column) {
    if (m_view == nullptr) {
        return;
    }
    const int width = MeasureText(m_store.Entry(row).Text(column));
    m_store.SetWidth(row, column, width);
    CountWidth(column, width, +1);
}

void CListCtrl::CountWidth(int column, int width, int change) {
    if (!m_widthsCounted || width == EntryStore::kUnmeasured) {
        return;
    }
    auto& counts = m_widthCounts[static_cast<std::size_t>(column)];
    const int count = (counts[width] += change);
    if (count <= 0) {
        counts.erase(width);
    }
}

int CListCtrl::ContentWidth(int column) {
    if (!m_widthsCounted) {
        for (auto& counts : m_widthCounts) {
            counts.clear();
        }
        m_widthsCounted = true;
        for (int row = 0; row < m_store.Count(); ++row) {
            for (int each = 0; each < SitemapEntry::kColumnCount; ++each) {
                if (m_store.Width(row, each) == EntryStore::kUnmeasured) {
                    MeasureCell(row, each);
                } else {
                    CountWidth(each, m_store.Width(row, each), +1);
                }
            }
        }
    }
    const auto& counts = m_widthCounts[static_cast<std::size_t>(column)];
    return counts.empty() ? 0 : counts.rbegin()->first;
}

int CListCtrl::HeaderWidth(int column) const {
    const QHeaderView* header = m_view->header();
    const QString heading = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return header->fontMetrics().horizontalAdvance(heading) + 2 * margin + 4;
}

int CListCtrl::ViewportWidth() const {
    if (m_view->isVisible()) {
        return m_view->viewport()->width();
    }
    // Before the first show the viewport has not been laid out: work it out from the frame.
    int width = m_view->width() - 2 * m_view->frameWidth();
    const int rowHeight = m_store.Count() > 0 ? m_view->sizeHintForRow(0) : 0;
    const int rowsHeight =
        m_view->height() - 2 * m_view->frameWidth() - m_view->header()->sizeHint().height();
    if (static_cast<long long>(rowHeight) * m_store.Count() > rowsHeight) {
        width -= m_view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_view);
    }
    return width;
}
