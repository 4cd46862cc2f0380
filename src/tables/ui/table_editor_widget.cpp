#include "tables/ui/table_editor_widget.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "tables/table_clipboard.h"
#include "tables/table_formula.h"
#include "tables/table_search.h"
#include "tables/ui/copy_table_form.h"
#include "tables/ui/find_form.h"
#include "tables/ui/modify_table_form.h"
#include "tables/ui/table_grid_widget.h"
#include "tables/ui/table_info_form.h"

namespace vg {

namespace {

struct SortItem {
    const char* caption;
    const char* name;
    TableSortOrder order;
};
constexpr SortItem kSortItems[] = {
    {"By X - Ascending", "SortXAscendingItem", TableSortOrder::XAscending},
    {"By X - Descending", "SortXDescendingItem", TableSortOrder::XDescending},
    {"By Y - Ascending", "SortYAscendingItem", TableSortOrder::YAscending},
    {"By Y - Descending", "SortYDescendingItem", TableSortOrder::YDescending},
};

// The hourglass while rows are computed.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void ShowValueNotFound() { ShowMessageDialog(Translate(kValueNotFoundText), mtInformation, mbOK, 0); }

ReplaceAnswer AnswerOf(int result)
{
    switch (result) {
    case mrYes: return ReplaceAnswer::Yes;
    case mrNo: return ReplaceAnswer::No;
    case mrAll: return ReplaceAnswer::All;
    default: return ReplaceAnswer::Cancel;
    }
}

// A toolbar as wide as all its commands: a plain one hides what does not
// fit behind an extension button, which the text-only style draws as a dot,
// so a long translation would leave Replace, Cut, Copy and Paste out of reach.
class TFullToolBar : public QToolBar {
public:
    using QToolBar::QToolBar;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

}  // namespace

TTableEditorWidget::TTableEditorWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("TableEditor");
    grid_ = new TSGrid(this);
    BuildToolbar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(grid_, 1);
    connect(grid_, &TSGrid::HistoryChanged, this, &TTableEditorWidget::UpdateHistoryButtons);
    UpdateHistoryButtons();
}

QAction* TTableEditorWidget::AddCommand(const char* caption, const char* name, void (TTableEditorWidget::*handler)())
{
    QAction* action = toolbar_->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TTableEditorWidget::BuildToolbar()
{
    toolbar_ = new TFullToolBar(this);
    toolbar_->setObjectName("TableToolBar");
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar_->setIconSize(QSize(1, 1));
    AddCommand("Delete", "DeleteButton", &TTableEditorWidget::DeleteClick);
    AddCommand("Insert", "InsertButton", &TTableEditorWidget::InsertClick);
    AddCommand("Swap", "SwapButton", &TTableEditorWidget::SwapClick);
    AddCommand("Purge", "PurgeButton", &TTableEditorWidget::PurgeClick);

    auto* sortMenu = new QMenu(this);
    sortMenu->setObjectName("SortMenu");
    for (const SortItem& item : kSortItems) {
        QAction* action = sortMenu->addAction(item.caption);
        action->setObjectName(item.name);
        const TableSortOrder order = item.order;
        connect(action, &QAction::triggered, this,
                [this, order] { grid_->RunCommand([order](TTableGrid& grid) { grid.Sort(order); }); });
    }
    QAction* sort = toolbar_->addAction("Sort");
    sort->setObjectName("SortButton");
    sort->setMenu(sortMenu);
    if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(sort)))
        button->setPopupMode(QToolButton::InstantPopup);

    toolbar_->addSeparator();
    AddCommand("Fill", "FillButton", &TTableEditorWidget::FillClick);
    AddCommand("Modify", "ModifyButton", &TTableEditorWidget::ModifyClick);
    toolbar_->addSeparator();
    undoAction_ = AddCommand("Undo", "UndoButton", &TTableEditorWidget::UndoClick);
    redoAction_ = AddCommand("Redo", "RedoButton", &TTableEditorWidget::RedoClick);
    toolbar_->addSeparator();
    AddCommand("Info", "InfoButton", &TTableEditorWidget::InfoClick);
    AddCommand("Find", "FindButton", &TTableEditorWidget::FindClick);
    AddCommand("Replace", "ReplaceButton", &TTableEditorWidget::ReplaceClick);
    toolbar_->addSeparator();
    AddCommand("Cut", "CutButton", &TTableEditorWidget::CutClick);
    AddCommand("Copy", "CopyButton", &TTableEditorWidget::CopyClick);
    AddCommand("Paste", "PasteButton", &TTableEditorWidget::PasteClick);
}

QToolButton* TTableEditorWidget::Button(const QString& caption) const
{
    for (QAction* action : toolbar_->actions())
        if (action->objectName() == caption + "Button")
            return qobject_cast<QToolButton*>(toolbar_->widgetForAction(action));
    return nullptr;
}

void TTableEditorWidget::UpdateHistoryButtons()
{
    undoAction_->setEnabled(grid_->CanUndo());
    redoAction_->setEnabled(grid_->CanRedo());
}

void TTableEditorWidget::DeleteClick() { grid_->RunCommand([](TTableGrid& grid) { grid.DeleteRow(); }); }
void TTableEditorWidget::InsertClick() { grid_->RunCommand([](TTableGrid& grid) { grid.InsertRow(); }); }
void TTableEditorWidget::SwapClick() { grid_->RunCommand([](TTableGrid& grid) { grid.Swap(); }); }
void TTableEditorWidget::PurgeClick() { grid_->RunCommand([](TTableGrid& grid) { grid.Purge(); }); }
void TTableEditorWidget::FillClick() { FormulaCommand(true); }
void TTableEditorWidget::ModifyClick() { FormulaCommand(false); }
void TTableEditorWidget::UndoClick() { grid_->Undo(); }
void TTableEditorWidget::RedoClick() { grid_->Redo(); }
void TTableEditorWidget::CutClick() { CopyCommand(true); }
void TTableEditorWidget::CopyClick() { CopyCommand(false); }

void TTableEditorWidget::FormulaCommand(bool fill)
{
    TModifyTableForm form(fill ? TableFormulaMode::Fill : TableFormulaMode::Modify, this);
    if (form.exec() != QDialog::Accepted) return;
    const TableFormulaRequest request = form.Request();
    WaitCursor wait;
    grid_->RunCommand([&request](TTableGrid& grid) { ApplyTableFormula(grid, request); });
}

void TTableEditorWidget::InfoClick()
{
    TTableInfoForm form(grid_->Grid(), this);
    form.exec();
}

void TTableEditorWidget::FindClick()
{
    TProgramOptions& options = ProgramOptions();
    TFindForm form(options.ReplaceDirection, this);
    if (form.exec() != QDialog::Accepted) return;
    options.ReplaceDirection = form.Forward();
    bool found = false;
    const std::string value = form.Value();
    grid_->RunCommand([&](TTableGrid& grid) { found = FindValue(grid, value, form.Forward()); });
    grid_->setFocus();
    if (!found) ShowValueNotFound();
}

void TTableEditorWidget::ReplaceClick()
{
    TProgramOptions& options = ProgramOptions();
    TReplaceForm form(options.ReplaceDirection, options.ReplacePrompt, options.ReplaceAll, this);
    if (form.exec() != QDialog::Accepted) return;
    const TableReplaceRequest request = form.Request();
    options.ReplaceDirection = request.Forward;
    options.ReplacePrompt = request.Prompt;
    options.ReplaceAll = request.All;
    // Each match is shown as the current cell before the question.
    const ReplaceQuestion ask = [this](const TTableGrid&) {
        grid_->ShowGrid();
        grid_->setFocus();
        return AnswerOf(ShowMessageDialog(Translate(kReplaceQuestionText), mtConfirmation,
                                          mbYes | mbNo | mbCancel | mbAll, 0));
    };
    ReplaceOutcome outcome;
    grid_->RunCommand([&](TTableGrid& grid) { outcome = ReplaceValues(grid, request, ask); });
    grid_->setFocus();
    if (outcome.Matches == 0) ShowValueNotFound();
}

void TTableEditorWidget::CopyCommand(bool cut)
{
    TProgramOptions& options = ProgramOptions();
    TCopyTableForm form(cut, options.DecimalPoint, this);
    if (form.exec() != QDialog::Accepted) return;
    const TableCopyRequest request = form.Request();
    options.DecimalPoint = request.DecimalPoint;
    const QString text = QString::fromStdString(TableCopyText(grid_->Grid(), request));
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text) {
        ShowMessageDialog(Translate(kCopyErrorText), mtError, mbOK, 0);
        return;
    }
    if (cut) grid_->RunCommand([&request](TTableGrid& grid) { EmptyCopiedCells(grid, request); });
}

void TTableEditorWidget::PasteClick()
{
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    const std::string bytes = text.toStdString();
    grid_->RunCommand([&bytes](TTableGrid& grid) { PasteTableText(grid, bytes); });
}

void InstallTableEditor()
{
    SetTablePointsEditorFactory([](QWidget* parent) {
        auto* editor = new TTableEditorWidget(parent);
        return TablePointsEditor{editor, editor->Grid()};
    });
}

}  // namespace vg
