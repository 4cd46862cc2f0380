// Every text the table windows show, and every message of the table
// commands, has its translation in every shipped language file.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/translator.h"
#include "app/ui/caption_fit.h"
#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "tables/table_messages.h"
#include "tables/ui/copy_table_form.h"
#include "tables/ui/find_form.h"
#include "tables/ui/modify_table_form.h"
#include "tables/ui/open_table_form.h"
#include "tables/ui/save_table_form.h"
#include "tables/ui/table_editor_widget.h"
#include "tables/ui/table_info_form.h"

namespace vg {
namespace {

std::string Folded(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::set<std::string> LanguageKeys(const std::filesystem::path& path)
{
    std::set<std::string> keys;
    std::ifstream file(path);
    std::string line, key, translation;
    while (std::getline(file, line))
        if (ParseLanguageLine(line, key, translation) && !translation.empty()) keys.insert(Folded(key));
    return keys;
}

// Texts that read the same in every language: axis names and number forms.
bool IsNeutral(const std::string& text)
{
    static const std::set<std::string> neutral = {"X", "Y", "mEp", "m*10^p"};
    return text.empty() || neutral.count(text) || text.find("=f(") != std::string::npos;
}

std::vector<std::string> ShownTexts(QWidget* window)
{
    std::vector<std::string> texts = {window->windowTitle().toStdString()};
    for (auto* label : window->findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
    for (auto* button : window->findChildren<QAbstractButton*>()) texts.push_back(button->text().toStdString());
    for (auto* group : window->findChildren<QGroupBox*>()) texts.push_back(group->title().toStdString());
    for (auto* action : window->findChildren<QAction*>()) texts.push_back(action->text().toStdString());
    return texts;
}

TEST(TableLanguage, everyWindowTextHasItsTranslationInEveryLanguageFile)
{
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new TTableEditorWidget);
    windows.emplace_back(new TModifyTableForm(TableFormulaMode::Fill));
    windows.emplace_back(new TModifyTableForm(TableFormulaMode::Modify));
    windows.emplace_back(new TFindForm(true));
    windows.emplace_back(new TReplaceForm(true, true, false));
    windows.emplace_back(new TCopyTableForm(true, true));
    windows.emplace_back(new TCopyTableForm(false, true));
    windows.emplace_back(new TTableInfoForm(TTableGrid()));
    windows.emplace_back(new TOpenTableForm);
    windows.emplace_back(new TSaveTableForm(document, -1, "t.txt", true));
    std::vector<std::string> texts = {kFileReadErrorText, kFileWriteErrorText, kFileExistsText, kNoTableText,
                                      kTooManyGraphsText, kNaturalNumberText, kLimitOrderText, kValueNotNumberText,
                                      kTooLargeValueText, kValueNotFoundText, kReplaceQuestionText, kNoColumnText,
                                      kCopyErrorText, kInfoErrorText, "Text files (*.txt)", "Open Table"};
    for (const auto& window : windows)
        for (const std::string& text : ShownTexts(window.get()))
            if (!IsNeutral(text)) texts.push_back(text);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VG_SOURCE_DIR) + "/data/lang")) {
        if (entry.path().extension() != ".vgl") continue;
        ++files;
        const std::set<std::string> keys = LanguageKeys(entry.path());
        for (const std::string& text : texts)
            EXPECT_TRUE(keys.count(Folded(text))) << entry.path().filename() << " lacks \"" << text << "\"";
    }
    EXPECT_GE(files, 2);
}

// As VGraph shows them (dialogs widened for their captions), in every
// language: no text is cut off.
TEST(TableLanguage, everyTextFitsInEveryLanguage)
{
    InstallCaptionFitting(*qApp);
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    QWidget owner;  // as in VGraph, the dialogs have an owner
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VG_SOURCE_DIR) + "/data/lang")) {
        if (entry.path().extension() != ".vgl") continue;
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        TTranslator translator;
        translator.LoadFromBytes(bytes.str());
        SetTranslator(&translator);
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.emplace_back(new TModifyTableForm(TableFormulaMode::Fill, &owner));
        windows.emplace_back(new TModifyTableForm(TableFormulaMode::Modify, &owner));
        windows.emplace_back(new TFindForm(true, &owner));
        windows.emplace_back(new TReplaceForm(true, true, false, &owner));
        windows.emplace_back(new TCopyTableForm(true, true, &owner));
        windows.emplace_back(new TCopyTableForm(false, true, &owner));
        windows.emplace_back(new TTableInfoForm(TTableGrid(), &owner));
        windows.emplace_back(new TOpenTableForm(&owner));
        windows.emplace_back(new TSaveTableForm(document, -1, "t.txt", true, &owner));
        for (const auto& window : windows) {
            window->show();
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
            for (auto* button : window->findChildren<QAbstractButton*>())
                EXPECT_GE(button->width(), button->sizeHint().width())
                    << entry.path().filename() << ": \"" << button->text().toStdString() << "\" is cut off";
            for (auto* label : window->findChildren<QLabel*>()) {
                if (label->wordWrap()) continue;
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << entry.path().filename() << ": \"" << label->text().toStdString() << "\" is cut off";
            }
            window->hide();
        }
        // The grid's toolbar shows every command, whatever the language.
        QDialog holder(&owner);
        auto* editor = new TTableEditorWidget(&holder);
        (new QVBoxLayout(&holder))->addWidget(editor);
        TranslateComponent(&holder);
        holder.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        auto* toolBar = editor->findChild<QToolBar*>();
        ASSERT_NE(toolBar, nullptr);
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator()) continue;
            const QWidget* button = toolBar->widgetForAction(action);
            EXPECT_TRUE(button && button->isVisible())
                << entry.path().filename() << ": \"" << action->text().toStdString() << "\" is hidden";
        }
        SetTranslator(nullptr);
    }
}

}  // namespace
}  // namespace vg
