#include "app/ui/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <tuple>

#include "app/app_globals.h"
#include "app/document_commands.h"
#include "app/recent_files.h"
#include "app/undo_manager.h"
#include "app/ui/about_form.h"
#include "app/ui/caption_fit.h"
#include "app/ui/computation_guard.h"
#include "app/ui/full_screen_form.h"
#include "app/ui/help_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/message_dialog.h"
#include "app/ui/picture_commands.h"
#include "app/ui/shell_dialogs.h"
#include "app/ui/status_progress.h"
#include "app/ui/window_arrangement.h"
#include "document/graph_model.h"

namespace vg {

namespace {

constexpr const char* kHelpContextProperty = "helpContext";

QIcon CommandIcon(const char* name)
{
    if (!name || !*name) return {};
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)));
}

QString En(const char* english) { return QString::fromUtf8(english); }

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea(this)), guard_(new TComputationGuard(this))
{
    setObjectName("MainForm");
    setWindowTitle("Vantor Graphs");
    setWindowIcon(QIcon(":/icons/vgraph.svg"));
    setMinimumSize(400, 300);
    mdiArea_->setObjectName("MdiArea");
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    BuildActions();
    BuildMenus();
    BuildToolbars();
    BuildStatusBar();
    BuildPopupMenus();

    // Once a menu closes its hint is gone: the status bar is back to "Ready".
    // Queued, because the menu bar shows its title's hint again after Escape.
    for (QMenu* menu : findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (Computing()) return;
                statusPanel0_->setText(Tr("Ready"));
                statusPanel1_->clear();
            });
        });
    SetMessageHelpHandler([this](int context) { ShowHelp(context); });
    InstallCaptionFitting(*qApp);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TMainForm::OnSubWindowActivated);
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateMenuItems(); });

    // Settings: the default document options first, then the program's own.
    ReadDefaultOptions();
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                          : QSize(1024, 768);
    ReadProgramOptions(screen.width(), screen.height());
    RestoreToolbarPositions();
    ApplyToolbarFlags();
    RebuildGraphsList();
    RebuildRecentFilesMenu();

#ifndef QT_NO_SESSIONMANAGER
    // The desktop session's end gets the same answer as Exit.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (Computing() || !CloseAllQuestions()) manager.cancel();
    });
#endif
    UpdateMenuItems();
}

TMainForm::~TMainForm()
{
    // Nothing may call back into a window that is being taken apart.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QToolBar* bar : toolbars_) disconnect(bar->toggleViewAction(), nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) disconnect(window, nullptr, this, nullptr);
}

// ---------------------------------------------------------------------------
// Building the window

QAction* TMainForm::MakeItem(const CommandInfo& command)
{
    auto* action = new QAction(En(command.caption), this);
    action->setObjectName(command.itemName);
    action->setStatusTip(En(command.hint));
    action->setProperty(kHelpContextProperty, command.helpContext);
    if (*command.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
    if (*command.icon) action->setIcon(CommandIcon(command.icon));
    const CommandId id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    return action;
}

QAction* TMainForm::MakeButton(const CommandInfo& command)
{
    auto* action = new QAction(CommandIcon(command.icon), En(command.tooltip), this);
    action->setObjectName(command.buttonName);
    action->setToolTip(En(command.tooltip));
    action->setStatusTip(En(command.statusText));
    const CommandId id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    return action;
}

void TMainForm::BuildActions()
{
    for (const CommandInfo& command : AllCommands()) {
        if (*command.itemName) items_[command.id] = MakeItem(command);
        if (*command.buttonName) buttons_[command.id] = MakeButton(command);
    }
    for (CommandId id : {CommandId::StandartPanel, CommandId::FuncPanel, CommandId::CalcPanel})
        items_[id]->setCheckable(true);
    buttons_[CommandId::SelectInterval]->setCheckable(true);
    for (CommandId id : {CommandId::DrawGraphic, CommandId::LinesDraw, CommandId::DrawPoints})
        buttons_[id]->setCheckable(true);
    items_[CommandId::HorLinesToggle]->setCheckable(true);
    items_[CommandId::VertLinesToggle]->setCheckable(true);
}

QAction* TMainForm::Item(CommandId id) const
{
    auto it = items_.find(id);
    return it == items_.end() ? nullptr : it->second;
}

QAction* TMainForm::Button(CommandId id) const
{
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

void TMainForm::FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Command: menu->addAction(items_.at(entry.command)); break;
        case MenuEntry::Kind::Separator: menu->addSeparator(); break;
        case MenuEntry::Kind::Submenu: {
            QMenu* sub = menu->addMenu(En(entry.caption));
            sub->setObjectName(entry.name);
            sub->menuAction()->setObjectName(QString::fromLatin1(entry.name) + "Action");
            sub->menuAction()->setStatusTip(En(entry.hint));
            sub->menuAction()->setProperty(kHelpContextProperty, entry.helpContext);
            FillMenu(sub, entry.children);
            break;
        }
        case MenuEntry::Kind::RecentFiles:
            recentSeparator_ = new QAction(this);
            recentSeparator_->setSeparator(true);
            recentSeparator_->setVisible(false);
            break;
        case MenuEntry::Kind::WindowList: windowMenu_ = menu; break;
        }
    }
}

void TMainForm::BuildMenus()
{
    for (const MenuInfo& info : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(En(info.caption));
        menu->setObjectName(info.name);
        menu->menuAction()->setStatusTip(En(info.hint));
        FillMenu(menu, info.entries);
        if (QString::fromLatin1(info.name) == "FileMenu") fileMenu_ = menu;
        menu->setToolTipsVisible(false);
    }
    // F1 on a highlighted item opens the help topic of its context.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->installEventFilter(this);
    exitItem_ = items_.at(CommandId::FileExit);
    fileMenu_->insertAction(exitItem_, recentSeparator_);
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::RebuildWindowMenu);
}

QWidget* TMainForm::MakeToolbarControl(const ToolbarEntry& entry)
{
    auto* box = new QComboBox(this);
    box->setObjectName(entry.controlName);
    box->setToolTip(En(entry.tooltip));
    box->setStatusTip(En(entry.statusText));
    box->setEnabled(false);
    const QString name = QString::fromLatin1(entry.controlName);
    if (name == "FuncComboBox") {
        box->setMinimumWidth(162);
        funcComboBox_ = box;
    } else if (name == "PointWidthComboBox" || name == "PointStyleComboBox") {
        box->setMinimumWidth(39);
    } else {
        box->setMinimumWidth(80);
    }
    return box;
}

void TMainForm::BuildToolbars()
{
    int index = 0;
    for (const ToolbarInfo& info : MainToolbars()) {
        auto* bar = new QToolBar(En(info.caption), this);
        bar->setObjectName(info.name);
        bar->setIconSize(QSize(20, 20));
        if (info.topBottomOnly) bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        for (const ToolbarEntry& entry : info.entries) {
            switch (entry.kind) {
            case ToolbarEntry::Kind::Command: bar->addAction(buttons_.at(entry.command)); break;
            case ToolbarEntry::Kind::Separator: bar->addSeparator(); break;
            case ToolbarEntry::Kind::Control: bar->addWidget(MakeToolbarControl(entry)); break;
            }
        }
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this,
                [this, bar](const QPoint& pos) { panelsPopupMenu_->popup(bar->mapToGlobal(pos)); });
        // A toolbar closed or shown by other means keeps its flag and checks in step.
        connect(bar->toggleViewAction(), &QAction::toggled, this, [this, index](bool visible) {
            if (!isVisible() && !visible) return;  // hidden with the window, not by the user
            if (index == 0) SetStandartPanel(visible);
            else if (index == 1) SetGraphsPanel(visible);
            else SetCalcPanel(visible);
        });
        toolbars_[index++] = bar;
    }
}

void TMainForm::BuildStatusBar()
{
    statusPanel0_ = new QLabel(this);
    statusPanel0_->setObjectName("StatusPanel0");
    statusPanel0_->setFixedWidth(logicalDpiX());
    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName("StatusPanel1");
    statusBar()->addWidget(statusPanel0_);
    statusBar()->addWidget(statusPanel1_, 1);
    statusBar()->setSizeGripEnabled(true);
}

void TMainForm::BuildPopupMenus()
{
    panelsPopupMenu_ = new QMenu(this);
    panelsPopupMenu_->setObjectName("PanelsPopupMenu");
    const CommandId views[3] = {CommandId::StandartPanel, CommandId::FuncPanel, CommandId::CalcPanel};
    const char* captions[3] = {"Standard", "Graph", "Calculus"};
    for (int i = 0; i < 3; ++i) {
        QAction* item = panelsPopupMenu_->addAction(En(captions[i]));
        item->setCheckable(true);
        item->setStatusTip(En(Command(views[i]).hint));
        const CommandId id = views[i];
        connect(item, &QAction::triggered, this, [this, id] { Run(id); });
        panelPopupItems_[i] = item;
    }
    panelsPopupMenu_->addSeparator();
    panelsPopupMenu_->addAction(items_.at(CommandId::ToolbarsHelp));

    mdiChildPopupMenu_ = new QMenu(this);
    mdiChildPopupMenu_->setObjectName("MDIChildPopupMenu");
    mdiChildPopupMenu_->addAction(items_.at(CommandId::HorLinesToggle));
    mdiChildPopupMenu_->addAction(items_.at(CommandId::VertLinesToggle));
    mdiChildPopupMenu_->addSeparator();
    const std::pair<CommandId, const char*> options[] = {{CommandId::Build, "Plot Options..."},
                                                         {CommandId::Axles, "Axis Options..."},
                                                         {CommandId::BackGround, "Background Options..."}};
    const char* names[] = {"BuildPopItem", "AxlesPopItem", "BackGroundPopItem"};
    int n = 0;
    for (const auto& [id, caption] : options) {
        QAction* item = mdiChildPopupMenu_->addAction(En(caption));
        item->setObjectName(names[n++]);
        item->setStatusTip(En(Command(id).hint));
        const CommandId command = id;
        connect(item, &QAction::triggered, this, [this, command] { Run(command); });
    }
    connect(mdiChildPopupMenu_, &QMenu::aboutToShow, this, [this] {
        items_.at(CommandId::HorLinesToggle)->setChecked(GlobalGridLines(true));
        items_.at(CommandId::VertLinesToggle)->setChecked(GlobalGridLines(false));
    });
}

QMenu* TMainForm::createPopupMenu()
{
    auto* menu = new QMenu(this);
    menu->addActions(panelsPopupMenu_->actions());
    return menu;
}

void TMainForm::ShowDocumentPopup(const QPoint& globalPos)
{
    if (!Computing()) mdiChildPopupMenu_->popup(globalPos);
}

// ---------------------------------------------------------------------------
// Start-up

void TMainForm::Start(const QStringList& documentArguments)
{
    // Without a window manager the maximise request does nothing: the
    // available screen area is the nearest thing.
    if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    showMaximized();
    statusPanel0_->setText(Tr("Ready"));
    // The first document comes from a queued call, not from a maximised
    // resize: a window manager may ignore the maximise request.
    QTimer::singleShot(0, this, [this, documentArguments] { OpenFirstDocument(documentArguments); });
}

void TMainForm::OpenFirstDocument(const QStringList& documentArguments)
{
    if (initialized_) return;
    if (!documentArguments.isEmpty())
        OpenDocument(QString::fromStdString(UnquoteArgument(documentArguments.first().toStdString())));
    else
        NewDocument();
    initialized_ = true;
    UpdateMenuItems();
    emit StartupFinished();
}

// ---------------------------------------------------------------------------
// Events

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Hints go to panel 1; the panels themselves stay.
        statusPanel1_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowTitleChange) {
        const std::string title = ApplicationTitleAfterCaption(
            QGuiApplication::applicationDisplayName().toStdString(), windowTitle().toStdString());
        QGuiApplication::setApplicationDisplayName(QString::fromStdString(title));
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            const QAction* item = menu->activeAction();
            const int context = item ? item->property(kHelpContextProperty).toInt() : 0;
            // Context 0 asks for nothing.
            if (context != 0) {
                menu->close();
                ShowHelp(context);
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        if (TMDIChild* child = ActiveChild()) child->AbandonSelection();
    }
    QMainWindow::changeEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (Computing()) {
        // Commands never run in the middle of a computation: close after it.
        closeAfterComputation_ = true;
        event->ignore();
        return;
    }
    if (!CloseAllQuestions()) {
        event->ignore();
        return;
    }
    FinishClose();
    event->accept();
}

bool TMainForm::CloseAllQuestions()
{
    // Most recently active first, as the windows are stacked.
    QList<QMdiSubWindow*> order = mdiArea_->subWindowList(QMdiArea::ActivationHistoryOrder);
    std::reverse(order.begin(), order.end());
    for (QMdiSubWindow* window : order) {
        auto* child = qobject_cast<TMDIChild*>(window);
        if (!child || !child->Modified()) continue;
        mdiArea_->setActiveSubWindow(child);
        if (!child->AskAndSave()) return false;
    }
    for (TMDIChild* child : Children()) child->SetModified(false);
    return true;
}

void TMainForm::FinishClose()
{
    StoreToolbarPositions();
    emit SavingSettings();
    if (!WriteProgramOptions()) ShowErrorMessage(this, "File write error");
    for (TMDIChild* child : Children()) child->MarkClosing();
}

// ---------------------------------------------------------------------------
// Commands

void TMainForm::ShowNotAvailable(CommandId)
{
    ShowErrorMessage(this, "This command is not available yet.");
}

void TMainForm::SetCommandHandler(CommandId id, std::function<void()> handler)
{
    handlers_[id] = std::move(handler);
}

void TMainForm::Run(CommandId id)
{
    if (Computing()) return;
    if (auto handler = handlers_.find(id); handler != handlers_.end() && handler->second) {
        handler->second();
        return;
    }
    const CommandInfo& command = Command(id);
    if (!command.implemented) {
        ShowNotAvailable(id);
        return;
    }
    switch (id) {
    case CommandId::FileNew: NewDocument(); break;
    case CommandId::FileOpen: FileOpenClick(); break;
    case CommandId::FileSave: FileSaveClick(); break;
    case CommandId::FileSaveAs: FileSaveAsClick(); break;
    case CommandId::SaveAsBitmap: SaveAsBitmapClick(); break;
    case CommandId::CopyAsBitmap: CopyAsBitmapClick(); break;
    case CommandId::FileExit: close(); break;
    case CommandId::FullScreen: FullScreenClick(); break;
    case CommandId::StandartPanel: SetStandartPanel(!ProgramOptions().StandardPanel); break;
    case CommandId::FuncPanel: SetGraphsPanel(!ProgramOptions().GraphsPanel); break;
    case CommandId::CalcPanel: SetCalcPanel(!ProgramOptions().CalcPanel); break;
    case CommandId::Rebuild: RebuildClick(); break;
    case CommandId::SaveOptions: SaveOptionsClick(); break;
    case CommandId::WindowCascade: CascadeDocumentWindows(*mdiArea_); break;
    case CommandId::WindowTile: mdiArea_->tileSubWindows(); break;
    case CommandId::WindowArrange: WindowArrangeClick(); break;
    case CommandId::WindowMinimize: WindowMinimizeClick(); break;
    case CommandId::HelpContents: ShowHelp(0); break;
    case CommandId::HelpAbout: HelpAboutClick(); break;
    case CommandId::ToolbarsHelp: ShowHelp(103); break;
    case CommandId::HorLinesToggle: ToggleGridLines(true); break;
    case CommandId::VertLinesToggle: ToggleGridLines(false); break;
    case CommandId::Undo: UndoRedoClick(false); break;
    case CommandId::Redo: UndoRedoClick(true); break;
    default: ShowNotAvailable(id); break;
    }
}

void TMainForm::NewDocument()
{
    // A new document starts from the saved defaults, not from the active one.
    ReadDefaultOptions();
    std::vector<std::string> captions;
    for (TMDIChild* child : Children()) captions.push_back(child->windowTitle().toStdString());
    const QString caption = QString::fromStdString(NextNonameCaption(captions));
    TMDIChild* child = CreateChild(caption);
    child->SetFileName(caption, false);
    AutoMaximize();
    UpdateMenuItems();
}

bool TMainForm::OpenDocument(const QString& fileName)
{
    const QString path = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    std::string error;
    auto document = LoadDocumentFile(path.toStdString(), error);
    if (!document) {
        ShowErrorMessage(this, QString::fromStdString(error));
        return false;
    }
    AddRecentFile(ProgramOptions().LastFiles, path.toStdString());
    RebuildRecentFilesMenu();
    TMDIChild* child = CreateChild(QFileInfo(path).fileName(), std::move(document));
    child->SetFileName(path, true);
    CopyDocumentRecordsToGlobal(child->Document());
    AutoMaximize();
    UpdateMenuItems();
    ComputeGraphs(child, false);
    RebuildGraphsList();
    return true;
}

TMDIChild* TMainForm::CreateChild(const QString& caption, std::unique_ptr<TGraphicsManager> document)
{
    if (!document) document = NewDocumentFromGlobal();
    auto* child = new TMDIChild(this, std::move(document));
    child->setWindowTitle(caption);
    mdiArea_->addSubWindow(child);
    connect(child, &QObject::destroyed, this, [this] {
        // The window list is up to date only once the window has gone.
        QTimer::singleShot(0, this, [this] { UpdateMenuItems(); });
    });
    PlaceNewChild(child);
    child->show();
    mdiArea_->setActiveSubWindow(child);
    return child;
}

void TMainForm::PlaceNewChild(QMdiSubWindow* child)
{
    // New windows cascade from the top left corner, one title bar apart, so
    // that every one lies wholly inside the frame.
    const QSize area = mdiArea_->viewport()->size();
    const QSize size = (area * 3 / 4).expandedTo(QSize(200, 150));
    const int step = std::max(1, child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child));
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int places = std::max(1, room / step + 1);
    const int place = (int(mdiArea_->subWindowList().size()) - 1) % places;
    child->resize(size);
    child->move(place * step, place * step);
}

void TMainForm::AutoMaximize()
{
    if (!ProgramOptions().Common.AutoMaximize) return;
    if (QMdiSubWindow* active = mdiArea_->currentSubWindow(); active && !active->isMaximized())
        active->showMaximized();
}

void TMainForm::FileOpenClick()
{
    const QString name = QFileDialog::getOpenFileName(this, Tr("Open"), QString(), DocumentFileFilter());
    if (!name.isEmpty()) OpenDocument(name);
}

void TMainForm::FileSaveClick()
{
    if (TMDIChild* child = ActiveChild()) child->Save();
}

void TMainForm::FileSaveAsClick()
{
    if (TMDIChild* child = ActiveChild()) child->SaveAs();
}

void TMainForm::SaveAsBitmapClick()
{
    if (TMDIChild* child = ActiveChild()) SaveDocumentPicture(this, child->Document());
}

void TMainForm::CopyAsBitmapClick()
{
    if (TMDIChild* child = ActiveChild()) CopyDocumentPicture(this, child->Document());
}

void TMainForm::FullScreenClick()
{
    if (TMDIChild* child = ActiveChild()) {
        TFullScreenForm form(child);
        form.exec();
        child->Redraw();
    }
}

void TMainForm::RebuildClick()
{
    if (TMDIChild* child = ActiveChild()) ComputeGraphs(child, true);
}

void TMainForm::SaveOptionsClick()
{
    if (!WriteDefaultOptions()) ShowErrorMessage(this, "File write error");
}

void TMainForm::WindowArrangeClick()
{
    // Minimised windows line up along the bottom edge of the frame.
    int x = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, mdiArea_->viewport()->height() - size.height());
        x += size.width();
    }
}

void TMainForm::WindowMinimizeClick()
{
    QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->showMinimized();
}

void TMainForm::HelpAboutClick()
{
    TAboutForm about(this);
    about.exec();
}

void TMainForm::ShowHelp(int context)
{
    THelpForm::ShowContext(this, context);
}

void TMainForm::ToggleGridLines(bool horizontal)
{
    TMDIChild* child = ActiveChild();
    if (!child) return;
    ToggleGlobalGridLines(horizontal);
    ApplyGlobalOptions(child);
}

void TMainForm::ApplyGlobalOptions(TMDIChild* child)
{
    // Applying may recompute graphs.
    RunComputation(child, [child] { ApplyGlobalOptionsTo(child->Document()); });
    UpdateMenuItems();
}

void TMainForm::UndoRedoClick(bool redo)
{
    TMDIChild* child = ActiveChild();
    if (!child) return;
    guard_->Begin();  // replaying an options step may recompute graphs
    TStatusProgress progress(this, statusPanel0_, statusPanel1_, guard_);
    child->Document().SetProgress(&progress);
    if (redo) child->UndoManager().Redo();
    else child->UndoManager().Undo();
    child->Document().SetProgress(nullptr);
    statusPanel0_->setText(Tr("Ready"));
    statusPanel1_->clear();
    guard_->End();
    child->Redraw();
    UpdateMenuItems();
}

// ---------------------------------------------------------------------------
// Toolbars

void TMainForm::SetStandartPanel(bool visible)
{
    ProgramOptions().StandardPanel = visible;
    ApplyToolbarFlags();
}

void TMainForm::SetGraphsPanel(bool visible)
{
    ProgramOptions().GraphsPanel = visible;
    ApplyToolbarFlags();
}

void TMainForm::SetCalcPanel(bool visible)
{
    ProgramOptions().CalcPanel = visible;
    ApplyToolbarFlags();
}

void TMainForm::ApplyToolbarFlags()
{
    const TProgramOptions& options = ProgramOptions();
    const bool flags[3] = {options.StandardPanel, options.GraphsPanel, options.CalcPanel};
    const CommandId views[3] = {CommandId::StandartPanel, CommandId::FuncPanel, CommandId::CalcPanel};
    for (int i = 0; i < 3; ++i) {
        QSignalBlocker block(toolbars_[i]->toggleViewAction());
        toolbars_[i]->setVisible(flags[i]);
        items_.at(views[i])->setChecked(flags[i]);
        panelPopupItems_[i]->setChecked(flags[i]);
    }
}

void TMainForm::RestoreToolbarPositions()
{
    TProgramOptions& options = ProgramOptions();
    // The saved window state is exact; the listed keys are the fallback.
    if (!options.ToolbarState.empty()) {
        const QByteArray state = QByteArray::fromBase64(QByteArray::fromStdString(options.ToolbarState));
        if (restoreState(state)) return;
    }
    struct Placed {
        QToolBar* bar;
        const ToolbarPlacement* place;
    };
    std::vector<Placed> placed;
    for (int i = 0; i < 3; ++i) placed.push_back({toolbars_[i], &options.Toolbars[i]});
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.place->DockedTo != b.place->DockedTo) return a.place->DockedTo < b.place->DockedTo;
        if (a.place->DockRow != b.place->DockRow) return a.place->DockRow < b.place->DockRow;
        return a.place->DockPos < b.place->DockPos;
    });
    std::map<std::string, int> lastRow;
    for (const Placed& p : placed) {
        Qt::ToolBarArea area = Qt::TopToolBarArea;
        const std::string& dock = p.place->DockedTo;
        if (dock == "DockBottom") area = Qt::BottomToolBarArea;
        else if (dock == "DockLeft") area = Qt::LeftToolBarArea;
        else if (dock == "DockRight") area = Qt::RightToolBarArea;
        if (!(p.bar->allowedAreas() & area)) area = Qt::TopToolBarArea;
        const std::string key = std::to_string(int(area));
        auto row = lastRow.find(key);
        if (row != lastRow.end() && row->second != p.place->DockRow) addToolBarBreak(area);
        addToolBar(area, p.bar);
        lastRow[key] = p.place->DockRow;
    }
}

void TMainForm::StoreToolbarPositions()
{
    TProgramOptions& options = ProgramOptions();
    options.ToolbarState = saveState().toBase64().toStdString();
    for (int i = 0; i < 3; ++i) {
        QToolBar* bar = toolbars_[i];
        ToolbarPlacement& place = options.Toolbars[i];
        place.Visible = !bar->isHidden();
        switch (toolBarArea(bar)) {
        case Qt::BottomToolBarArea: place.DockedTo = "DockBottom"; break;
        case Qt::LeftToolBarArea: place.DockedTo = "DockLeft"; break;
        case Qt::RightToolBarArea: place.DockedTo = "DockRight"; break;
        default: place.DockedTo = "DockTop"; break;
        }
        const bool vertical = bar->orientation() == Qt::Vertical;
        place.DockPos = vertical ? bar->y() : bar->x();
        // Rows are told apart by the bar's offset across the dock.
        const int across = vertical ? bar->x() : bar->y();
        place.DockRow = bar->height() > 0 ? across / std::max(1, vertical ? bar->width() : bar->height()) : 0;
        const QRect frame = bar->isFloating() ? bar->frameGeometry() : QRect();
        place.FloatLeft = frame.left();
        place.FloatTop = frame.top();
        place.FloatRight = frame.right() + 1;
        place.FloatBottom = frame.bottom() + 1;
        place.FloatRightX = frame.right() + 1;
    }
}

// ---------------------------------------------------------------------------
// Recent files and the Window menu

void TMainForm::RebuildRecentFilesMenu()
{
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const auto& files = ProgramOptions().LastFiles;
    for (int k = 0; k < int(files.size()); ++k) {
        if (IsBlankPath(files[k])) continue;
        auto* action = new QAction(QString::fromStdString(RecentFileCaption(k + 1, files[k])), this);
        action->setObjectName(QString("RecentFile%1").arg(k + 1));
        action->setStatusTip(Tr("Open") + " " + QString::fromStdString(files[k]));
        const QString path = QString::fromStdString(files[k]);
        connect(action, &QAction::triggered, this, [this, path] {
            if (!Computing()) OpenDocument(path);
        });
        fileMenu_->insertAction(recentSeparator_, action);
        recentActions_.append(action);
    }
    recentSeparator_->setVisible(!recentActions_.isEmpty());
}

void TMainForm::RebuildWindowMenu()
{
    for (QAction* action : windowListActions_) {
        windowMenu_->removeAction(action);
        action->deleteLater();
    }
    windowListActions_.clear();
    const QList<TMDIChild*> children = Children();
    if (children.isEmpty()) return;
    windowListActions_.append(windowMenu_->addSeparator());
    int number = 1;
    for (TMDIChild* child : children) {
        QString title = child->windowTitle();
        title.replace("&", "&&");
        QString caption = number <= 9 ? QString("&%1 %2").arg(number).arg(title) : title;
        QAction* action = windowMenu_->addAction(caption);
        action->setCheckable(true);
        action->setChecked(child == ActiveChild());
        connect(action, &QAction::triggered, this, [this, child] {
            if (child->isMinimized()) child->showNormal();
            mdiArea_->setActiveSubWindow(child);
        });
        windowListActions_.append(action);
        ++number;
    }
}

// ---------------------------------------------------------------------------
// Document windows

TMDIChild* TMainForm::ActiveChild() const
{
    // The current window, not the active one: while another program has the
    // focus no sub-window counts as active, yet the document is still the
    // one the toolbars and the graph list show.
    return qobject_cast<TMDIChild*>(mdiArea_->currentSubWindow());
}

QList<TMDIChild*> TMainForm::Children() const
{
    QList<TMDIChild*> children;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<TMDIChild*>(window); child && !child->IsClosing())
            children.append(child);
    return children;
}

void TMainForm::OnSubWindowActivated(QMdiSubWindow* window)
{
    auto* child = qobject_cast<TMDIChild*>(window);
    if (child && !child->IsClosing()) {
        // Both records: the options dialogs edit the global copy as a whole.
        CopyDocumentRecordsToGlobal(child->Document());
        if (child != lastActiveChild_) {
            lastActiveChild_ = child;
            RebuildGraphsList();
        }
    }
    UpdateMenuItems();
}

void TMainForm::RebuildGraphsList()
{
    if (!funcComboBox_) return;
    funcComboBox_->clear();
    TMDIChild* child = ActiveChild();
    if (!child) return;
    for (const std::string& line : GraphDescriptions(child->Document()))
        funcComboBox_->addItem(QString::fromStdString(line));
}

void TMainForm::UpdateMenuItems()
{
    MenuState state;
    TMDIChild* active = ActiveChild();
    state.documentCount = int(Children().size());
    state.activeHasGraphs = active && GraphCount(active->Document()) > 0;
    // Undo and Redo follow the active document's own history.
    state.canUndo = active && active->UndoManager().CanUndo();
    state.canRedo = active && active->UndoManager().CanRedo();
    items_.at(CommandId::Undo)->setText(state.canUndo ? QString::fromStdString(active->UndoManager().UndoCaption())
                                                      : Tr("&Undo"));
    items_.at(CommandId::Redo)->setText(state.canRedo ? QString::fromStdString(active->UndoManager().RedoCaption())
                                                      : Tr("&Redo"));
    for (const CommandInfo& command : AllCommands()) {
        const bool enabled = IsCommandEnabled(command, state);
        if (QAction* item = Item(command.id)) item->setEnabled(enabled);
        if (QAction* button = Button(command.id)) button->setEnabled(enabled);
    }
    if (state.documentCount == 0) {
        lastActiveChild_ = nullptr;
        buttons_.at(CommandId::SelectInterval)->setChecked(false);
        if (funcComboBox_) funcComboBox_->clear();
    }
    // The graph box lists the graphs; the style boxes work once the Graph
    // toolbar's commands exist.
    if (funcComboBox_) funcComboBox_->setEnabled(state.activeHasGraphs);
    emit MenuItemsUpdated();
}

// ---------------------------------------------------------------------------
// Computation

bool TMainForm::Computing() const { return guard_->Active(); }

bool TMainForm::EscapePressed() { return guard_->EscapePressed(); }

void TMainForm::SetEscapeCheck(bool on) { guard_->SetEscapeCheck(on); }

void TMainForm::RunComputation(TMDIChild* child, const std::function<void()>& work)
{
    if (!child || Computing()) return;
    guard_->Begin();
    TStatusProgress progress(this, statusPanel0_, statusPanel1_, guard_);
    child->Document().SetProgress(&progress);
    work();
    child->Document().SetProgress(nullptr);
    statusPanel0_->setText(Tr("Ready"));
    statusPanel1_->clear();
    guard_->End();
    child->Redraw();
    if (closeAfterComputation_) {
        closeAfterComputation_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    for (TMDIChild* pending : Children())
        if (pending->ClosePending()) QTimer::singleShot(0, pending, &QWidget::close);
}

void TMainForm::ComputeGraphs(TMDIChild* child, bool onlyIncomplete)
{
    if (!child || Computing()) return;
    guard_->Begin();
    TStatusProgress progress(this, statusPanel0_, statusPanel1_, guard_);
    TGraphicsManager& document = child->Document();
    document.SetProgress(&progress);
    ComputeDocumentGraphs(document, onlyIncomplete);
    document.SetProgress(nullptr);
    child->Redraw();
    statusPanel0_->setText(Tr("Ready"));
    statusPanel1_->clear();
    guard_->End();
    UpdateMenuItems();
    RebuildGraphsList();
    if (closeAfterComputation_) {
        closeAfterComputation_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    for (TMDIChild* pending : Children())
        if (pending->ClosePending()) QTimer::singleShot(0, pending, &QWidget::close);
}

}  // namespace vg
