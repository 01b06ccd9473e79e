#pragma once

#include <functional>

#include <QTreeView>

// The report view of a list control: one line per row, no tree decoration, Tab passes on to the
// next control, and every left click (on a row or on the blank area) is reported once the view
// has updated its selection.
class EntryListView final : public QTreeView {
public:
    explicit EntryListView(QWidget* parent);

    void SetClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_onClick;
};
