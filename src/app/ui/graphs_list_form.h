#pragma once

// The graph list window: a tool window over the main window listing the
// active document's graphs with a picture of each one's style. It shows the
// same items as the Graph toolbar's graph box and selects the same graph;
// it offers the graph commands by keys, double click and popup menus, and
// reorders graphs by drag and drop (an undo step each).

#include <QListView>
#include <QWidget>

class QMenu;

namespace vg {

class TMainForm;

// The list itself: drops of its own items and the right button's release.
class TGraphsListView : public QListView {
    Q_OBJECT
public:
    explicit TGraphsListView(QWidget* parent = nullptr);

    // Where a drop at pos puts the dragged graph: the row under it, the
    // count below the last row, -1 elsewhere.
    int DropTarget(const QPoint& pos) const;

signals:
    void GraphDropped(int source, int target);
    void RightButtonReleased(const QPoint& pos);

protected:
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TGraphsListForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 205;

    explicit TGraphsListForm(TMainForm& form);

    // Shows or hides the window and keeps the flag in the program options.
    void ShowList(bool visible);
    // Moves graph source before the graph at target, as a drop does.
    void MoveGraph(int source, int target);
    // The pictures follow the graphs' styles.
    void Refresh();

    TGraphsListView* GraphsListView;
    QMenu* GraphItemPopupMenu;
    QMenu* GraphsListPopupMenu;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenus();
    void ShowPopup(const QPoint& pos);
    void StoreGeometry();
    bool HasGraphs() const;

    TMainForm& form_;
};

}  // namespace vg
