#include "tables/ui/table_info_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tables/table_info.h"

namespace vg {

namespace {

constexpr const char* kFigureNames[5] = {"Minimum", "Maximum", "Arithmetic mean", "Mean square", "Std. deviation"};
constexpr const char* kEditNames[2][5] = {
    {"MinXEdit", "MaxXEdit", "AMeanXEdit", "SqMeanXEdit", "StdDevXEdit"},
    {"MinYEdit", "MaxYEdit", "AMeanYEdit", "SqMeanYEdit", "StdDevYEdit"},
};

}  // namespace

TTableInfoForm::TTableInfoForm(const TTableGrid& grid, QWidget* parent) : QDialog(parent)
{
    setObjectName("TableInfoForm");
    setWindowTitle("Table Info");
    auto* figures = new QGridLayout;
    figures->addWidget(new QLabel("X", this), 0, 1, Qt::AlignCenter);
    figures->addWidget(new QLabel("Y", this), 0, 2, Qt::AlignCenter);
    QLineEdit* edits[2][5];
    for (int column = 0; column < kGridColumns; ++column) {
        const auto texts = ColumnStatisticsTexts(ComputeColumnStatistics(grid, column));
        for (int k = 0; k < 5; ++k) {
            auto* edit = new QLineEdit(QString::fromStdString(texts[static_cast<std::size_t>(k)]), this);
            edit->setObjectName(kEditNames[column][k]);
            edit->setReadOnly(true);
            edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 18);
            edit->setCursorPosition(0);
            figures->addWidget(edit, k + 1, column + 1);
            edits[column][k] = edit;
        }
    }
    for (int k = 0; k < 5; ++k) figures->addWidget(new QLabel(kFigureNames[k], this), k + 1, 0);
    MinXEdit = edits[0][0], MaxXEdit = edits[0][1], AMeanXEdit = edits[0][2], SqMeanXEdit = edits[0][3],
    StdDevXEdit = edits[0][4];
    MinYEdit = edits[1][0], MaxYEdit = edits[1][1], AMeanYEdit = edits[1][2], SqMeanYEdit = edits[1][3],
    StdDevYEdit = edits[1][4];

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(figures);
    layout->addLayout(buttons);
    TranslateComponent(this);
}

}  // namespace vg
