#include <gtest/gtest.h>

#include <vector>

#include "document/apply_options.h"
#include "document/graph_model.h"

namespace vg {
namespace {

class RecordingHooks : public DocumentUndoHook, public DocumentView {
public:
    int optionEntries = 0, viewEntries = 0, withoutGraphs = 0, repaints = 0;
    std::vector<int> drawnOver;
    bool RecordDocumentOptions(const DocumentOptions&) override { return ++optionEntries > 0; }
    bool RecordViewSettings(const ViewSettings&) override { return ++viewEntries > 0; }
    void DrawWithoutGraphs() override { ++withoutGraphs; }
    void DrawGraphOver(int index) override { drawnOver.push_back(index); }
    void Repaint() override { ++repaints; }
};

class ApplyTest : public ::testing::Test {
protected:
    ApplyTest() : doc(DefaultViewSettings(), DefaultDocumentOptions())
    {
        doc.SetUndoHook(&hooks);
        doc.SetWindow(&hooks);
        for (const char* formula : {"X", "X^2"}) {
            GraphRecord r = NewGraphRecord(doc.Options);
            r.Formula.Assign(formula);
            doc.AddGraph(r);
        }
        GraphRecord polar = NewGraphRecord(doc.Options);
        ApplyKindDefaults(polar, GraphKind::Polar, doc.Options);
        polar.Formula.Assign("1");
        polar.Line.CommonBuild = 0;
        doc.AddGraph(polar);
        doc.ComputeAllGraphs();
        hooks = RecordingHooks();
    }
    RecordingHooks hooks;
    TGraphicsManager doc;
};

TEST_F(ApplyTest, changedInterval_recomputesStaleGraphsAndDrawsThemOver)
{
    DocumentOptions d = doc.Options;
    d.MinX = -2.0L;
    d.MaxX = 8.0L;
    d.Steps = 10;
    ApplyOutcome out = ApplyDocumentOptions(doc, d);
    EXPECT_TRUE(out.Changed && out.UndoRecorded && out.Redraw && out.Recomputed);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(hooks.optionEntries, 1);
    EXPECT_EQ(hooks.withoutGraphs, 1);
    EXPECT_EQ(doc.Graph(0).ValueCount(), 11u);
    EXPECT_EQ(doc.Graph(0).GetValue(1), -2.0L);
    EXPECT_EQ(doc.Graph(2).ValueCount(), 2u * 101);  // own steps: untouched
    EXPECT_EQ(hooks.drawnOver, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(hooks.repaints, 0);
    EXPECT_FALSE(doc.Calculating);
}

TEST_F(ApplyTest, gridChange_repaintsWithoutRecomputing)
{
    DocumentOptions d = doc.Options;
    d.VertLines = 1;
    ApplyOutcome out = ApplyDocumentOptions(doc, d);
    EXPECT_TRUE(out.Changed && out.Redraw);
    EXPECT_FALSE(out.Recomputed);
    EXPECT_EQ(hooks.repaints, 1);
    EXPECT_EQ(hooks.withoutGraphs, 0);
}

TEST_F(ApplyTest, defaultsOfNewGraphs_changeTheRecordOnly)
{
    DocumentOptions d = doc.Options;
    d.DefaultKind = GraphKind::Polar;
    d.VertColor = 5;  // grid off: not drawn
    ApplyOutcome out = ApplyDocumentOptions(doc, d);
    EXPECT_TRUE(out.Changed);
    EXPECT_FALSE(out.Redraw || out.Recomputed);
    EXPECT_EQ(hooks.repaints, 0);
    EXPECT_EQ(doc.Options.DefaultKind, GraphKind::Polar);
}

TEST_F(ApplyTest, sameRecord_isNoChange)
{
    ApplyOutcome out = ApplyDocumentOptions(doc, doc.Options);
    EXPECT_FALSE(out.Changed || out.Redraw || out.Recomputed);
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(hooks.optionEntries, 0);
}

TEST_F(ApplyTest, viewSettings_repaintForTitlesAndAxesFormOnly)
{
    struct Row {
        void (*edit)(ViewSettings&);
        bool repaint;
    };
    const Row rows[] = {
        {[](ViewSettings& v) { v.Boxed = 1; }, true},
        {[](ViewSettings& v) { v.TopTitleShow = 1; }, true},
        {[](ViewSettings& v) { v.TopTitle.Assign("hidden title"); }, false},
        {[](ViewSettings& v) { v.Version = 7; }, false},
    };
    for (const Row& row : rows) {
        ViewSettings v = DefaultViewSettings();
        row.edit(v);
        doc.View = DefaultViewSettings();
        ApplyOutcome out = ApplyViewSettings(doc, v);
        EXPECT_TRUE(out.Changed);
        EXPECT_EQ(out.Redraw, row.repaint);
        EXPECT_EQ(int32_t{doc.View.Version}, int32_t{v.Version});
    }
    EXPECT_EQ(hooks.viewEntries, 4);
}

TEST_F(ApplyTest, changeGraphRecord_recomputesOnlyWhenDataIsStale)
{
    GraphRecord r = doc.Graph(1).Record;
    r.Color = 12;
    EXPECT_FALSE(doc.ChangeGraphRecord(1, r));
    EXPECT_TRUE(doc.Modified);
    EXPECT_GT(doc.Graph(1).ValuesSize, 0u);
    r.Formula.Assign("1/X");
    EXPECT_TRUE(doc.ChangeGraphRecord(1, r));
    EXPECT_TRUE(std::isinf(doc.Graph(1).GetValue(101)));
}

}  // namespace
}  // namespace vg
