#include <gtest/gtest.h>

#include <filesystem>

#include "setup/desktop_integration.h"
#include "setup/install_folder.h"
#include "setup/install_languages.h"
#include "setup/installation.h"
#include "setup/uninstall_list.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

TEST(InstallLanguages, menuNamesAndSettingFollowTheChosenItem)
{
    EXPECT_EQ(LanguageMenuName("share/vgraph/lang/german.vgl"), "german");
    EXPECT_EQ(LanguageMenuName("lang\\Deutsch.Schweiz.VGL"), "Deutsch.Schweiz");
    EXPECT_TRUE(IsLanguageFileName("a/b.VgL"));
    EXPECT_FALSE(IsLanguageFileName("a/vgl"));
    EXPECT_FALSE(IsLanguageFileName("a.vgl/readme"));

    InstalledLanguages none;
    EXPECT_EQ(none.Items(), std::vector<std::string>{"English"});
    EXPECT_EQ(none.SettingFor(0), "");

    InstalledLanguages two;
    two.Add("/opt/v g/lang/german.vgl");
    two.Add("/opt/v g/lang/what?.vgl");  // the setting cannot hold it
    two.Add("/opt/v g/lang/french.vgl");
    EXPECT_EQ(two.Items(), (std::vector<std::string>{"English", "german", "french"}));
    const struct {
        std::size_t Chosen;
        const char* Setting;
    } rows[] = {
        {0, "?/opt/v g/lang/german.vgl?" "?/opt/v g/lang/french.vgl?"},
        {1, "!?/opt/v g/lang/german.vgl?" "?/opt/v g/lang/french.vgl?"},
        {2, "?/opt/v g/lang/german.vgl?!?/opt/v g/lang/french.vgl?"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(two.SettingFor(row.Chosen), row.Setting) << row.Chosen;
    EXPECT_EQ(two.ItemNamed("FRENCH"), 2);
    EXPECT_EQ(two.ItemNamed("english"), 0);
    EXPECT_EQ(two.ItemNamed("italian"), -1);
}

TEST(InstallLanguages, uninstalledFilesLeaveTheSetting)
{
    const struct {
        const char* Setting;
        const char* Kept;
    } rows[] = {
        {"!?/a/b/german.vgl?", ""},
        {"?/a/b/german.vgl?!?/x/french.vgl?", "!?/x/french.vgl?"},
        {"!?/a/b/german.vgl? ?/a/bc/french.vgl?", " ?/a/bc/french.vgl?"},
        {"?german.vgl?!?/a/b/lang/x.vgl?", "?german.vgl?"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WithoutLanguagesBelow(row.Setting, "/a/b"), row.Kept) << row.Setting;
}

TEST(UninstallList, filesThenFoldersDeepestFirst_unsafeNamesNeverListed)
{
    UninstallList list;
    list.AddEntry("bin/", true);
    list.AddEntry("bin/VGraph", false);
    list.AddEntry("share/vgraph/lang/german.vgl", false);
    list.AddEntry("Share\\Upper.txt", false);  // case counts: "Share" is not "share"
    list.AddEntry("empty/dir/", true);           // a folder entry: folder lines only
    list.AddEntry("../outside.txt", false);
    list.AddEntry("/etc/passwd", false);
    list.AddEntry("./dot//file.txt", false);
    list.AddIntegrationFile("/home/u/.local/share/applications/vgraph.desktop");
    EXPECT_EQ(list.Format(),
              "bin/VGraph\n"
              "share/vgraph/lang/german.vgl\n"
              "Share/Upper.txt\n"
              "dot/file.txt\n"
              "share/vgraph/lang\n"
              "share/vgraph\n"
              "share\n"
              "empty/dir\n"
              "empty\n"
              "dot\n"
              "bin\n"
              "Share\n"
              "/home/u/.local/share/applications/vgraph.desktop\n");
    EXPECT_EQ(ParseUninstallList("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(InstallProgress, sixtyFourBitArithmetic_emptyTotalIsComplete)
{
    const struct {
        std::uint64_t Done, Current;
        std::uint16_t Percent;
        std::uint64_t Total;
        int Position;
    } rows[] = {
        {0, 0, 0, 0, 100},
        {0, 50, 50, 100, 25},
        {50, 50, 100, 100, 100},
        {3'000'000'000ull, 3'000'000'000ull, 50, 6'000'000'000ull, 75},
        {UINT64_MAX / 2, UINT64_MAX / 2, 100, UINT64_MAX, 99},
        {10, 10, 100, 10, 100},  // never beyond the end
    };
    for (const auto& r : rows)
        EXPECT_EQ(InstallProgressPosition(r.Done, r.Current, r.Percent, r.Total), r.Position)
            << r.Done << " " << r.Current << " " << r.Percent << " " << r.Total;
}

TEST(InstallFolder, probeAcceptsExistingOrCreatableFolders_andLeavesNoTrace)
{
    test::TempFolder root;
    fs::create_directory(root / "exists");
    test::WriteFileBytes(root / "file", test::ToBytes("x"));
    EXPECT_TRUE(IsAcceptableInstallFolder((root / "exists").string()));
    EXPECT_TRUE(IsAcceptableInstallFolder((root / "new").string()));
    EXPECT_FALSE(fs::exists(root / "new"));
    EXPECT_FALSE(IsAcceptableInstallFolder((root / "missing/new").string()));  // one level only
    EXPECT_FALSE(IsAcceptableInstallFolder((root / "file").string()));
    EXPECT_FALSE(IsAcceptableInstallFolder((root / "what?").string()));
    EXPECT_FALSE(IsAcceptableInstallFolder((root / "line\nbreak").string()));
    EXPECT_FALSE(IsAcceptableInstallFolder(""));

    EXPECT_EQ(NormalizeInstallFolder("  /opt/vantor-graphs/ "), "/opt/vantor-graphs");
    EXPECT_EQ(NormalizeInstallFolder("/"), "/");
    EXPECT_EQ(NormalizeInstallFolder("rel"), (fs::current_path() / "rel").string());
    EXPECT_EQ(FolderForChoice("/home/u"), "/home/u/vantor-graphs");
    EXPECT_EQ(FolderForChoice("/"), "/vantor-graphs");
}

TEST(DesktopIntegration, execArgumentsAreQuotedAndEscaped)
{
    const struct {
        const char* Path;
        const char* Exec;
    } rows[] = {
        {"/opt/vantor-graphs/bin/VGraph", "\"/opt/vantor-graphs/bin/VGraph\""},
        {"/home/u/my dir/VGraph", "\"/home/u/my dir/VGraph\""},
        {"/a$b/c`d\"e", "\"/a\\\\$b/c\\\\`d\\\\\"e\""},
        {"/a\\b", "\"/a\\\\\\\\b\""},
        {"/100%/x", "\"/100%%/x\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DesktopExecArgument(row.Path), row.Exec) << row.Path;
}

TEST(DesktopIntegration, onlyOurFilesCountAsIntegrationFiles)
{
    const struct {
        const char* Path;
        bool Ours;
    } rows[] = {
        {"/home/u/.local/share/applications/vgraph.desktop", true},
        {"/home/u/.local/share/applications/vgraph-uninstall.desktop", true},
        {"/home/u/.local/share/mime/packages/vgraph.xml", true},
        {"/home/u/.local/share/icons/hicolor/48x48/apps/vgraph.png", true},
        {"/d/icons/hicolor/scalable/mimetypes/application-x-vgraph-document.svg", true},
        {"/home/u/.local/share/applications/firefox.desktop", false},
        {"/home/u/.local/share/mime/packages/other.xml", false},
        {"/d/icons/hicolor/48x48/apps/other.png", false},
        {"/d/icons/hicolor/huge/apps/vgraph.png", false},
        {"/d/icons/hicolor/48x48/apps/../../../../etc/vgraph.png", false},
        {"/etc/passwd", false},
        {"relative/applications/vgraph.desktop", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsIntegrationFilePath(row.Path), row.Ours) << row.Path;

    EXPECT_EQ(IntegrationTargetFor("share/icons/hicolor/48x48/apps/vgraph.png"), "icons/hicolor/48x48/apps/vgraph.png");
    EXPECT_EQ(IntegrationTargetFor("share/mime/packages/vgraph.xml"), "mime/packages/vgraph.xml");
    EXPECT_EQ(IntegrationTargetFor("share/applications/vgraph.desktop"), std::nullopt);
    EXPECT_EQ(IntegrationTargetFor("x/share/mime/packages/vgraph.xml"), std::nullopt);
    EXPECT_EQ(IntegrationTargetFor("share/icons/hicolor/48x48/apps/sub/vgraph.png"), std::nullopt);
}

TEST(DesktopIntegration, defaultApplicationLineKeepsTheRestOfMimeappsList)
{
    const std::string ours = "application/x-vgraph-document=vgraph.desktop";
    EXPECT_EQ(WithDefaultApplication(""), "[Default Applications]\n" + ours + "\n");
    EXPECT_EQ(WithDefaultApplication("[Added Associations]\ntext/plain=a.desktop\n"),
              "[Added Associations]\ntext/plain=a.desktop\n[Default Applications]\n" + ours + "\n");
    EXPECT_EQ(WithDefaultApplication("[Default Applications]\ntext/plain=a.desktop\n"),
              "[Default Applications]\n" + ours + "\ntext/plain=a.desktop\n");
    EXPECT_EQ(WithDefaultApplication("[Default Applications]\napplication/x-vgraph-document=old.desktop\n"),
              "[Default Applications]\n" + ours + "\n");

    EXPECT_EQ(WithoutDefaultApplication("[Default Applications]\n" + ours + "\ntext/plain=a.desktop\n"),
              "[Default Applications]\ntext/plain=a.desktop\n");
    EXPECT_EQ(WithoutDefaultApplication("[Default Applications]\n" + ours + "\n[Added Associations]\nx=y\n"),
              "[Added Associations]\nx=y\n");
    const std::string someoneElses = "[Default Applications]\napplication/x-vgraph-document=other.desktop\n";
    EXPECT_EQ(WithoutDefaultApplication(someoneElses), someoneElses);
}

}  // namespace
}  // namespace vg
