// A pass on several threads against the serial pass: the same bits in every
// graph, the same graphs left without points after an Esc, progress and
// messages only on the calling thread.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "document/compute_frame.h"
#include "document/compute_pass.h"
#include "document/graph_computation.h"
#include "document/graph_model.h"

namespace vg {
namespace {

// Records what is shown and on which thread; answers Esc at the first
// progress text of a given graph at or past a given percentage.
class RecordingProgress : public ComputeProgress {
public:
    int escGraph = 0;
    int escPercent = 50;
    std::vector<std::string> status, errors;
    bool offThread = false;

    void ShowStatus(int panel, const std::string& text) override
    {
        Check();
        if (panel == 0) status.push_back(text);
    }
    void ShowGraphPercent(int graphNumber, int percent) override
    {
        Check();
        lastGraph_ = graphNumber;
        lastPercent_ = percent;
        ComputeProgress::ShowGraphPercent(graphNumber, percent);
    }
    void ProcessMessages() override { Check(); }
    bool EscapePressed() override
    {
        Check();
        if (escGraph == 0 || lastGraph_ != escGraph || lastPercent_ < escPercent) return false;
        escGraph = 0;  // one key press
        return true;
    }
    void ShowError(const std::string& message) override
    {
        Check();
        errors.push_back(message);
    }

private:
    void Check()
    {
        if (std::this_thread::get_id() != owner_) offThread = true;
    }
    std::thread::id owner_ = std::this_thread::get_id();
    int lastGraph_ = 0, lastPercent_ = 0;
};

struct Document {
    RecordingProgress progress;
    TGraphicsManager doc{DefaultViewSettings(), DefaultDocumentOptions()};
    Document() { doc.SetProgress(&progress); }

    void Add(GraphKind kind, const std::string& formula, const std::string& formula2 = "")
    {
        GraphRecord r = NewGraphRecord(doc.Options);
        ApplyKindDefaults(r, kind, doc.Options);
        r.Formula.Assign(formula);
        if (kind == GraphKind::Param) r.Param.Formula2.Assign(formula2);
        if (kind == GraphKind::Equation && formula.find('<') != std::string::npos) {
            r.Formula.Assign(formula.substr(0, formula.find('<')));
            r.Equation.Relation = EquationRelation::Less;
        }
        doc.AddGraph(r);
    }
};

// Graphs of every computed kind, some with undefined stretches.
void AddMixedGraphs(Document& d, int copies)
{
    for (int c = 0; c < copies; ++c) {
        d.Add(GraphKind::YFromX, "SIN(X)*X^2+EXP(-X/5)+" + std::to_string(c));
        d.Add(GraphKind::YFromX, "LN(X)/(X-" + std::to_string(c) + ")");
        d.Add(GraphKind::XFromY, "TAN(Y/" + std::to_string(c + 2) + ")");
        d.Add(GraphKind::Polar, "1+COS(3A)/" + std::to_string(c + 1));
        d.Add(GraphKind::Param, "COS(T)^3", "SIN(T)*" + std::to_string(c + 1));
        d.Add(GraphKind::DifField, "X*Y-SIN(Y)+" + std::to_string(c));
        d.Add(GraphKind::Equation, "X^2+Y^2-SIN(X*Y)*20-" + std::to_string(30 + c));
        d.Add(GraphKind::Equation, "X^2-Y^3+ATAN(X*Y)-" + std::to_string(c) + "<");
    }
}

bool SameValues(const TFunction& a, const TFunction& b)
{
    return a.ValuesSize == b.ValuesSize &&
           (a.ValuesSize == 0 || std::memcmp(a.ValuesData(), b.ValuesData(), a.ValuesSize) == 0);
}

class ComputePassTest : public ::testing::Test {
protected:
    ~ComputePassTest() override { SetComputeThreads(0); }
};

TEST_F(ComputePassTest, parallelPass_storesTheSerialBitsInEveryGraph)
{
    Document serial, parallel;
    AddMixedGraphs(serial, 3);
    AddMixedGraphs(parallel, 3);
    SetComputeThreads(1);
    serial.doc.ComputeAllGraphs();
    SetComputeThreads(4);
    parallel.doc.ComputeAllGraphs();
    ASSERT_EQ(serial.doc.GraphCount(), parallel.doc.GraphCount());
    for (int i = 0; i < serial.doc.GraphCount(); ++i) {
        EXPECT_GT(serial.doc.Graph(i).ValuesSize, 0u) << i;
        EXPECT_TRUE(SameValues(serial.doc.Graph(i), parallel.doc.Graph(i))) << "graph " << i + 1;
    }
    EXPECT_TRUE(parallel.doc.ContinueCalculation);
    EXPECT_FALSE(parallel.progress.offThread);
    EXPECT_EQ(parallel.progress.status.back(), "Ready");
    // Every graph's progress is shown, in list order.
    int next = 1;
    for (const std::string& text : parallel.progress.status)
        if (text == "Graph N " + std::to_string(next) + ": 0%") ++next;
    EXPECT_EQ(next, parallel.doc.GraphCount() + 1);
}

// Esc at a graph of the serial order: that graph and the ones after it lose
// their points until a graph that needs no computation resumes the pass.
TEST_F(ComputePassTest, escape_interruptsTheGraphOfTheSerialOrder)
{
    for (int threads : {1, 2, 4}) {
        SetComputeThreads(threads);
        Document d;
        for (int i = 0; i < 8; ++i) d.Add(GraphKind::Equation, "X^2+Y^2-SIN(X*Y)*20-" + std::to_string(30 + i));
        const std::vector<PassStep> steps = {PassStep::Compute, PassStep::Compute, PassStep::Compute, PassStep::Skip,
                                             PassStep::Compute, PassStep::Resume,  PassStep::Compute, PassStep::Compute};
        d.progress.escGraph = 2;
        d.doc.ContinueCalculation = true;
        ComputeGraphPass(d.doc, d.doc.Options, steps);
        const bool expectPoints[] = {true, false, false, false, false, false, true, true};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(d.doc.Graph(i).ValuesSize > 0, expectPoints[i]) << "graph " << i + 1 << ", " << threads << " threads";
        EXPECT_TRUE(d.doc.ContinueCalculation);
        EXPECT_FALSE(d.progress.offThread);
        EXPECT_EQ(d.progress.status.back(), "Ready");
    }
}

TEST_F(ComputePassTest, escapeInTheLastGraph_leavesTheContinueFlagOff)
{
    SetComputeThreads(2);
    Document d;
    for (int i = 0; i < 3; ++i) d.Add(GraphKind::DifField, "X*Y-" + std::to_string(i));
    d.progress.escGraph = 3;
    d.progress.escPercent = 100;
    d.doc.ComputeAllGraphs();
    EXPECT_GT(d.doc.Graph(0).ValuesSize, 0u);
    EXPECT_GT(d.doc.Graph(1).ValuesSize, 0u);
    EXPECT_EQ(d.doc.Graph(2).ValuesSize, 0u);
    EXPECT_FALSE(d.doc.ContinueCalculation);
}

TEST_F(ComputePassTest, memoryFailures_areReportedInOrderOnTheCallingThread)
{
    SetComputeThreads(3);
    Document d;
    for (int i = 0; i < 4; ++i) d.Add(GraphKind::YFromX, "X+" + std::to_string(i));
    d.doc.Graph(1).Record.Line.Steps = 5000;
    d.doc.Graph(1).Record.Line.CommonBuild = 0;
    SetValuesAllocationLimit(20000);
    d.doc.ComputeAllGraphs();
    SetValuesAllocationLimit(std::size_t(1) << 31);
    EXPECT_EQ(d.progress.errors, std::vector<std::string>{"Not enough memory"});
    EXPECT_EQ(d.doc.Graph(1).ValuesSize, 0u);
    EXPECT_GT(d.doc.Graph(3).ValuesSize, 0u);
    EXPECT_TRUE(d.doc.ContinueCalculation);
    EXPECT_FALSE(d.progress.offThread);
}

}  // namespace
}  // namespace vg
