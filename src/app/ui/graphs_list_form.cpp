#include "app/ui/graphs_list_form.h"

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <cmath>

#include "app/app_globals.h"
#include "app/graph_operations.h"
#include "app/style_pictures.h"
#include "app/ui/graph_commands.h"
#include "app/ui/graph_lists.h"
#include "app/ui/help_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/translate_component.h"
#include "document/draw_styles.h"
#include "platform/qt/qt_canvas.h"

namespace vg {

namespace {

constexpr QSize kPictureSize(40, 16);

// Each line's picture is drawn from the graph itself when it is painted, so
// it always shows the graph's present style.
class TGraphPictureDelegate : public QStyledItemDelegate {
public:
    TGraphPictureDelegate(TMainForm& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const qreal ratio = option->widget ? option->widget->devicePixelRatioF() : 1.0;
        // The same picture selected or not: the style would tint a selected one.
        const QPixmap picture = Picture(index.row(), ratio, option->palette.color(QPalette::Base));
        QIcon icon;
        icon.addPixmap(picture, QIcon::Normal);
        icon.addPixmap(picture, QIcon::Selected);
        icon.addPixmap(picture, QIcon::Active);
        option->icon = icon;
        option->decorationSize = kPictureSize;
        option->features |= QStyleOptionViewItem::HasDecoration;
    }

private:
    QPixmap Picture(int row, qreal ratio, const QColor& windowColor) const
    {
        const QSize pixels = (QSizeF(kPictureSize) * ratio).toSize();
        QImage image(pixels, QImage::Format_RGB32);
        const ColorValue background =
            ProgramOptions().Common.ShowBackGround
                ? ColorOfIndex(GlobalDocumentOptions().BackColor % kColorCount)
                : MakeColorValue(windowColor.red(), windowColor.green(), windowColor.blue());
        {
            QtCanvas canvas(image);
            TMDIChild* child = form_.ActiveChild();
            if (child && !child->IsClosing() && row < child->Document().GraphCount()) {
                DrawGraphPicture(canvas, child->Document().Graph(row).Record, pixels.width(), pixels.height(),
                                 background, ratio);
            } else {
                canvas.SetBrush(background);
                canvas.FillRect({0, 0, pixels.width(), pixels.height()});
            }
            canvas.End();
        }
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    }

    TMainForm& form_;
};

}  // namespace

// ---------------------------------------------------------------------------
// TGraphsListView

TGraphsListView::TGraphsListView(QWidget* parent) : QListView(parent)
{
    setObjectName("GraphsListView");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setIconSize(kPictureSize);
    setUniformItemSizes(true);
    // The selection stays as visible when the window loses the focus.
    QPalette colors = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);
}

int TGraphsListView::DropTarget(const QPoint& pos) const
{
    const QModelIndex under = indexAt(pos);
    if (under.isValid()) return under.row();
    const int count = model() ? model()->rowCount() : 0;
    if (count == 0) return -1;
    const QRect last = visualRect(model()->index(count - 1, 0));
    return pos.y() > last.bottom() ? count : -1;
}

void TGraphsListView::dragMoveEvent(QDragMoveEvent* event)
{
    // Only this list's own items are taken.
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListView::dragMoveEvent(event);
    event->acceptProposedAction();
}

void TGraphsListView::dropEvent(QDropEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const int source = currentIndex().row();
    const int target = DropTarget(event->position().toPoint());
    // The model is not touched here: the document moves the graph and the
    // lists follow it.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (source >= 0 && target >= 0) emit GraphDropped(source, target);
}

void TGraphsListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton) emit RightButtonReleased(event->position().toPoint());
}

// ---------------------------------------------------------------------------
// TGraphsListForm

TGraphsListForm::TGraphsListForm(TMainForm& form) : QWidget(&form, Qt::Tool), form_(form)
{
    setObjectName("GraphsListForm");
    setWindowTitle("Graph List");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    GraphsListView = new TGraphsListView(this);
    layout->addWidget(GraphsListView);
    QComboBox* graphs = GraphListBox(form_);
    if (graphs) GraphsListView->setModel(graphs->model());
    GraphsListView->setItemDelegate(new TGraphPictureDelegate(form_, GraphsListView));
    GraphsListView->installEventFilter(this);
    BuildMenus();
    TranslateComponent(this);

    const GraphsListGeometry& g = ProgramOptions().GraphsList;
    resize(std::max(g.Width, 60), std::max(g.Height, 40));
    move(g.Left, g.Top);

    // The selection is one with the Graph toolbar's.
    if (graphs) {
        connect(graphs, &QComboBox::currentIndexChanged, this, [this, graphs](int row) {
            const QModelIndex index = graphs->model()->index(row, 0);
            if (GraphsListView->currentIndex() != index) GraphsListView->setCurrentIndex(index);
        });
        connect(GraphsListView->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [graphs](const QModelIndex& current) {
                    if (current.isValid() && current.row() != graphs->currentIndex())
                        graphs->setCurrentIndex(current.row());
                });
    }
    connect(GraphsListView, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) GraphPropertiesCommand(form_, GraphPropsPage::Properties);
    });
    connect(GraphsListView, &TGraphsListView::GraphDropped, this, &TGraphsListForm::MoveGraph);
    connect(GraphsListView, &TGraphsListView::RightButtonReleased, this, &TGraphsListForm::ShowPopup);
    connect(&form_, &TMainForm::MenuItemsUpdated, this, &TGraphsListForm::Refresh);
    connect(&form_, &TMainForm::StartupFinished, this, [this] { ShowList(ProgramOptions().GraphsListVisible); });
    connect(&form_, &TMainForm::SavingSettings, this, [this] {
        ProgramOptions().GraphsListVisible = isVisible();
        StoreGeometry();
    });
}

void TGraphsListForm::BuildMenus()
{
    auto item = [this](QMenu* menu, const char* name, const char* caption, const char* hint,
                       std::function<void()> run) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, std::move(run));
        return action;
    };
    GraphItemPopupMenu = new QMenu(this);
    GraphItemPopupMenu->setObjectName("GraphItemPopupMenu");
    item(GraphItemPopupMenu, "DeleteItem", "Delete", "Remove the selected graph", [this] { DeleteGraphCommand(form_); });
    GraphItemPopupMenu->addSeparator();
    item(GraphItemPopupMenu, "PropsItem", "Properties", "Open the Graph Properties window for the selected graph",
         [this] { GraphPropertiesCommand(form_, GraphPropsPage::Properties); });
    item(GraphItemPopupMenu, "OtherPropsItem", "Add'l Properties",
         "Open the Graph Properties window for the selected graph",
         [this] { GraphPropertiesCommand(form_, GraphPropsPage::OtherProperties); });
    GraphsListPopupMenu = new QMenu(this);
    GraphsListPopupMenu->setObjectName("GraphsListPopupMenu");
    item(GraphsListPopupMenu, "AddFunctionItem", "Add Graph", "Add a new graph", [this] { AddGraphCommand(form_); });
}

bool TGraphsListForm::HasGraphs() const
{
    return GraphsListView->model() && GraphsListView->model()->rowCount() > 0;
}

void TGraphsListForm::ShowPopup(const QPoint& pos)
{
    if (form_.Computing() || !GraphsListView->isEnabled()) return;
    const QModelIndex under = GraphsListView->indexAt(pos);
    QMenu* menu = under.isValid() ? GraphItemPopupMenu : GraphsListPopupMenu;
    if (under.isValid()) GraphsListView->setCurrentIndex(under);
    menu->popup(GraphsListView->viewport()->mapToGlobal(pos));
}

bool TGraphsListForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GraphsListView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (HasGraphs()) GraphPropertiesCommand(form_, GraphPropsPage::Properties);
            return true;
        case Qt::Key_Insert: AddGraphCommand(form_); return true;
        case Qt::Key_Delete:
            if (HasGraphs()) DeleteGraphCommand(form_);
            return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TGraphsListForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        THelpForm::ShowContext(this, kHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGraphsListForm::closeEvent(QCloseEvent* event)
{
    ProgramOptions().GraphsListVisible = false;
    StoreGeometry();
    QWidget::closeEvent(event);
}

void TGraphsListForm::ShowList(bool visible)
{
    ProgramOptions().GraphsListVisible = visible;
    if (!visible) {
        StoreGeometry();
        hide();
        return;
    }
    show();
    raise();
    Refresh();
}

void TGraphsListForm::StoreGeometry()
{
    GraphsListGeometry& g = ProgramOptions().GraphsList;
    g.Width = width();
    g.Height = height();
    g.Left = pos().x();
    g.Top = pos().y();
}

void TGraphsListForm::Refresh()
{
    GraphsListView->setEnabled(!form_.Children().isEmpty());
    GraphsListView->viewport()->update();
}

void TGraphsListForm::MoveGraph(int source, int target)
{
    TMDIChild* child = form_.ActiveChild();
    if (!child || child->IsClosing() || form_.Computing()) return;
    TGraphicsManager& document = child->Document();
    const int moved = MoveGraphInDocument(document, source, target);
    if (moved < 0) return;
    DeleteGraphsListItem(form_, source);
    InsertGraphsListItem(form_, moved, document.Graph(moved).Record);
    SetGraphsListItemIndex(form_, moved);
    child->Redraw();
    form_.UpdateMenuItems();
}

}  // namespace vg
