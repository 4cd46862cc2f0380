#pragma once

// The owner-drawn style lists of the dialogs and the Graph toolbar: drop-down
// lists whose items are pictures drawn through the Canvas with the plot's own
// primitives (line styles, widths, point sizes and styles, the 16 colours,
// axis pointers, shading styles). Item i stands for index i of its table; an
// index of -1 shows nothing and means "no choice".
//
// Use: create the list for its table, set the index from a record and read
// it back; `activated` tells a choice made by the user.

#include <QComboBox>

#include "app/style_pictures.h"

namespace vg {

class TScaledComboBox : public QComboBox {
    Q_OBJECT
public:
    TScaledComboBox(StyleList list, QWidget* parent = nullptr);

    StyleList List() const { return list_; }
    // Draws item index (-1: nothing) into rect of painter's device, in the
    // colours of a selected or a plain item.
    void PaintItem(QPainter& painter, const QRect& rect, int index, bool selected) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StyleList list_;
};

// Line styles (4).
class TLineComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TLineComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::LineStyle, parent) {}
};

// Line widths (5): width w at index w - 1.
class TLineWidthComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TLineWidthComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::LineWidth, parent) {}
};

// Point sizes (6): size 2i + 1 at index i.
class TPointWidthComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TPointWidthComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::PointSize, parent) {}
};

// Point styles (8).
class TPointStyleComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TPointStyleComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::PointStyle, parent) {}
};

// The 16 colours of the colour table.
class TColorComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TColorComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::Color, parent) {}
};

// Axis pointers (2): the arrow head and none.
class TPointersComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TPointersComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::Pointer, parent) {}
};

// Shading styles (7).
class TBrushComboBox : public TScaledComboBox {
    Q_OBJECT
public:
    explicit TBrushComboBox(QWidget* parent = nullptr) : TScaledComboBox(StyleList::Brush, parent) {}
};

}  // namespace vg
