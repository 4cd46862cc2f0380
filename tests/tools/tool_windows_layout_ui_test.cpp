// The calculus windows in every shipped language, as VGraph shows them (the
// dialogs widened for their captions): no button, label or check box is
// narrower than its translated text needs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/translator.h"
#include "app/graph_operations.h"
#include "app/ui/caption_fit.h"
#include "document/document_options.h"
#include "document/graph_model.h"
#include "tools/ui/calc_form.h"
#include "tools/ui/derivative_form.h"
#include "tools/ui/integral_form.h"
#include "tools/ui/intersection_forms.h"
#include "tools/ui/regression_form.h"
#include "tools/ui/research_forms.h"
#include "tools/ui/tangent_form.h"
#include "tools/ui/val_table_form.h"

namespace vg {
namespace {

std::vector<std::filesystem::path> ShippedLanguageFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VG_SOURCE_DIR) + "/data/lang"))
        if (entry.path().extension() == ".vgl") files.push_back(entry.path());
    return files;
}

// "Caption" of every widget whose text does not fit its width.
std::vector<std::string> ClippedTexts(QWidget* window)
{
    std::vector<std::string> clipped;
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width())
            clipped.push_back(button->text().toStdString());
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap() && label->width() < label->sizeHint().width())
            clipped.push_back(label->text().toStdString());
    }
    return clipped;
}

GraphRecord TableGraph(const DocumentOptions& options)
{
    GraphRecord record = NewGraphRecord(options);
    ApplyKindDefaults(record, GraphKind::Table, options);
    return record;
}

TEST(ToolWindowsLayout, everyTextFitsInEveryLanguage)
{
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    GraphRecord graph = NewGraphRecord(document.Options);
    ApplyKindDefaults(graph, GraphKind::YFromX, document.Options);
    graph.Formula.Assign("X^2");
    AddGraphToDocument(document, graph);
    AddGraphToDocument(document, TableGraph(document.Options));

    InstallCaptionFitting(*qApp);  // as the main window does
    QWidget mainWindow;              // the windows' owner, as in VGraph
    QWidget* owner = &mainWindow;
    const std::vector<std::pair<const char*, std::function<QWidget*()>>> windows = {
        {"value table", [&] { return new TValTableForm({}, owner); }},
        {"analysis options", [&] { return new TResearchOptionsForm(owner); }},
        {"intersection options", [&] { return new TIntersectionOptionsForm(owner); }},
        {"intersections", [&] { return new TIntersectionForm("X", "1", ScanInterval{}, owner); }},
        {"integral", [&] { return new TIntegralForm(&document, owner); }},
        {"derivative", [&] { return new TDerivativeForm(&document, 0, owner); }},
        {"tangent", [&] { return new TTangentForm(&document, 0, owner); }},
        {"regression", [&] { return new TRegressForm(document, 1, owner); }},
        {"calculator", [&] { return new TCalcForm(owner); }},
    };
    for (const auto& file : ShippedLanguageFiles()) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        TTranslator translator;
        translator.LoadFromBytes(bytes.str());
        SetTranslator(&translator);
        for (const auto& [name, make] : windows) {
            std::unique_ptr<QWidget> window(make());
            window->show();
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
            for (const std::string& text : ClippedTexts(window.get()))
                ADD_FAILURE() << file.filename() << ", " << name << ": \"" << text << "\" is cut off";
            window->hide();
        }
        SetTranslator(nullptr);
    }
}

}  // namespace
}  // namespace vg
