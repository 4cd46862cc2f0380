#include "setup/ui/backdrop_form.h"

#include <QLabel>
#include <QPainter>

#include "setup/setup_texts.h"

namespace vg::installer {
namespace {

constexpr int kBands = 128;
constexpr int kTopBlue = 210;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int pointSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent)
{
    setObjectName("MainForm");
    setWindowTitle(setup_text::kApplicationTitle);
    setAttribute(Qt::WA_OpaquePaintEvent);
    GraphImage = new QLabel(this);
    GraphImage->setObjectName("GraphImage");
    GraphImage->setPixmap(QPixmap(":/setup/vgraph-128.png"));
    GraphImage->adjustSize();
    TitleLabel = MakeLabel(this, "TitleLabel", setup_text::kProductName, 36, true);
    VersionLabel = MakeLabel(this, "VersionLabel", setup_text::kVersion, 16, false);
    InfoLabel = MakeLabel(this, "InfoLabel", setup_text::kInformationLine, 11, false);
}

QColor TMainForm::BandColor(int band)
{
    return QColor(0, 0, kTopBlue - band * kTopBlue / kBands);
}

int TMainForm::BandTop(int band, int height)
{
    return static_cast<int>(static_cast<long long>(height) * band / kBands);
}

void TMainForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int h = height();
    for (int i = 0; i < kBands; ++i) {
        const int top = BandTop(i, h);
        const int bottom = BandTop(i + 1, h);
        if (bottom > top)
            painter.fillRect(0, top, width(), bottom - top, BandColor(i));
    }
}

void TMainForm::resizeEvent(QResizeEvent*)
{
    PlaceLabels();
    update();
}

void TMainForm::PlaceLabels()
{
    constexpr int kMargin = 20;
    GraphImage->move(width() - GraphImage->width() - kMargin, kMargin);
    TitleLabel->move(2 * kMargin, 2 * kMargin);
    VersionLabel->move(2 * kMargin + 4, TitleLabel->y() + TitleLabel->height() + 4);
    InfoLabel->move(2 * kMargin, height() - InfoLabel->height() * 3 / 2);
}

}  // namespace vg::installer
