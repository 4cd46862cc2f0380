#pragma once

#include <QDialog>

namespace vg {

// The About window: product name, version and an OK button.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

}  // namespace vg
