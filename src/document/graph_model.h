#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/compute_progress.h"
#include "document/document_hooks.h"
#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {

class TGraphicsManager;

// One graph: its record and its computed Values, a contiguous block of bytes
// seen as 10-byte values, as a matrix of them, or as 16-bit words.
class TFunction {
public:
    explicit TFunction(TGraphicsManager* owner);
    TFunction(const TFunction&) = delete;
    TFunction& operator=(const TFunction&) = delete;

    TGraphicsManager* Owner;
    GraphRecord Record;
    std::size_t ValuesSize = 0;  // bytes; 0: the graph has no points
    bool LastBeyond = false;

    // Releases Values (ValuesSize is reset by the caller).
    void FreeValues();
    // A zeroed block of the given size; false when memory is exhausted.
    bool AllocateValues(std::size_t bytes);
    bool HasValues() const { return Values_ != nullptr; }
    const uint8_t* ValuesData() const { return Values_.get(); }
    uint8_t* ValuesData() { return Values_.get(); }

    // 1-based views of Values.
    long double GetValue(std::size_t i) const;
    void SetValue(std::size_t i, long double v);
    long double GetCell(std::size_t row, std::size_t column) const;
    void SetCell(std::size_t row, std::size_t column, long double v);
    uint16_t GetWord(std::size_t i) const;
    void SetWord(std::size_t i, uint16_t w);
    // Row length of the matrix view for this graph's kind.
    std::size_t RowLength() const;
    std::size_t ValueCount() const { return ValuesSize / 10; }

    // Nothing to compute: the formula (either formula of Param) is blank.
    bool IsEmpty() const;

    long double EffectiveMinX(const DocumentOptions& d) const;
    long double EffectiveMaxX(const DocumentOptions& d) const;
    long double EffectiveMinY(const DocumentOptions& d) const;
    long double EffectiveMaxY(const DocumentOptions& d) const;
    int32_t EffectiveSteps(const DocumentOptions& d) const;
    int32_t EffectiveMaxGap(const DocumentOptions& d) const;

private:
    std::unique_ptr<uint8_t[]> Values_;
};

using TextTranslation = std::function<std::string(const std::string&)>;

// The one-line description every list of graphs shows. "Table:", "item" and
// "items" pass through translate when given.
std::string GraphDescription(const GraphRecord& record, const TextTranslation& translate = {});
// Number of table slots whose X and Y are both defined (after rounding to
// the display precision).
int CountTablePoints(const GraphRecord& record);

// Whether computed data can stay after the record changed from old to new:
// same kind, same formulas (ignoring blanks and case) and the same
// parameters that enter the computation.
bool ComputedDataCanStay(const GraphRecord& oldRecord, const GraphRecord& newRecord,
                         const DocumentOptions& d);

// The colour of a graph added to document: among the colour indices 1..15
// and then 0, skipping the background colour of options, the one that the
// fewest graphs use; on a tie the first found, unless the default graph
// colour of options is part of the tie.
uint8_t ChooseNewGraphColor(const TGraphicsManager& document, const DocumentOptions& options);

// One document: its option records and its graphs in drawing order.
class TGraphicsManager {
public:
    TGraphicsManager(const ViewSettings& view, const DocumentOptions& options);
    ~TGraphicsManager();
    TGraphicsManager(const TGraphicsManager&) = delete;
    TGraphicsManager& operator=(const TGraphicsManager&) = delete;

    std::string FileName;
    bool Calculating = false;
    bool Named = false;
    bool Modified = false;
    bool ContinueCalculation = true;
    bool ToWindow = true;
    DocumentOptions Options;
    ViewSettings View;
    std::vector<std::unique_ptr<TFunction>> Graphs;

    int GraphCount() const { return static_cast<int>(Graphs.size()); }
    TFunction& Graph(int index) { return *Graphs.at(static_cast<std::size_t>(index)); }
    const TFunction& Graph(int index) const { return *Graphs.at(static_cast<std::size_t>(index)); }

    TFunction& AddGraph(const GraphRecord& record);
    TFunction& InsertGraph(const GraphRecord& record, int index);
    GraphRecord GetGraphRecord(const TFunction& graph) const { return graph.Record; }
    void SetGraphRecord(TFunction& graph, const GraphRecord& record) { graph.Record = record; }
    void ClearGraphs();
    int IndexOf(const TFunction& graph) const;

    // Computes one graph with options d (index shown as index + 1); false
    // when interrupted by Esc or when ContinueCalculation was already off.
    bool ComputeGraph(TFunction& graph, const DocumentOptions& d, int index);
    // Computes every graph in list order with the document's options, as after
    // opening a file or the Plot command.
    void ComputeAllGraphs();
    // Installs a changed record of graph index: marks the document modified,
    // records the undo step and recomputes the graph unless its data can
    // stay. Returns true when it recomputed.
    bool ChangeGraphRecord(int index, const GraphRecord& record);

    // The desktop side; each falls back to a do-nothing default when unset.
    void SetProgress(ComputeProgress* progress) { Progress_ = progress; }
    void SetUndoHook(DocumentUndoHook* hook) { UndoHook_ = hook; }
    void SetWindow(DocumentView* window) { Window_ = window; }
    ComputeProgress& Progress() const { return Progress_ ? *Progress_ : NoComputeProgress(); }
    DocumentUndoHook& UndoHook() const { return UndoHook_ ? *UndoHook_ : NoUndoHook(); }
    DocumentView& Window() const { return Window_ ? *Window_ : NoDocumentView(); }

private:
    ComputeProgress* Progress_ = nullptr;
    DocumentUndoHook* UndoHook_ = nullptr;
    DocumentView* Window_ = nullptr;
};

}  // namespace vg
