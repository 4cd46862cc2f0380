#include "setup/ui/install_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "setup/setup_texts.h"

namespace vg::installer {

TInstallForm::TInstallForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("InstallForm");
    setWindowTitle(setup_text::kInstallCaption);
    setFixedWidth(420);
    auto* layout = new QVBoxLayout(this);
    InfoLabel = new QLabel(this);
    InfoLabel->setObjectName("InfoLabel");
    InfoLabel->setMinimumWidth(380);
    layout->addWidget(InfoLabel);
    ProgressGauge = new QProgressBar(this);
    ProgressGauge->setObjectName("ProgressGauge");
    ProgressGauge->setRange(0, 100);
    ProgressGauge->setValue(0);
    ProgressGauge->setStyleSheet("QProgressBar { border: 1px solid gray; background: white; text-align: center; }"
                                 "QProgressBar::chunk { background: navy; }");
    layout->addWidget(ProgressGauge);
    FailureLabel = new QLabel(this);
    FailureLabel->setObjectName("FailureLabel");
    FailureLabel->setStyleSheet("color: #b00000;");
    FailureLabel->hide();
    layout->addWidget(FailureLabel);
}

void TInstallForm::SetInfo(const QString& text)
{
    InfoLabel->setText(InfoLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, InfoLabel->width()));
    InfoLabel->setToolTip(text);
}

QString TInstallForm::Info() const
{
    return InfoLabel->toolTip();
}

void TInstallForm::SetPosition(int percent)
{
    ProgressGauge->setValue(percent);
}

int TInstallForm::Position() const
{
    return ProgressGauge->value();
}

void TInstallForm::SetFailedCount(std::size_t count)
{
    FailureLabel->setText(QString::fromStdString(FailedCountText(count)));
    FailureLabel->setVisible(count > 0);
}

QPoint TInstallForm::PlacementFor(const QSize& screen, const QSize& window)
{
    return {screen.width() - window.width() * 20 / 19, screen.height() - window.height() * 4 / 3};
}

void TInstallForm::PlaceOnScreen()
{
    adjustSize();
    const QScreen* screen = this->screen();
    if (screen != nullptr)
        move(PlacementFor(screen->size(), frameGeometry().size()));
}

void TInstallForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void TInstallForm::reject()
{
}

}  // namespace vg::installer
