#include "app/translator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/file_filter.h"
#include "app/main_commands.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

// A temporary folder for language files, removed afterwards.
class TranslatorFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("vg_lang_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

// Makes a translator the program's one for a test.
class ScopedTranslator {
public:
    explicit ScopedTranslator(std::string_view bytes) { translator_.LoadFromBytes(bytes), SetTranslator(&translator_); }
    ~ScopedTranslator() { SetTranslator(nullptr); }
    TTranslator& Get() { return translator_; }

private:
    TTranslator translator_;
};

TEST(LanguageLine, parsesEntries_andIgnoresOtherLines)
{
    struct Row {
        const char* line;
        bool entry;
        const char* key;
        const char* translation;
    } rows[] = {
        {"\"Open\" = \"Öffnen\"", true, "Open", "Öffnen"},
        {"  \t\"Open\"\"Öffnen\" trailing", true, "Open", "Öffnen"},
        {"\"Two\\nlines\" = \"Zwei\\nZeilen\"", true, "Two\rlines", "Zwei\rZeilen"},
        {"\"Say \\'hi\\'\" = \"Sag \\'hallo\\'\"", true, "Say \"hi\"", "Sag \"hallo\""},
        {"\" Minimum X = \" = \"x\"", true, " Minimum X = ", "x"},
        {"\"Empty\" = \"\"", true, "Empty", ""},
        {"; \"Open\" = \"Öffnen\"", false, "", ""},
        {"x \"Open\" = \"Öffnen\"", false, "", ""},
        {"\"Open\" = \"Öffnen", false, "", ""},
        {"\"   \" = \"blank key\"", false, "", ""},
        {"", false, "", ""},
    };
    for (const Row& r : rows) {
        std::string key, translation;
        ASSERT_EQ(ParseLanguageLine(r.line, key, translation), r.entry) << r.line;
        if (r.entry) {
            EXPECT_EQ(key, r.key);
            EXPECT_EQ(translation, r.translation);
        }
    }
}

TEST(Translator, looksUpTrimmedText_withoutRegardToCase)
{
    ScopedTranslator t(
        "\"Minimum X =\" = \"Minimum X =\"\n"
        "\"FILE\" = \"Datei\"\n"
        "\" Open\" = \"never\"\n"
        "\"Größe\" = \"Size\"\n"
        "\"Line one\\nLine two\" = \"Zeile eins\\nZeile zwei\"\n");
    struct Row {
        const char* text;
        const char* expected;
    } rows[] = {
        {"Minimum X = ", "Minimum X ="},   // trailing blank lost with the translation
        {"file", "Datei"},
        {"  File\t", "Datei"},
        {"Open", "Open"},                 // a key with a blank inside its quotes never matches
        {" Open", " Open"},
        {"GRÖSSE", "GRÖSSE"},
        {"GRÖßE", "Size"},
        {"Line one\nLine two", "Zeile eins\rZeile zwei"},
        {"Line one\r\nLine two", "Zeile eins\rZeile zwei"},
        {"Unknown  ", "Unknown  "},       // no entry: unchanged, blanks kept
    };
    for (const Row& r : rows) EXPECT_EQ(Translate(r.text), r.expected) << r.text;
}

TEST(Translator, lastDuplicateWins_andEmptyOrMismatchedTranslationsCountAsNone)
{
    ScopedTranslator t(
        "\"Open\" = \"first\"\n\"OPEN\" = \"second\"\n"
        "\"Save\" = \"Speichern\"\n\"Save\" = \"\"\n"
        "\"Save changes to %s?\" = \"%s speichern?\"\n"
        "\"Amount %s\" = \"Anzahl\"\n"
        "\"Twice %s\" = \"%s und %s\"\n");
    EXPECT_EQ(Translate("Open"), "second");
    EXPECT_EQ(Translate("Save"), "Save");
    EXPECT_EQ(TranslateFormat("Save changes to %s?", {"a.vgr"}), "a.vgr speichern?");
    EXPECT_EQ(TranslateFormat("Amount %s", {"30"}), "Amount 30");
    EXPECT_EQ(TranslateFormat("Twice %s", {"x"}), "Twice x");
    EXPECT_EQ(t.Get().Count(), 2u);
}

TEST(Translator, fillsPlacesInOrder_neverAsPrintfFormat)
{
    EXPECT_EQ(FillText("%s of %s", {"1", "2"}), "1 of 2");
    EXPECT_EQ(FillText("%d %n %s %%", {"%s"}), "%d %n %s %%");
    EXPECT_EQ(FillText("%s and %s", {"only"}), "only and %s");
}

TEST(Translator, splitsHintAtBar)
{
    ScopedTranslator t("\"Open\" = \"Öffnen\"\n\"Open a file\" = \"Eine Datei öffnen\"\n");
    EXPECT_EQ(TranslateHint("Open|Open a file"), "Öffnen|Eine Datei öffnen");
    EXPECT_EQ(TranslateHint("Open|Unknown|x"), "Öffnen|Unknown|x");
}

TEST(Translator, translatesFilterDescriptions_andKeepsMasks)
{
    ScopedTranslator t("\"Text files (*.txt)\" = \"Textdateien (*.txt)\"\n\"*.txt\" = \"bad\"\n");
    EXPECT_EQ(TranslateFileFilter("Text files (*.txt)|*.txt|Other|*.*"), "Textdateien (*.txt)|*.txt|Other|*.*");
}

TEST(FileFilter, becomesQtForm)
{
    struct Row {
        const char* filter;
        const char* expected;
    } rows[] = {
        {"Files of graphs (*.vgr)|*.vgr|All files (*.*)|*.*", "Files of graphs (*.vgr);;All files (*)"},
        {"Pictures|*.bmp;*.gif", "Pictures (*.bmp *.gif)"},
        {"Text (*.txt; *.dat)|*.txt;*.dat", "Text (*.txt *.dat)"},
        {"Odd|", "Odd (*)"},
        {"", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(ToQtFileFilter(r.filter), r.expected) << r.filter;
}

TEST_F(TranslatorFiles, readsUtf8WithBom_andWindows1252Files)
{
    TTranslator utf8;
    ASSERT_TRUE(utf8.LoadFromFile(Write("bom.vgl", "\xEF\xBB\xBF\"Open\" = \"\xC3\x96" "ffnen\"\r\n")));
    EXPECT_EQ(utf8.Translate("Open"), "\xC3\x96" "ffnen");

    TTranslator ansi;
    ASSERT_TRUE(ansi.LoadFromFile(Write("ansi.vgl", "; old\r\n\"Size\" = \"Gr\xF6\xDF" "e\"\r\n\"Euro\"=\"\x80\"")));
    EXPECT_EQ(ansi.Translate("size"), "Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(ansi.Translate("Euro"), "\xE2\x82\xAC");
}

TEST_F(TranslatorFiles, keepsOldDictionary_whenFileCannotBeRead)
{
    TTranslator t;
    ASSERT_TRUE(t.LoadFromFile(Write("de.vgl", "\"Open\" = \"Öffnen\"\n")));
    EXPECT_FALSE(t.LoadFromFile((dir_ / "missing.vgl").string()));
    EXPECT_FALSE(t.LoadFromFile(dir_.string()));
    EXPECT_EQ(t.Translate("Open"), "Öffnen");
}

TEST(ShippedLanguageFile, translatesEveryEntry_withMatchingPlaces)
{
    TTranslator t;
    ASSERT_TRUE(t.LoadFromFile(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl"));
    EXPECT_GT(t.Count(), 200u);
    EXPECT_EQ(t.Translate("&File"), "&Datei");
    EXPECT_EQ(t.Translate("&Yes"), "&Ja");
    EXPECT_EQ(t.Translate("not enough ')' "), "zu wenige ')' ");
}

}  // namespace
}  // namespace vg

namespace vg {
namespace {

TEST(TranslatorEntries, tellTheirPresenceAndTheToolkitLocale)
{
    TTranslator t;
    t.LoadFromBytes("\"@locale\" = \"fr\"\n\"Integration\" = \"Integration\"\n\"Noname\" = \"SansNom\"\n");
    EXPECT_TRUE(t.Contains("integration "));  // a translation that reads like its key
    EXPECT_FALSE(t.Contains("Integral"));
    EXPECT_EQ(t.Locale(), "fr");
    EXPECT_EQ(TTranslator().Locale(), "");

    SetTranslator(&t);
    const std::vector<std::string> open{"SansNom1.vgr"};
    EXPECT_EQ(NextNonameCaption(open), "SansNom2.vgr");
    SetTranslator(nullptr);
}

}  // namespace
}  // namespace vg
