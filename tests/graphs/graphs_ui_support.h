#pragma once

#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <utility>

#include "app/ui/graph_props_form.h"
#include "support/modal_script.h"

namespace vg {

class TMainForm;
class TMDIChild;

namespace graphs_ui_test {

// The modal script of the graph suites, with steps for the graph properties
// dialog.
class ModalScript : public test::ModalScript {
public:
    void Dialog(std::function<void(TGraphPropsForm&)> step) { On<TGraphPropsForm>(std::move(step)); }
};

// The main window with the graph commands installed and its first
// document, on a settings folder of its own.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    TMainForm& Form() { return *form_; }
    TMDIChild& Child();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

// Sets a line edit of the dialog by name.
void SetText(TGraphPropsForm& dialog, const char* name, const QString& text);
// Clicks OK of the dialog.
void PressOK(TGraphPropsForm& dialog);

}  // namespace graphs_ui_test
}  // namespace vg
