#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "app/main_commands.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vg {

class TGraphicsManager;
class TMDIChild;
class TComputationGuard;
struct TProgramOptions;

// The main window: the frame of the document windows, the menus, the three
// toolbars and the status bar. It decides the document windows' lifecycle.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Shows the window maximised with "Ready", then opens the first document
    // (the first argument, or a new "Noname1.vgr") from a queued call.
    void Start(const QStringList& documentArguments);

    QMdiArea* MdiArea() const { return mdiArea_; }
    QAction* Item(CommandId id) const;    // menu item
    QAction* Button(CommandId id) const;  // toolbar button
    QToolBar* Toolbar(int index) const { return toolbars_[index]; }
    QLabel* StatusPanel(int index) const { return index == 0 ? statusPanel0_ : statusPanel1_; }
    QMenu* FileMenu() const { return fileMenu_; }
    QList<QAction*> RecentFileActions() const { return recentActions_; }
    bool Initialized() const { return initialized_; }

    TMDIChild* ActiveChild() const;
    QList<TMDIChild*> Children() const;

    // Commands that other parts call.
    void UpdateMenuItems();
    // Refills the graph lists from the active document.
    void RebuildGraphsList();
    void SetStandartPanel(bool visible);
    void SetGraphsPanel(bool visible);
    void SetCalcPanel(bool visible);
    bool OpenDocument(const QString& fileName);
    void NewDocument();
    bool EscapePressed();
    void SetEscapeCheck(bool on);
    void ShowHelp(int context);
    // The document window's popup menu at a screen position.
    void ShowDocumentPopup(const QPoint& globalPos);
    QMenu* DocumentPopupMenu() const { return mdiChildPopupMenu_; }
    QMenu* PanelsPopupMenu() const { return panelsPopupMenu_; }

    // The computation of every graph (all of them, or only those without
    // data) of a document, with progress in the status bar and Esc to stop.
    void ComputeGraphs(TMDIChild* child, bool onlyIncomplete);
    bool Computing() const;
    // Runs work that may compute graphs of the child's document (a graph
    // added or changed), with the same progress, Esc check and guard.
    void RunComputation(TMDIChild* child, const std::function<void()>& work);
    // Hands the program-wide DocumentOptions to the document's apply step
    // (undo entry, recomputation with progress and Esc, redraw).
    void ApplyGlobalOptions(TMDIChild* child);

    // Later parts plug in here: a handler replaces the "not available yet"
    // message of its command, and the undo history tells whether a document
    // can undo and redo (both stay disabled without it).
    void SetCommandHandler(CommandId id, std::function<void()> handler);
    bool HasCommandHandler(CommandId id) const { return handlers_.count(id) != 0; }
    using UndoStateQuery = std::function<std::pair<bool, bool>(TMDIChild& child)>;
    void SetUndoStateQuery(UndoStateQuery query) { undoStateQuery_ = std::move(query); }

    // The toolbar popup menu also where the frame offers its own.
    QMenu* createPopupMenu() override;

signals:
    // UpdateMenuItems has set the commands; the graph commands' own
    // controls follow the active document from here.
    void MenuItemsUpdated();
    // The first document was opened or created at start-up.
    void StartupFinished();
    // Just before "VGraph.ini" is written at exit.
    void SavingSettings();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolbars();
    void BuildStatusBar();
    void BuildPopupMenus();
    QAction* MakeItem(const CommandInfo& command);
    QAction* MakeButton(const CommandInfo& command);
    QWidget* MakeToolbarControl(const ToolbarEntry& entry);
    void FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
    void Run(CommandId id);
    void ShowNotAvailable(CommandId id);

    void RebuildRecentFilesMenu();
    void RebuildWindowMenu();
    void OnSubWindowActivated(QMdiSubWindow* window);
    void PlaceNewChild(QMdiSubWindow* child);
    void AutoMaximize();
    void OpenFirstDocument(const QStringList& documentArguments);
    void ApplyToolbarFlags();
    void RestoreToolbarPositions();
    void StoreToolbarPositions();
    bool CloseAllQuestions();
    void FinishClose();

    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    void SaveAsBitmapClick();
    void CopyAsBitmapClick();
    void FullScreenClick();
    void RebuildClick();
    void SaveOptionsClick();
    void WindowArrangeClick();
    void WindowMinimizeClick();
    void HelpAboutClick();
    void ToggleGridLines(bool horizontal);
    void UndoRedoClick(bool redo);

    TMDIChild* CreateChild(const QString& caption, std::unique_ptr<TGraphicsManager> document = {});

    QMdiArea* mdiArea_;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* exitItem_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QList<QAction*> windowListActions_;
    QToolBar* toolbars_[3] = {};
    QMenu* panelsPopupMenu_ = nullptr;
    QMenu* mdiChildPopupMenu_ = nullptr;
    QAction* panelPopupItems_[3] = {};
    QComboBox* funcComboBox_ = nullptr;
    std::map<CommandId, QAction*> items_;
    std::map<CommandId, QAction*> buttons_;
    std::map<CommandId, std::function<void()>> handlers_;
    UndoStateQuery undoStateQuery_;
    QPointer<TMDIChild> lastActiveChild_;
    TComputationGuard* guard_;
    bool initialized_ = false;
    bool closeAfterComputation_ = false;
};

}  // namespace vg
