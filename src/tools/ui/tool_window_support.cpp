#include "tools/ui/tool_window_support.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "app/file_filter.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/help_form.h"
#include "app/ui/computation_guard.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/translate_component.h"
#include "platform/atomic_file.h"

namespace vg {

namespace {

constexpr int kMaxTypedFormulaLength = 250;
// Results added in a burst show at most this often (milliseconds).
constexpr qint64 kRefreshInterval = 100;
constexpr const char* kTextFilesFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

// Closing a window is held back too: the computing window must stay.
bool IsUserInput(QEvent::Type type) { return IsKeyboardOrMouseInput(type) || type == QEvent::Close; }

}  // namespace

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QLineEdit* NewNamedEdit(QWidget* parent, const char* objectName)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

QLabel* NewNamedLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

QPushButton* NewNamedButton(QWidget* parent, const char* objectName, const char* caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

QLabel* NewNotationLabel(QWidget* parent, const char* text)
{
    auto* label = new QLabel(text, parent);
    label->setProperty(kTagProperty, kTagKeepOwnTexts);
    return label;
}

QLineEdit* NewShowEdit(QWidget* parent, const char* objectName)
{
    QLineEdit* edit = NewNamedEdit(parent, objectName);
    edit->setReadOnly(true);
    edit->setFrame(false);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    return edit;
}

TScanInputGuard::TScanInputGuard() { QCoreApplication::instance()->installEventFilter(this); }

TScanInputGuard::~TScanInputGuard()
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool TScanInputGuard::EscapePressed()
{
    QCoreApplication::processEvents();
    const bool pressed = escape_;
    escape_ = false;
    return pressed;
}

bool TScanInputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsUserInput(event->type())) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        escape_ = true;
    event->ignore();
    return true;
}

TWindowScanProgress::TWindowScanProgress(QWidget* window, QProgressBar* bar, std::function<void()> refresh)
    : window_(window), bar_(bar), refresh_(std::move(refresh))
{
}

TWindowScanProgress::~TWindowScanProgress() { busyCursor_.Clear(); }

std::string TWindowScanProgress::Translate(const std::string& english) const { return vg::Translate(english); }

void TWindowScanProgress::ShowPercent(int percent)
{
    if (bar_) bar_->setValue(percent);
    if (refresh_) refresh_();
    lastRefresh_ = QDateTime::currentMSecsSinceEpoch();
    window_->repaint();
    if (QWidget* owner = window_->parentWidget()) owner->update();
}

void TWindowScanProgress::ResultAdded()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastRefresh_ < kRefreshInterval) return;
    lastRefresh_ = now;
    if (refresh_) refresh_();
    window_->repaint();
}

void TWindowScanProgress::SetBusyCursor(bool busy) { busyCursor_.Set(busy); }

void TWindowScanProgress::ProcessMessages() { QCoreApplication::processEvents(); }

bool TWindowScanProgress::EscapePressed() { return guard_.EscapePressed(); }

TComputeOnFirstShow::TComputeOnFirstShow(QWidget* window, std::function<void()> compute)
    : QObject(window), compute_(std::move(compute))
{
    window->installEventFilter(this);
}

bool TComputeOnFirstShow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && !done_) {
        done_ = true;
        QTimer::singleShot(0, this, [this] { compute_(); });
    }
    return QObject::eventFilter(watched, event);
}

bool SaveResultsText(QWidget* parent, const char* englishTitle, const std::string& text)
{
    QFileDialog dialog(parent, ToQString(Translate(englishTitle)));
    dialog.setObjectName("ResultsSaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQString(ToQtFileFilter(TranslateFileFilter(kTextFilesFilter))));
    dialog.setDefaultSuffix("txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = dialog.selectedFiles().first();
    if (!WriteFileAtomically(chosen.toStdString(), text)) {
        ShowMessageDialog(Translate("File write error"), mtError, mbOK, 0);
        return false;
    }
    return true;
}

bool CopyResultsText(const std::string& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString copied = ToQString(text);
    if (clipboard) clipboard->setText(copied);
    if (!clipboard || clipboard->text() != copied) {
        ShowMessageDialog(Translate("Copy error"), mtError, mbOK, 0);
        return false;
    }
    return true;
}

const TGraphicsManager* ActiveDocument(const TMainForm& form)
{
    const TMDIChild* child = form.ActiveChild();
    if (!child || child->IsClosing()) return nullptr;
    return &child->Document();
}

void FillFormulaList(QComboBox* box, const std::vector<std::string>& formulas, const std::string& text)
{
    box->clear();
    for (const std::string& formula : formulas) box->addItem(ToQString(formula));
    box->setEditText(ToQString(text));
}

std::string FormulaText(const QComboBox* box) { return box->currentText().toStdString(); }

std::string EditText(const QLineEdit* edit) { return edit->text().toStdString(); }

QComboBox* NewFormulaComboBox(QWidget* parent, const char* objectName)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // a formula is typed as it stands, never completed from the list
    box->lineEdit()->setMaxLength(kMaxTypedFormulaLength);
    box->setMinimumContentsLength(30);
    return box;
}

void ShowRefusal(const std::string& message, QWidget* field)
{
    ShowMessageDialog(message, mtError, mbOK, 0);
    if (!field) return;
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit()) box->lineEdit()->selectAll();
}

QTableWidget* NewResultGrid(QWidget* parent, const char* objectName, const QStringList& headers)
{
    auto* grid = new QTableWidget(1, int(headers.size()), parent);
    grid->setObjectName(objectName);
    grid->setHorizontalHeaderLabels(headers);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return grid;
}

void ResetResultGrid(QTableWidget* grid)
{
    grid->clearContents();
    grid->setRowCount(1);
}

void AppendResultRow(QTableWidget* grid, const QStringList& cells)
{
    int row = grid->rowCount() - 1;
    const QTableWidgetItem* first = grid->item(row, 0);
    if (row < 0 || (first && !first->text().isEmpty())) {
        row = grid->rowCount();
        grid->insertRow(row);
    }
    for (int column = 0; column < cells.size() && column < grid->columnCount(); ++column)
        grid->setItem(row, column, new QTableWidgetItem(cells[column]));
}

void TScanOptionsForm::AddIntervalGroup(QBoxLayout* layout)
{
    auto* parameters = new QGroupBox("Parameters", this);
    parameters->setObjectName("ParametersGroupBox");
    auto* form = new QFormLayout(parameters);
    MinXEdit = NewNamedEdit(parameters, "MinXEdit");
    MaxXEdit = NewNamedEdit(parameters, "MaxXEdit");
    StepsNumEdit = NewNamedEdit(parameters, "StepsNumEdit");
    DigitsNumEdit = NewNamedEdit(parameters, "DigitsNumEdit");
    form->addRow(new QLabel("Minimum of X", parameters), MinXEdit);
    form->addRow(new QLabel("Maximum of X", parameters), MaxXEdit);
    form->addRow(new QLabel("Number of Steps", parameters), StepsNumEdit);
    form->addRow(new QLabel("Accuracy (Decimal Signs)", parameters), DigitsNumEdit);
    layout->addWidget(parameters);
}

void TScanOptionsForm::AddButtons(QBoxLayout* layout, int helpContext)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = NewNamedButton(this, "OKButton", "OK");
    OKButton->setDefault(true);
    CancelButton = NewNamedButton(this, "CancelButton", "Cancel");
    HelpButton = NewNamedButton(this, "HelpButton", "Help");
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [this, helpContext] { THelpForm::ShowContext(this, helpContext); });
}

void TScanOptionsForm::ShowIntervalTexts(const std::string& minX, const std::string& maxX, const std::string& stepsNum,
                                         const std::string& digitsNum)
{
    MinXEdit->setText(ToQString(minX));
    MaxXEdit->setText(ToQString(maxX));
    StepsNumEdit->setText(ToQString(stepsNum));
    DigitsNumEdit->setText(ToQString(digitsNum));
}

void TComputingDialog::reject()
{
    if (!running_) QDialog::reject();
}

void TComputingDialog::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TScanResultsForm::AddProgressBar(QBoxLayout* layout)
{
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 100);
    layout->addWidget(ProgressBar);
}

void TScanResultsForm::AddResultButtons(QBoxLayout* layout)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    CloseButton = NewNamedButton(this, "CloseButton", "Close");
    SaveToFileButton = NewNamedButton(this, "SaveToFileButton", "Save to File...");
    CopyButton = NewNamedButton(this, "CopyButton", "Copy to Clipboard");
    buttons->addWidget(SaveToFileButton);
    buttons->addWidget(CopyButton);
    buttons->addWidget(CloseButton);
    layout->addLayout(buttons);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TScanResultsForm::ShowScanning(bool scanning)
{
    CloseButton->setVisible(!scanning);
    SaveToFileButton->setVisible(!scanning);
    CopyButton->setVisible(!scanning);
    ProgressBar->setVisible(scanning);
}

void TScanResultsForm::RunScan(const std::function<void(ScanProgress&)>& scan)
{
    SetRunning(true);
    ++runs_;
    {
        TWindowScanProgress progress(this, ProgressBar, [this] { ShowResults(); });
        scan(progress);
    }
    SetRunning(false);
    ShowResults();
    ShowScanning(false);
    SaveToFileButton->setEnabled(true);
    CopyButton->setEnabled(true);
    CloseButton->setFocus();
}

}  // namespace vg
