#include "app/ui/message_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app/translator.h"
#include "app/ui/translate_component.h"

namespace vg {

namespace {

std::function<void(int)>& HelpHandler()
{
    static std::function<void(int)> handler;
    return handler;
}

QStyle::StandardPixmap IconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QStyle::SP_MessageBoxWarning;
    case mtError: return QStyle::SP_MessageBoxCritical;
    case mtInformation: return QStyle::SP_MessageBoxInformation;
    case mtConfirmation: return QStyle::SP_MessageBoxQuestion;
    case mtCustom: break;
    }
    return QStyle::SP_CustomBase;
}

const char* ButtonObjectName(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes: return "Yes";
    case mbNo: return "No";
    case mbOK: return "OK";
    case mbCancel: return "Cancel";
    case mbAbort: return "Abort";
    case mbRetry: return "Retry";
    case mbIgnore: return "Ignore";
    case mbAll: return "All";
    case mbNoToAll: return "NoToAll";
    case mbYesToAll: return "YesToAll";
    case mbHelp: return "Help";
    }
    return "";
}

QScreen* ScreenForDialog()
{
    if (QWidget* active = QApplication::activeWindow()) {
        if (QScreen* screen = active->screen()) return screen;
    }
    return QApplication::primaryScreen();
}

// Average character width as the standard dialog measures it.
int AverageCharWidth(const QFontMetrics& metrics)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) + 26) / 52;
}

QString WindowTitleOf(TMsgDlgType type)
{
    std::string_view title = MessageDialogTitle(type);
    if (title.empty()) {
        QString application = QApplication::applicationDisplayName();
        return application.isEmpty() ? QApplication::applicationName() : application;
    }
    return TranslateText(title);
}

int RunDialog(TMessageDialog& dialog, int x, int y, int* whereX, int* whereY)
{
    dialog.adjustSize();
    if (x >= 0 && y >= 0) {
        dialog.move(x, y);
    } else if (QScreen* screen = ScreenForDialog()) {
        QRect area = screen->availableGeometry();
        dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    int result = dialog.exec();
    if (whereX) *whereX = dialog.x();
    if (whereY) *whereY = dialog.y();
    return result;
}

}  // namespace

TMessageDialog::TMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext, QWidget* parent)
    : QDialog(parent), helpContext_(helpContext)
{
    setObjectName(QStringLiteral("MessageDialog"));
    setWindowTitle(WindowTitleOf(type));
    setFont(QApplication::font("QMessageBox"));
    // A box must be closable: without any answering button it gets OK.
    if ((buttons & ~static_cast<unsigned>(mbHelp)) == 0) buttons |= mbOK;
    escapeButton_ = MessageEscapeButton(buttons);

    QFontMetrics metrics(font());
    MessageDialogMetrics units = ComputeMessageDialogMetrics(AverageCharWidth(metrics), metrics.height());

    auto* textLabel = new QLabel(ToDisplayText(Translate(text)), this);
    textLabel->setObjectName(QStringLiteral("Text"));
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setWordWrap(true);
    QScreen* screen = ScreenForDialog();
    int maxWidth = screen ? screen->availableGeometry().width() / 2 : 640;
    QRect textRect = metrics.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, textLabel->text());
    textLabel->setFixedWidth(std::min(maxWidth, textRect.width() + 2));

    auto* top = new QHBoxLayout;
    top->setSpacing(units.spacing);
    if (type != mtCustom) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("Icon"));
        int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(IconOf(type), nullptr, this).pixmap(size, size));
        top->addWidget(icon, 0, Qt::AlignTop);
    }
    top->addWidget(textLabel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.margin, units.margin, units.margin, units.margin);
    layout->setSpacing(units.spacing);
    layout->addLayout(top);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* row = new QHBoxLayout;
    row->setSpacing(units.buttonSpacing);
    row->addStretch(1);
    layout->addLayout(row);
    AddButtons(buttons);
    for (auto& [id, button] : buttons_) {
        button->setMinimumSize(units.buttonWidth, units.buttonHeight);
        row->addWidget(button);
    }
    row->addStretch(1);
}

void TMessageDialog::AddButtons(TMsgDlgButtons buttons)
{
    unsigned defaultButton = MessageDefaultButton(buttons);
    for (TMsgDlgBtn id : MessageDialogButtons(buttons)) {
        auto* button = new QPushButton(TranslateText(MessageButtonCaption(id)), this);
        button->setObjectName(QLatin1String(ButtonObjectName(id)));
        button->setAutoDefault(false);
        if (id == defaultButton) {
            button->setDefault(true);
            button->setFocus();
        }
        connect(button, &QPushButton::clicked, this, [this, id] { ButtonClicked(id); });
        buttons_.emplace_back(id, button);
    }
}

QPushButton* TMessageDialog::Button(TMsgDlgBtn button) const
{
    for (const auto& [id, widget] : buttons_) {
        if (id == button) return widget;
    }
    return nullptr;
}

void TMessageDialog::ButtonClicked(TMsgDlgBtn button)
{
    if (button == mbHelp) {
        if (HelpHandler()) HelpHandler()(helpContext_);
        return;
    }
    done(MessageButtonResult(button));
}

void TMessageDialog::reject()
{
    if (escapeButton_ != 0) ButtonClicked(static_cast<TMsgDlgBtn>(escapeButton_));
}

int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                      int x, int y)
{
    TMessageDialog dialog(text, type, buttons, helpContext, QApplication::activeWindow());
    return RunDialog(dialog, x, y, nullptr, nullptr);
}

int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                      int x, int y, int& whereX, int& whereY)
{
    TMessageDialog dialog(text, type, buttons, helpContext, QApplication::activeWindow());
    return RunDialog(dialog, x, y, &whereX, &whereY);
}

void InstallMessageDialog()
{
    SetMessageDialogHandler([](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext) {
        return ShowMessageDialog(text, type, buttons, helpContext, -1, -1);
    });
}

void SetMessageHelpHandler(std::function<void(int helpContext)> handler)
{
    HelpHandler() = std::move(handler);
}

}  // namespace vg
