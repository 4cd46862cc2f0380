#pragma once

// What the windows that add a graph share (derivative, tangent, integral,
// regression): ending with AddGraphResult, or handing the graph over while
// the document is full, and their Add Graph, Cancel and Help buttons.

#include <QDialog>

#include <functional>

#include "document/graph_record.h"

class QHBoxLayout;
class QPushButton;

namespace vg {

class TAddGraphDialog : public QDialog {
    Q_OBJECT
public:
    // exec() ends with this when the graph is to be added.
    static constexpr int AddGraphResult = 2;

    // Called instead of closing when the document is already full, so that the
    // add-graph operation reports it while the window stays.
    void SetFullDocumentHandler(std::function<void(const GraphRecord&)> handler);

    virtual GraphRecord GraphToAdd() const = 0;

protected:
    using QDialog::QDialog;

    // Ends the window with AddGraphResult; with graphCount already the most a
    // document holds, hands GraphToAdd() over instead.
    void FinishAdding(int graphCount);

    struct AddGraphButtons {
        QPushButton* Add;
        QPushButton* Cancel;
        QPushButton* Help;
        QHBoxLayout* Row;  // the three, right-aligned
    };
    // Cancel rejects and Help opens the help context; neither takes Enter.
    AddGraphButtons NewAddGraphButtons(const char* addCaption, int helpContext);

private:
    std::function<void(const GraphRecord&)> fullDocumentHandler_;
};

}  // namespace vg
