#pragma once

// The Find and Replace dialogs: the value (and its replacement), the
// direction and, for Replace, the prompt and Replace All options. OK checks
// the texts; the caller runs the search and stores the options.

#include <QDialog>

#include <string>

#include "tables/table_search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vg {

class TFindForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1570;

    explicit TFindForm(bool forward, QWidget* parent = nullptr);

    std::string Value() const;
    bool Forward() const;

    QLineEdit* ValueEdit;
    QRadioButton* ForwardRadioButton;
    QRadioButton* BackwardRadioButton;
    QPushButton* OKButton = nullptr;

public slots:
    void OKButtonClick();
};

class TReplaceForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1580;

    TReplaceForm(bool forward, bool prompt, bool all, QWidget* parent = nullptr);

    TableReplaceRequest Request() const;

    QLineEdit* ValueEdit;
    QLineEdit* ReplaceEdit;
    QRadioButton* ForwardRadioButton;
    QRadioButton* BackwardRadioButton;
    QCheckBox* PromptCheckBox;
    QCheckBox* AllCheckBox;
    QPushButton* OKButton = nullptr;

public slots:
    void OKButtonClick();
};

}  // namespace vg
