#include "app/ui/style_combo_boxes.h"

#include <QImage>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <cmath>

#include "platform/qt/qt_canvas.h"

namespace vg {

namespace {

ColorValue ToColorValue(const QColor& color) { return MakeColorValue(color.red(), color.green(), color.blue()); }

// Width of an item's picture in logical pixels.
int PictureWidth(StyleList list)
{
    return list == StyleList::PointSize || list == StyleList::PointStyle ? 24 : 56;
}

// The popup's items: the same pictures as the closed box.
class TStyleItemDelegate : public QStyledItemDelegate {
public:
    explicit TStyleItemDelegate(TScaledComboBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        box_->PaintItem(*painter, option.rect, index.row(), selected);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const int height = std::max(option.fontMetrics.height() + 4, 18);
        return QSize(PictureWidth(box_->List()) + 8, height);
    }

private:
    TScaledComboBox* box_;
};

}  // namespace

TScaledComboBox::TScaledComboBox(StyleList list, QWidget* parent) : QComboBox(parent), list_(list)
{
    for (int i = 0; i < StyleListCount(list); ++i) addItem(QString(), i);
    setItemDelegate(new TStyleItemDelegate(this));
    setCurrentIndex(-1);
}

void TScaledComboBox::PaintItem(QPainter& painter, const QRect& rect, int index, bool selected) const
{
    if (rect.isEmpty()) return;
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor back = palette().color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QColor fore = palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    // Drawn at the device's own pixels, widths and sizes growing with its
    // pixel ratio as the plot's do.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels(std::max(1, int(std::lround(rect.width() * ratio))),
                       std::max(1, int(std::lround(rect.height() * ratio))));
    QImage image(pixels, QImage::Format_RGB32);
    {
        QtCanvas canvas(image);
        DrawStyleItem(canvas, list_, index, CanvasRect{0, 0, pixels.width(), pixels.height()}, ToColorValue(fore),
                      ToColorValue(back), ratio);
        canvas.End();
    }
    image.setDevicePixelRatio(ratio);
    painter.drawImage(rect.topLeft(), image);
}

void TScaledComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    PaintItem(painter, field.adjusted(1, 1, -1, -1), currentIndex(), false);
}

QSize TScaledComboBox::sizeHint() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize content(PictureWidth(list_), std::max(fontMetrics().height(), 16));
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, this);
}

QSize TScaledComboBox::minimumSizeHint() const { return sizeHint(); }

}  // namespace vg
