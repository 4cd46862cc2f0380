#pragma once

// Table Info: the statistics of the X and Y columns, read-only, OK only.

#include <QDialog>

#include "tables/table_grid.h"

class QLineEdit;

namespace vg {

class TTableInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TTableInfoForm(const TTableGrid& grid, QWidget* parent = nullptr);

    QLineEdit* MinXEdit;
    QLineEdit* MaxXEdit;
    QLineEdit* AMeanXEdit;
    QLineEdit* SqMeanXEdit;
    QLineEdit* StdDevXEdit;
    QLineEdit* MinYEdit;
    QLineEdit* MaxYEdit;
    QLineEdit* AMeanYEdit;
    QLineEdit* SqMeanYEdit;
    QLineEdit* StdDevYEdit;
};

}  // namespace vg
