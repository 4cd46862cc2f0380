// The formulas the tool dialogs offer from a document.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/graph_model.h"
#include "tools/document_formulas.h"

namespace vg {
namespace {

TEST(DocumentFormulas, offerTheFormulasOfOneVariableInGraphOrder)
{
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    const auto add = [&document](GraphKind kind, const char* formula, const char* second = "") {
        GraphRecord r = NewGraphRecord(document.Options);
        ApplyKindDefaults(r, kind, document.Options);
        if (kind != GraphKind::Table) r.Formula.Assign(formula);
        if (kind == GraphKind::Param) r.Param.Formula2.Assign(second);
        document.AddGraph(r);
    };
    add(GraphKind::YFromX, "X^2");
    add(GraphKind::Equation, "X^2+Y^2-4");
    add(GraphKind::Param, "COS(T)", "  ");
    add(GraphKind::YFromX, "   ");
    add(GraphKind::Table, "");
    add(GraphKind::Polar, "COS(3*A)");
    add(GraphKind::XFromY, "SIN(Y)");
    add(GraphKind::YFromX, "1/X");
    add(GraphKind::DifField, "X-Y");
    EXPECT_EQ(ExplicitFormulas(document), (std::vector<std::string>{"X^2", "1/X"}));
    EXPECT_EQ(OneVariableFormulas(document),
              (std::vector<std::string>{"X^2", "COS(T)", "COS(3*A)", "SIN(Y)", "1/X"}));
}

}  // namespace
}  // namespace vg
