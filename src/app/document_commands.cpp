#include "app/document_commands.h"

#include "app/app_globals.h"
#include "app/translator.h"
#include "document/apply_options.h"
#include "document/compute_pass.h"
#include "document/document_file.h"

namespace vg {

std::unique_ptr<TGraphicsManager> NewDocumentFromGlobal()
{
    return std::make_unique<TGraphicsManager>(GlobalViewSettings(), GlobalDocumentOptions());
}

std::unique_ptr<TGraphicsManager> LoadDocumentFile(const std::string& path, std::string& englishError)
{
    const DocumentFileCheck check = ValidateDocumentFile(path);
    if (!check.Valid) {
        englishError = DocumentFileMessage(check);
        return nullptr;
    }
    // Loaded into a document of its own first: the window comes only after
    // the file has been read.
    auto document = NewDocumentFromGlobal();
    if (!LoadDocument(*document, path)) {
        englishError = kIoErrorText;
        return nullptr;
    }
    document->FileName = path;
    document->Named = true;
    document->Modified = false;
    return document;
}

bool SaveDocumentFile(const TGraphicsManager& document, const std::string& path)
{
    return WriteDocument(document, path);
}

void CopyDocumentRecordsToGlobal(const TGraphicsManager& document)
{
    GlobalDocumentOptions() = document.Options;
    GlobalViewSettings() = document.View;
}

std::vector<std::string> GraphDescriptions(const TGraphicsManager& document)
{
    std::vector<std::string> lines;
    const TextTranslation translate = [](const std::string& text) { return Translate(text); };
    for (const auto& graph : document.Graphs) lines.push_back(GraphDescription(graph->Record, translate));
    return lines;
}

int GraphCount(const TGraphicsManager& document) { return document.GraphCount(); }

bool GlobalGridLines(bool horizontal)
{
    const DocumentOptions& options = GlobalDocumentOptions();
    return (horizontal ? options.HorLines : options.VertLines) != 0;
}

void ToggleGlobalGridLines(bool horizontal)
{
    DocumentOptions& options = GlobalDocumentOptions();
    auto& flag = horizontal ? options.HorLines : options.VertLines;
    flag = flag ? 0 : 1;
}

void ApplyGlobalOptionsTo(TGraphicsManager& document)
{
    ApplyDocumentOptions(document, GlobalDocumentOptions());
}

void ComputeDocumentGraphs(TGraphicsManager& document, bool onlyIncomplete)
{
    if (!onlyIncomplete) {
        document.ComputeAllGraphs();
        return;
    }
    document.Calculating = true;
    document.ContinueCalculation = true;
    // After an interruption the remaining incomplete graphs stay without
    // points either way, so computing them as one pass changes nothing.
    std::vector<PassStep> steps;
    for (int i = 0; i < document.GraphCount(); ++i) {
        const TFunction& graph = document.Graph(i);
        steps.push_back(graph.ValuesSize > 0 || graph.IsEmpty() ? PassStep::Skip : PassStep::Compute);
    }
    ComputeGraphPass(document, document.Options, steps);
    document.Calculating = false;
}

}  // namespace vg
