// The Derivative, Tangent or Normal, Calculator and Definite Integral windows
// on the offscreen platform: what they show, their refusals with the focus,
// and the commands from the main window through the graph properties dialog
// and Undo.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "document/document_file.h"
#include "document/graph_model.h"
#include "support/graph_records.h"
#include "tools/ui/calc_form.h"
#include "tools/ui/calculus_commands.h"
#include "tools/ui/derivative_form.h"
#include "tools/ui/integral_form.h"
#include "support/ui_robots.h"
#include "tools/ui/tangent_form.h"

namespace vg {
namespace {

using test::Find;
using test::Messages;
using test::OnModalOf;
using test::Settle;
using test::Text;

using test::Graph;

// Y(x)=X^2, X(y)=Y^2, R(a)=A, X(t)=COS(T); Y(t)=SIN(T), X^2+Y^2-1<0, Y(x)=SQRT(X),
// Y(x)=ABS(X), Y(x)= (blank).
std::unique_ptr<TGraphicsManager> SampleDocument()
{
    auto document = std::make_unique<TGraphicsManager>(DefaultViewSettings(), DefaultDocumentOptions());
    document->AddGraph(Graph(GraphKind::YFromX, "X^2"));
    document->AddGraph(Graph(GraphKind::XFromY, "Y^2"));
    document->AddGraph(Graph(GraphKind::Polar, "A"));
    document->AddGraph(Graph(GraphKind::Param, "COS(T)", "SIN(T)"));
    GraphRecord disc = Graph(GraphKind::Equation, "X^2+Y^2-1");
    disc.Equation.Relation = EquationRelation::Less;
    document->AddGraph(disc);
    document->AddGraph(Graph(GraphKind::YFromX, "SQRT(X)"));
    document->AddGraph(Graph(GraphKind::YFromX, "ABS(X)"));
    document->AddGraph(Graph(GraphKind::YFromX, " "));
    return document;
}

bool Shown(const QWidget& form, const char* name) { return Find<QWidget>(form, name)->isVisibleTo(&form); }

bool AddEnabled(const QWidget& form) { return Find<QPushButton>(form, "AddFunctionButton")->isEnabled(); }

// ---------------------------------------------------------------- derivative

TEST(DerivativeFormTest, showsTheEditsOfTheChosenGraphsKindOrOneMessage)
{
    const auto document = SampleDocument();
    TDerivativeForm form(document.get(), 0);
    auto* graphs = Find<QComboBox>(form, "FuncComboBox");
    ASSERT_EQ(graphs->count(), 8);
    EXPECT_EQ(graphs->itemText(3), "X(t)=COS(T); Y(t)=SIN(T)");
    EXPECT_EQ(Text(form, "FormulaYFromXEdit"), "2*x");
    EXPECT_TRUE(Shown(form, "FormulaYFromXEdit"));
    EXPECT_FALSE(Shown(form, "FormulaXFromYEdit"));
    EXPECT_FALSE(Shown(form, "ErrorEdit"));
    EXPECT_TRUE(AddEnabled(form));
    EXPECT_EQ(form.GraphToAdd().Formula.Str(), "2*x");

    graphs->setCurrentIndex(3);
    EXPECT_EQ(Text(form, "FormulaParamXEdit"), "-sin(t)");
    EXPECT_EQ(Text(form, "FormulaParamYEdit"), "cos(t)");
    EXPECT_TRUE(Shown(form, "FormulaParamYEdit"));
    EXPECT_FALSE(Shown(form, "FormulaYFromXEdit"));

    const struct {
        int graph;
        std::string message;
    } refused[] = {
        {4, "Cannot calculate derivative for this graph type"},
        {6, "The expression contains nondifferentiable function or operation"},
        {7, "Empty formula"},
    };
    for (const auto& r : refused) {
        graphs->setCurrentIndex(r.graph);
        EXPECT_EQ(Text(form, "ErrorEdit"), r.message);
        EXPECT_TRUE(Shown(form, "ErrorEdit"));
        EXPECT_FALSE(Shown(form, "FormulaYFromXEdit")) << r.graph;
        EXPECT_FALSE(AddEnabled(form)) << r.graph;
    }
    graphs->setCurrentIndex(2);
    EXPECT_EQ(Text(form, "FormulaPolarEdit"), "1");
    EXPECT_TRUE(AddEnabled(form));
}

TEST(DerivativeFormTest, nothingToOfferWithoutAGraph)
{
    const auto document = SampleDocument();
    TDerivativeForm busy(nullptr, 0);  // a document busy computing
    EXPECT_EQ(Find<QComboBox>(busy, "FuncComboBox")->count(), 0);
    EXPECT_FALSE(AddEnabled(busy));
    EXPECT_EQ(Text(busy, "ErrorEdit"), "");

    TDerivativeForm unselected(document.get(), -1);
    EXPECT_EQ(Find<QComboBox>(unselected, "FuncComboBox")->count(), 8);
    EXPECT_EQ(Find<QComboBox>(unselected, "FuncComboBox")->currentIndex(), -1);
    EXPECT_FALSE(AddEnabled(unselected));
    Find<QPushButton>(unselected, "AddFunctionButton")->click();
    EXPECT_EQ(unselected.result(), 0);
}

// ---------------------------------------------------------------- tangent

TEST(TangentFormTest, labelPerKindRefusalsAndTheLine)
{
    const auto document = SampleDocument();
    TTangentForm form(document.get(), 2);
    auto* graphs = Find<QComboBox>(form, "FuncComboBox");
    EXPECT_EQ(Text(form, "VarLabel"), "A=");
    EXPECT_TRUE(Shown(form, "PiLabel"));
    EXPECT_TRUE(Find<QRadioButton>(form, "TangentRadioButton")->isChecked());
    graphs->setCurrentIndex(1);
    EXPECT_EQ(Text(form, "VarLabel"), "Y=");
    EXPECT_FALSE(Shown(form, "PiLabel"));
    graphs->setCurrentIndex(4);
    EXPECT_EQ(Text(form, "VarLabel"), "It is impossible to plot a tangent/normal");
    EXPECT_FALSE(Shown(form, "VarEdit"));
    EXPECT_FALSE(AddEnabled(form));
    graphs->setCurrentIndex(7);
    EXPECT_EQ(Text(form, "VarLabel"), "Empty formula");
    EXPECT_FALSE(AddEnabled(form));

    form.show();
    Settle();
    auto* value = Find<QLineEdit>(form, "VarEdit");
    auto* add = Find<QPushButton>(form, "AddFunctionButton");
    Messages messages;
    graphs->setCurrentIndex(5);  // SQRT(X)
    for (const char* typed : {"x", "2*10^100", "0"}) {
        value->setText(typed);
        add->click();
    }
    Find<QRadioButton>(form, "NormalRadioButton")->setChecked(true);
    add->click();
    ASSERT_EQ(messages.texts.size(), 4u);
    EXPECT_EQ(messages.texts[0], "The value of the variable must be a number");
    EXPECT_EQ(messages.texts[1], "Too large absolute value of variable");
    EXPECT_EQ(messages.texts[2], "Error of the determination of the equation of the tangent");
    EXPECT_EQ(messages.texts[3], "Error of the determination of the equation of the normal");
    EXPECT_TRUE(form.isVisible());

    graphs->setCurrentIndex(0);
    value->setText("0");
    add->click();  // the normal to X^2 at 0 is vertical
    EXPECT_EQ(messages.texts.size(), 4u);
    EXPECT_EQ(form.result(), TTangentForm::AddGraphResult);
    const GraphRecord line = form.GraphToAdd();
    EXPECT_EQ(line.Kind, GraphKind::XFromY);
    EXPECT_EQ(line.Formula.Str(), "0*y+0");
}

// ---------------------------------------------------------------- calculator

TEST(CalcFormTest, calculateChecksInOrderAndActivationRecalculatesSilently)
{
    TCalcForm form;
    EXPECT_EQ(form.windowFlags() & Qt::Tool, Qt::Tool);
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(Text(form, "VariableNameEdit"), "X");
    EXPECT_EQ(Text(form, "VariableValueEdit"), "0");
    EXPECT_EQ(Text(form, "FormulaEdit"), "");
    form.show();
    Settle();
    auto* formula = Find<QLineEdit>(form, "FormulaEdit");
    auto* name = Find<QLineEdit>(form, "VariableNameEdit");
    auto* value = Find<QLineEdit>(form, "VariableValueEdit");

    Messages messages;
    formula->setText("SIN(X)^2+COS(X)^2");
    value->setText("1");
    form.CalcButtonClick();
    EXPECT_EQ(Text(form, "ResultEdit"), "1");
    formula->setText("1/X");
    value->setText("0");
    form.CalcButtonClick();
    EXPECT_EQ(Text(form, "ResultEdit"), "Error");
    EXPECT_TRUE(messages.texts.empty());

    const struct {
        const char* formula;
        const char* name;
        const char* value;
        std::string message;
        QLineEdit* focus;
    } refused[] = {
        {"X", "1", "0", "The name of the variable must\rbe a letter of the latin alphabet", name},
        {"X", "x", "1E5", "The value of the variable must be a number", value},
        {"", "x", "2*10^3", "Empty formula", formula},
    };
    for (const auto& r : refused) {
        formula->setText(r.formula);
        name->setText(r.name);
        value->setText(r.value);
        form.CalcButtonClick();
        ASSERT_FALSE(messages.texts.empty());
        EXPECT_EQ(messages.texts.back(), r.message);
        EXPECT_EQ(form.focusWidget(), r.focus) << r.message;
        EXPECT_EQ(Text(form, "ResultEdit"), "");
    }

    // Activation: the result again, without any message.
    messages.texts.clear();
    formula->setText("x*2");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activate);
    EXPECT_EQ(Text(form, "ResultEdit"), "4000");
    name->setText("");
    QApplication::sendEvent(&form, &activate);
    EXPECT_EQ(Text(form, "ResultEdit"), "");
    EXPECT_TRUE(messages.texts.empty());
}

// ---------------------------------------------------------------- integral

class IntegralFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = ProgramOptions();
        ProgramOptions().IntegrateMinX = -1;
        ProgramOptions().IntegrateMaxX = 2;
        ProgramOptions().IntegrateStepsNum = 12;
        ProgramOptions().AbsIntegrate = false;
    }
    void TearDown() override { ProgramOptions() = saved_; }
    TProgramOptions saved_;
};

TEST_F(IntegralFormTest, listsFieldsResultPartsAndStoredOptions)
{
    const auto document = SampleDocument();
    TIntegralForm form(document.get());
    auto* first = Find<QComboBox>(form, "Formula1ComboBox");
    auto* second = Find<QComboBox>(form, "Formula2ComboBox");
    ASSERT_EQ(first->count(), 4);  // "0" and the Y(x) formulas that are not blank
    EXPECT_EQ(first->itemText(0), "0");
    EXPECT_EQ(first->itemText(3), "ABS(X)");
    EXPECT_EQ(second->count(), 4);
    EXPECT_EQ(first->currentText(), "0");
    EXPECT_EQ(Text(form, "MinXEdit"), "-1");
    EXPECT_EQ(Text(form, "MaxXEdit"), "2");
    EXPECT_EQ(Text(form, "StepsNumEdit"), "12");
    EXPECT_TRUE(AddEnabled(form));

    first->setEditText("X");
    form.OKButtonClick();
    EXPECT_EQ(Text(form, "ResultEdit"), "1.5");
    EXPECT_EQ(Text(form, "AboveEdit"), "Above: 2");
    EXPECT_EQ(Text(form, "BelowEdit"), "Below: -0.5");

    Find<QLineEdit>(form, "MinXEdit")->setText("-2*10^0");
    Find<QLineEdit>(form, "StepsNumEdit")->setText(" 30 ");
    Find<QCheckBox>(form, "AbsIntegrateCheckBox")->setChecked(true);
    first->setEditText("SQRT(X)");
    form.OKButtonClick();
    EXPECT_EQ(Text(form, "ResultEdit"), "Error at function evaluation");
    EXPECT_EQ(Text(form, "AboveEdit"), "");
    // Stored whatever the outcome.
    EXPECT_EQ(ProgramOptions().IntegrateMinX, -2);
    EXPECT_EQ(ProgramOptions().IntegrateStepsNum, 30);
    EXPECT_TRUE(ProgramOptions().AbsIntegrate);

    TIntegralForm without(nullptr);
    EXPECT_EQ(Find<QComboBox>(without, "Formula1ComboBox")->count(), 1);
    EXPECT_FALSE(AddEnabled(without));
}

TEST_F(IntegralFormTest, refusalsFocusTheirFieldAndChangeNothing)
{
    const auto document = SampleDocument();
    TIntegralForm form(document.get());
    form.show();
    Settle();
    Messages messages;
    auto* steps = Find<QLineEdit>(form, "StepsNumEdit");
    steps->setText("9");
    form.OKButtonClick();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "This value must be an integer\rfrom 10 up to 2000");
    EXPECT_EQ(form.focusWidget(), steps);
    EXPECT_EQ(Text(form, "ResultEdit"), "");
    EXPECT_EQ(ProgramOptions().IntegrateStepsNum, 12);

    steps->setText("10");
    Find<QComboBox>(form, "Formula2ComboBox")->setEditText("(X");
    form.AddFunctionButtonClick();
    EXPECT_EQ(messages.texts.back(), "Error 3: not enough ')' ");
    EXPECT_TRUE(Find<QComboBox>(form, "Formula2ComboBox")->hasFocus());

    Find<QComboBox>(form, "Formula2ComboBox")->setEditText("0");
    Find<QComboBox>(form, "Formula1ComboBox")->setEditText(QString(237, '1'));
    form.AddFunctionButtonClick();
    EXPECT_EQ(messages.texts.back(), "Too long formulas");
    EXPECT_EQ(form.result(), 0);

    Find<QComboBox>(form, "Formula1ComboBox")->setEditText("X^2");
    form.AddFunctionButtonClick();
    EXPECT_EQ(form.result(), TIntegralForm::AddGraphResult);
    const GraphRecord region = form.GraphToAdd();
    EXPECT_EQ(region.Kind, GraphKind::Equation);
    EXPECT_EQ(region.Formula.Str(), "((X^2)-y)*((0)-y)");
    EXPECT_EQ(region.Equation.Relation, EquationRelation::Less);
}

TEST_F(IntegralFormTest, escapeInterruptsTheSum)
{
    TIntegralForm form(nullptr);
    form.show();
    Settle();
    Find<QComboBox>(form, "Formula1ComboBox")->setEditText("SIN(X)");
    QApplication::postEvent(&form, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    form.OKButtonClick();
    EXPECT_EQ(Text(form, "ResultEdit"), "Calculation interrupted");
    EXPECT_TRUE(form.isVisible());  // the Esc went to the sum, not to the window
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---------------------------------------------------------------- texts

std::set<std::string> GermanKeys()
{
    std::set<std::string> keys;
    std::ifstream file(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl");
    std::string line, key, translation;
    while (std::getline(file, line)) {
        if (!ParseLanguageLine(line, key, translation) || translation.empty()) continue;
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        keys.insert(key);
    }
    return keys;
}

void CollectTexts(const QWidget& window, std::set<std::string>& texts)
{
    texts.insert(window.windowTitle().toStdString());
    for (const QLabel* label : window.findChildren<QLabel*>()) texts.insert(label->text().toStdString());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts.insert(button->text().toStdString());
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) texts.insert(group->title().toStdString());
}

TEST(CalculusTexts, everyLabelAndMessageHasItsGermanText)
{
    const auto document = SampleDocument();
    std::set<std::string> texts = {
        "Cannot calculate derivative for this graph type", "Too large expression for derivation",
        "The expression contains nondifferentiable function or operation", "Too long formula of the derivative",
        "It is impossible to plot a tangent/normal", "The value of the variable must be a number",
        "Too large absolute value of variable", "Error of the determination of the equation of the tangent",
        "Error of the determination of the equation of the normal", "X=", "Y=", "A=", "T=", "Empty formula",
        "The name of the variable must\rbe a letter of the latin alphabet", "Too large value of the variable",
        "Error", "Calculation interrupted", "Error at function evaluation", "Too large value of the integral",
        "Too long formulas", "Above: %s", "Below: %s", "This value must be a number\rfrom %s up to %s",
        "This value must be an integer\rfrom %s up to %s", "Maximum of X must be more\rthan minimum of X",
    };
    TDerivativeForm derivative(document.get(), 0);
    TTangentForm tangent(document.get(), 0);
    TCalcForm calculator;
    TIntegralForm integral(document.get());
    for (const QWidget* window : std::initializer_list<const QWidget*>{&derivative, &tangent, &calculator, &integral})
        CollectTexts(*window, texts);
    const std::set<std::string> keys = GermanKeys();
    for (std::string text : texts) {
        if (text.empty()) continue;
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(keys.count(text)) << "no German text for \"" << text << "\"";
    }
}

// ---------------------------------------------------------------- from the main window

class CalculusCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        saved_ = ProgramOptions();
        ProgramOptions().IntegrateMinX = 0;
        ProgramOptions().IntegrateMaxX = 1;
        ProgramOptions().IntegrateStepsNum = 10;
    }
    void TearDown() override
    {
        if (form_ && form_->ActiveChild()) form_->ActiveChild()->Document().Modified = false;
        ProgramOptions() = saved_;
    }

    TMainForm& StartWith(TGraphicsManager& document)
    {
        form_ = test::StartMainFormOn(dir_.filePath("sample.vgr"), document, InstallCalculusCommands);
        return *form_;
    }

    // Add Graph in the tool window, OK in the graph properties dialog.
    template <class Window>
    void AddThroughProperties(CommandId command, std::function<void(Window*)> prepare = {})
    {
        OnModalOf<Window>([prepare](Window* window) {
            if (prepare) prepare(window);
            OnModalOf<TGraphPropsForm>([](TGraphPropsForm* dialog) { dialog->OKButton->click(); });
            window->template findChild<QPushButton*>("AddFunctionButton")->click();
        });
        form_->Item(command)->trigger();
        Settle();
    }

    QTemporaryDir dir_;
    TProgramOptions saved_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(CalculusCommandTest, eachToolAddsItsGraphThroughThePropertiesDialogAndUndoRemovesIt)
{
    auto sample = SampleDocument();
    TMainForm& form = StartWith(*sample);
    TGraphicsManager& document = form.ActiveChild()->Document();
    ASSERT_EQ(document.GraphCount(), 8);
    for (CommandId id : {CommandId::Calc, CommandId::Derivative, CommandId::Tangent, CommandId::Integrate})
        EXPECT_TRUE(form.Item(id)->isEnabled());

    AddThroughProperties<TDerivativeForm>(CommandId::Derivative);
    ASSERT_EQ(document.GraphCount(), 9);
    EXPECT_EQ(document.Graph(8).Record.Formula.Str(), "2*x");

    AddThroughProperties<TTangentForm>(CommandId::Tangent, [](TTangentForm* window) {
        window->findChild<QComboBox*>("FuncComboBox")->setCurrentIndex(0);
        window->findChild<QLineEdit*>("VarEdit")->setText("1");
    });
    ASSERT_EQ(document.GraphCount(), 10);
    EXPECT_EQ(document.Graph(9).Record.Formula.Str(), "2*x-1");
    EXPECT_EQ(document.Graph(9).Record.Kind, GraphKind::YFromX);

    AddThroughProperties<TIntegralForm>(CommandId::Integrate, [](TIntegralForm* window) {
        window->findChild<QComboBox*>("Formula1ComboBox")->setEditText("X^2");
    });
    ASSERT_EQ(document.GraphCount(), 11);
    EXPECT_EQ(document.Graph(10).Record.Kind, GraphKind::Equation);
    EXPECT_EQ(document.Graph(10).Record.Formula.Str(), "((X^2)-y)*((0)-y)");
    EXPECT_GT(document.Graph(10).ValuesSize, 0u);

    for (int expected : {10, 9, 8}) {
        form.Item(CommandId::Undo)->trigger();
        Settle();
        EXPECT_EQ(document.GraphCount(), expected);
    }
}

TEST_F(CalculusCommandTest, cancelInThePropertiesDialogBringsTheWindowBack)
{
    auto sample = SampleDocument();
    TMainForm& form = StartWith(*sample);
    TGraphicsManager& document = form.ActiveChild()->Document();
    int shown = 0;
    OnModalOf<TDerivativeForm>([&shown](TDerivativeForm* window) {
        ++shown;
        OnModalOf<TGraphPropsForm>([&shown](TGraphPropsForm* dialog) {
            OnModalOf<TDerivativeForm>([&shown](TDerivativeForm* again) {
                ++shown;
                again->reject();
            });
            dialog->CancelButton->click();
        });
        window->findChild<QPushButton*>("AddFunctionButton")->click();
    });
    form.Item(CommandId::Derivative)->trigger();
    Settle();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(document.GraphCount(), 8);
}

TEST_F(CalculusCommandTest, calculatorIsOneToolWindowOfTheMainWindow)
{
    auto sample = SampleDocument();
    TMainForm& form = StartWith(*sample);
    TCalcForm* calculator = CalculatorOf(form);
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->parentWidget(), &form);
    EXPECT_FALSE(calculator->isVisible());
    form.Item(CommandId::Calc)->trigger();
    Settle();
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    calculator->findChild<QLineEdit*>("FormulaEdit")->setText("2+2");
    calculator->hide();
    form.Item(CommandId::Calc)->trigger();
    Settle();
    EXPECT_EQ(CalculatorOf(form), calculator);
    EXPECT_EQ(calculator->findChild<QLineEdit*>("FormulaEdit")->text(), "2+2");
}

}  // namespace
}  // namespace vg
