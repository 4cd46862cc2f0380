#include "tools/ui/scan_tool_commands.h"

#include "app/app_globals.h"
#include "app/ui/main_form.h"
#include "tools/document_formulas.h"
#include "tools/ui/intersection_forms.h"
#include "tools/ui/research_forms.h"
#include "tools/ui/tool_window_support.h"
#include "tools/ui/val_table_form.h"

namespace vg {

namespace {

// The formulas typed last, offered again while the program runs.
struct LastFormulas {
    std::string analysis;
    std::string intersection1;
    std::string intersection2;
};

LastFormulas& Last()
{
    static LastFormulas last;
    return last;
}

std::vector<std::string> Explicit(const TMainForm& form)
{
    const TGraphicsManager* document = ActiveDocument(form);
    return document ? ExplicitFormulas(*document) : std::vector<std::string>{};
}

}  // namespace

TResearchForm& ResearchForm(TMainForm& form)
{
    auto* window = form.findChild<TResearchForm*>("ResearchForm", Qt::FindDirectChildrenOnly);
    return window ? *window : *new TResearchForm(&form);
}

void ResearchItemClick(TMainForm& form)
{
    TResearchOptionsForm options(&form);
    for (;;) {
        const AnalysisSettings settings = AnalysisSettingsFromOptions(ProgramOptions());
        options.SetInput(AnalysisInputFrom(settings, Last().analysis), Explicit(form));
        if (options.exec() != QDialog::Accepted) break;
        StoreAnalysisSettings(options.Accepted(), ProgramOptions());
        Last().analysis = options.Input().Formula;
        ResearchForm(form).Execute(Last().analysis, options.Accepted());
    }
}

void IntersectionItemClick(TMainForm& form)
{
    TIntersectionOptionsForm options(&form);
    for (;;) {
        const ScanInterval interval = ResearchIntervalFromOptions(ProgramOptions());
        options.SetInput(IntersectionInputFrom(interval, Last().intersection1, Last().intersection2),
                         Explicit(form));
        if (options.exec() != QDialog::Accepted) break;
        StoreResearchInterval(options.Accepted(), ProgramOptions());
        const IntersectionInput accepted = options.Input();
        Last().intersection1 = accepted.Formula1;
        Last().intersection2 = accepted.Formula2;
        form.update();
        TIntersectionForm results(accepted.Formula1, accepted.Formula2, options.Accepted(), &form);
        results.exec();
    }
}

void ValueTableItemClick(TMainForm& form)
{
    const TGraphicsManager* document = ActiveDocument(form);
    TValTableForm window(document ? OneVariableFormulas(*document) : std::vector<std::string>{}, &form);
    window.exec();
}

void InstallScanToolCommands(TMainForm& form)
{
    form.SetCommandHandler(CommandId::ValueTable, [&form] { ValueTableItemClick(form); });
    form.SetCommandHandler(CommandId::Research, [&form] { ResearchItemClick(form); });
    form.SetCommandHandler(CommandId::Intersection, [&form] { IntersectionItemClick(form); });
}

}  // namespace vg
