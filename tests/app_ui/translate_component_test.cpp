#include "app/ui/translate_component.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>


namespace vg {
namespace {

// The shipped German file as the program's dictionary for one test.
class GermanTranslator {
public:
    GermanTranslator()
    {
        EXPECT_TRUE(translator_.LoadFromFile(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl"));
        SetTranslator(&translator_);
    }
    ~GermanTranslator() { SetTranslator(nullptr); }

private:
    TQtTranslator translator_;
};

class TestTranslator {
public:
    explicit TestTranslator(std::string_view entries)
    {
        translator_.LoadFromBytes(entries);
        SetTranslator(&translator_);
    }
    ~TestTranslator() { SetTranslator(nullptr); }

private:
    TQtTranslator translator_;
};

QMenu* AddMenu(QMenuBar* bar, const char* caption, const char* hint)
{
    QMenu* menu = bar->addMenu(caption);
    menu->menuAction()->setStatusTip(hint);
    return menu;
}

TEST(TranslateComponent, translatesMenusRecursively_withShippedGermanFile)
{
    GermanTranslator german;
    QMainWindow window;
    window.setWindowTitle("Vantor Graphs");
    QMenu* file = AddMenu(window.menuBar(), "&File", "Operations with files (Open, Save, Print, etc)");
    QAction* open = file->addAction("&Open...");
    open->setStatusTip("Open an existing document");
    file->addSeparator();
    file->addAction("&Exit");
    QMenu* options = AddMenu(window.menuBar(), "&Options", "Document and program options");
    QMenu* language = options->addMenu("Language");
    language->addAction("English");
    QAction* languageName = language->addAction("Deutsch");
    languageName->setProperty(kTagProperty, kTagKeepOwnTexts);
    QMenu* sets = options->addMenu("&Sets of Options");
    sets->menuAction()->setProperty(kTagProperty, kTagKeepAllTexts);
    sets->addAction("Standard &Options");

    TranslateComponent(&window);

    EXPECT_EQ(file->title(), "&Datei");
    EXPECT_EQ(file->menuAction()->statusTip(), "Dateioperationen (Öffnen, Speichern, Drucken usw.)");
    EXPECT_EQ(open->text(), "Ö&ffnen...");
    EXPECT_EQ(open->statusTip(), "Ein vorhandenes Dokument öffnen");
    EXPECT_EQ(file->actions().at(2)->text(), "&Beenden");
    EXPECT_EQ(options->title(), "&Optionen");
    EXPECT_EQ(language->title(), "&Sprache");
    EXPECT_EQ(language->actions().at(0)->text(), "Englisch");
    EXPECT_EQ(languageName->text(), "Deutsch");           // tag 9: own text kept
    EXPECT_EQ(sets->title(), "&Sets of Options");          // tag 10: kept with its items
    EXPECT_EQ(sets->actions().at(0)->text(), "Standard &Options");
}

TEST(TranslateComponent, translatesEachWidgetClass)
{
    TestTranslator t(
        "\"Options\" = \"Optionen\"\n\"OK\" = \"Gut\"\n\"Press\" = \"Drücken\"\n"
        "\"Press it\" = \"Drück es\"\n\"Lines\" = \"Linien\"\n\"Grid\" = \"Gitter mit sehr langem Namen\"\n"
        "\"Axes\" = \"Achsen\"\n\"Minimum X =\" = \"Kleinstes X =\"\n\"Two\\nlines\" = \"Zwei\\nZeilen\"\n"
        "\"Frame\" = \"Rahmen\"\n\"Graph list\" = \"Graphenliste\"\n\"Choose\" = \"Wählen\"\n"
        "\"Page one\" = \"Seite eins\"\n\"Page two\" = \"Seite zwei\"\n\"Trace\" = \"Verfolgen\"\n"
        "\"Standard\" = \"Normal\"\n\"New\" = \"Neu\"\n\"Create a new document\" = \"Neues Dokument\"\n");
    QDialog dialog;
    dialog.setWindowTitle("Options");
    auto* ok = new QPushButton("OK", &dialog);
    ok->setToolTip("Press|Press it");
    auto* radio = new QRadioButton("Lines", &dialog);
    auto* check = new QCheckBox("Grid", &dialog);
    check->resize(10, 20);
    auto* axes = new QCheckBox("Axes", &dialog);
    auto* label = new QLabel("Minimum X = ", &dialog);
    auto* twoLines = new QLabel("Two\nlines", &dialog);
    auto* group = new QGroupBox("Frame", &dialog);
    auto* kept = new QLabel("Frame", group);
    kept->setProperty(kTagProperty, kTagKeepOwnTexts);
    auto* combo = new QComboBox(&dialog);
    combo->addItem("Graph list");
    combo->setToolTip("Graph list|Choose");
    auto* tabs = new QTabWidget(&dialog);
    tabs->addTab(new QWidget, "Page one");
    auto* pageTwo = new QWidget;
    auto* pageLabel = new QLabel("Trace", pageTwo);
    tabs->addTab(pageTwo, "Page two");
    auto* hidden = new QWidget(&dialog);
    hidden->setProperty(kTagProperty, kTagKeepAllTexts);
    auto* hiddenLabel = new QLabel("Trace", hidden);
    auto* tool = new QToolButton(&dialog);
    tool->setText("Trace");
    tool->setToolTip("Trace");
    auto* bar = new QToolBar("Standard", &dialog);
    QAction* newAction = bar->addAction("New");
    newAction->setToolTip("New");
    newAction->setStatusTip("Create a new document");

    TranslateComponent(&dialog);

    EXPECT_EQ(dialog.windowTitle(), "Optionen");
    EXPECT_EQ(ok->text(), "Gut");
    EXPECT_EQ(ok->toolTip(), "Drücken|Drück es");
    EXPECT_EQ(radio->text(), "Linien");
    EXPECT_EQ(check->text(), "Gitter mit sehr langem Namen");
    EXPECT_GE(check->width(), QFontMetrics(check->font()).horizontalAdvance(check->text()) + 20);
    EXPECT_EQ(axes->text(), "Achsen");
    EXPECT_EQ(label->text(), "Kleinstes X =");
    EXPECT_EQ(twoLines->text(), "Zwei\nZeilen");
    EXPECT_EQ(group->title(), "Rahmen");
    EXPECT_EQ(kept->text(), "Frame");
    EXPECT_EQ(combo->toolTip(), "Graphenliste|Wählen");
    EXPECT_EQ(combo->itemText(0), "Graph list");  // items are data, not captions
    EXPECT_EQ(tabs->tabText(0), "Seite eins");
    EXPECT_EQ(tabs->tabText(1), "Seite zwei");
    EXPECT_EQ(pageLabel->text(), "Verfolgen");
    EXPECT_EQ(hiddenLabel->text(), "Trace");
    EXPECT_EQ(tool->text(), "Verfolgen");
    EXPECT_EQ(bar->windowTitle(), "Normal");
    EXPECT_EQ(newAction->text(), "Neu");
    EXPECT_EQ(newAction->toolTip(), "Neu");
    EXPECT_EQ(newAction->statusTip(), "Neues Dokument");

    // Translating a tag-10 component directly translates what it owns.
    TranslateComponent(hidden);
    EXPECT_EQ(hiddenLabel->text(), "Verfolgen");
}

TEST(TranslateComponent, translatesFileDialogTitleAndFilterDescriptions)
{
    TestTranslator t("\"Open\" = \"Öffnen\"\n\"Text files (*.txt)\" = \"Textdateien (*.txt)\"\n"
                     "\"All files\" = \"Alle Dateien\"\n");
    QFileDialog dialog(nullptr, "Open");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({"Text files (*.txt)", "All files (*)"});
    TranslateComponent(&dialog);
    EXPECT_EQ(dialog.windowTitle(), "Öffnen");
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"Textdateien (*.txt)", "Alle Dateien (*)"}));
}

TEST(TranslateComponent, translateAllCoversEveryWindow_once)
{
    TTranslator* none = GetTranslator();
    ASSERT_EQ(none, nullptr);
    TQtTranslator translator;
    translator.LoadFromBytes("\"A\" = \"B\"\n\"B\" = \"C\"\n");
    SetTranslator(&translator);
    QWidget first;
    first.setWindowTitle("A");
    QWidget second;
    second.setWindowTitle("A");
    second.setProperty(kTagProperty, kTagKeepAllTexts);
    translator.TranslateAll();
    EXPECT_EQ(first.windowTitle(), "B");
    EXPECT_EQ(second.windowTitle(), "A");
    SetTranslator(nullptr);
}

}  // namespace
}  // namespace vg
