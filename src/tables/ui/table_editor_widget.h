#pragma once

// The "Data Manipulation" part of the graph properties dialog for tables:
// the grid (TSGrid) under its toolbar of editing commands. Each command
// shows its dialog, runs in the core on the grid's texts and comes back as
// one step of the grid's Undo and Redo.

#include <QWidget>

class QAction;
class QToolBar;
class QToolButton;

namespace vg {

class TSGrid;

class TTableEditorWidget : public QWidget {
    Q_OBJECT
public:
    explicit TTableEditorWidget(QWidget* parent = nullptr);

    TSGrid* Grid() const { return grid_; }
    QToolBar* Toolbar() const { return toolbar_; }
    // The toolbar button of a command, by its caption ("Delete", "Sort"...).
    QToolButton* Button(const QString& caption) const;

    void DeleteClick();
    void InsertClick();
    void SwapClick();
    void PurgeClick();
    void FillClick();
    void ModifyClick();
    void UndoClick();
    void RedoClick();
    void InfoClick();
    void FindClick();
    void ReplaceClick();
    void CutClick();
    void CopyClick();
    void PasteClick();

private:
    void BuildToolbar();
    QAction* AddCommand(const char* caption, const char* name, void (TTableEditorWidget::*handler)());
    void FormulaCommand(bool fill);
    void CopyCommand(bool cut);
    void UpdateHistoryButtons();

    TSGrid* grid_;
    QToolBar* toolbar_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

// Gives every graph properties dialog this editor for its table grid.
void InstallTableEditor();

}  // namespace vg
