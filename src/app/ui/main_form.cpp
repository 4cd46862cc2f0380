#include "app/ui/main_form.h"

#include <QMdiArea>

namespace vg {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this))
{
    setWindowTitle("Vantor Graphs");
    setMinimumSize(400, 300);
    setCentralWidget(mdiArea_);
}

}  // namespace vg
