#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "setup/install_test_support.h"
#include "setup/setup_cli.h"
#include "setup/uninstall_list.h"

namespace vg {
namespace {

namespace fs = std::filesystem;
using test::InstallSandbox;
using test::ReadText;

struct Outcome {
    int Status;
    std::string Out;
    std::string Err;
};

Outcome RunSetup(const std::vector<std::string>& args, const std::string& answers = {})
{
    std::istringstream in(answers);
    std::ostringstream out, err;
    const int status = RunSetupCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

Outcome RunUninstall(const fs::path& folder, const std::vector<std::string>& args, const std::string& answers = {})
{
    std::istringstream in(answers);
    std::ostringstream out, err;
    const int status = RunUninstallCommand(args, folder.string(), in, out, err);
    return {status, out.str(), err.str()};
}

unsigned Mode(const fs::path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 0777u : 0u;
}

class HeadlessInstall : public ::testing::Test {
protected:
    fs::path WriteArchive(const std::string& corruptEntry = {})
    {
        const fs::path archive = sandbox.Root() / "Setup.dat";
        test::WriteFileBytes(archive, test::ProgramLikeArchive(corruptEntry));
        return archive;
    }
    std::vector<std::string> InstallArgs(const fs::path& archive, std::vector<std::string> extra = {})
    {
        std::vector<std::string> args{"--install", archive.string(), "--dir", sandbox.InstallFolder().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    InstallSandbox sandbox;
};

TEST_F(HeadlessInstall, installsEveryEntry_listsThemForTheUninstaller_andRemovesEverything)
{
    const fs::path archive = WriteArchive();
    const fs::path dir = sandbox.InstallFolder();
    const Outcome r = RunSetup(InstallArgs(archive, {"--yes", "--language", "French"}));
    ASSERT_EQ(r.Status, kSetupExitOk) << r.Err;
    EXPECT_EQ(r.Out.substr(0, r.Out.find("share/vgraph/lang")), "bin/\t0\nbin/VGraph\t0\nbin/vgraph-cli\t0\nshare/\t0\n");
    EXPECT_NE(r.Out.find("Docs/Read Me.txt\t0\n"), std::string::npos);
    EXPECT_NE(r.Out.find(sandbox.DataHome().string() + "/applications/vgraph.desktop\n"), std::string::npos);
    EXPECT_NE(r.Out.find(sandbox.DataHome().string() + "/mime/packages/vgraph.xml\n"), std::string::npos);
    EXPECT_NE(r.Out.find(sandbox.DataHome().string() + "/icons/hicolor/48x48/apps/vgraph.png\n"), std::string::npos);

    EXPECT_EQ(Mode(dir / "bin/VGraph") & 0100u, 0100u) << "a program from an MS-DOS entry must stay runnable";
    EXPECT_EQ(Mode(dir / "bin/vgraph-cli") & 0111u, 0111u);
    EXPECT_EQ(Mode(dir / "Docs/Read Me.txt") & 0111u, 0u);
    EXPECT_EQ(sandbox.LanguagesLine(),
              "Languages=?" + dir.string() + "/share/vgraph/lang/german.vgl?!?" + dir.string() +
                  "/share/vgraph/lang/french.vgl?");
    const std::string data = sandbox.DataHome().string();
    EXPECT_EQ(ReadText(dir / kUninstallListName),
              "bin/VGraph\nbin/vgraph-cli\nshare/vgraph/lang/german.vgl\nshare/vgraph/lang/french.vgl\n"
              "share/mime/packages/vgraph.xml\nshare/icons/hicolor/48x48/apps/vgraph.png\nDocs/Read Me.txt\n"
              "share/vgraph/lang\nshare/vgraph\nshare/mime/packages\nshare/mime\nshare/icons/hicolor/48x48/apps\n"
              "share/icons/hicolor/48x48\nshare/icons/hicolor\nshare/icons\nshare\nbin\nDocs\n" +
                  data + "/applications/vgraph.desktop\n" + data + "/applications/vgraph-help.desktop\n" + data +
                  "/applications/vgraph-uninstall.desktop\n" + data + "/mime/packages/vgraph.xml\n" + data +
                  "/icons/hicolor/48x48/apps/vgraph.png\n");
    EXPECT_NE(ReadText(sandbox.ConfigHome() / "mimeapps.list").find("application/x-vgraph-document=vgraph.desktop"),
              std::string::npos);

    const Outcome u = RunUninstall(dir, {"--yes"});
    EXPECT_EQ(u.Status, kSetupExitOk) << u.Err;
    EXPECT_NE(u.Out.find((dir / "bin/VGraph").string() + "\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir));
    EXPECT_EQ(sandbox.LanguagesLine(), "Languages=");
    EXPECT_FALSE(fs::exists(sandbox.ConfigHome() / "mimeapps.list"));
    for (const std::string& name : sandbox.Tree()) {
        if (name == "Setup.dat")
            continue;
        EXPECT_EQ(name.find("vgraph"), std::string::npos) << name;
        if (fs::is_regular_file(sandbox.Root() / name) && name.find("VGraph.ini") == std::string::npos) {
            EXPECT_EQ(ReadText(sandbox.Root() / name).find("vgraph"), std::string::npos) << name;
        }
    }
}

TEST_F(HeadlessInstall, englishAndEachLanguageChoice_writeTheirSetting)
{
    const fs::path archive = WriteArchive();
    const std::string lang = sandbox.InstallFolder().string() + "/share/vgraph/lang/";
    const struct {
        std::vector<std::string> Extra;
        std::string Line;
    } rows[] = {
        {{}, "Languages=?" + lang + "german.vgl??" + lang + "french.vgl?"},
        {{"--language", "English"}, "Languages=?" + lang + "german.vgl??" + lang + "french.vgl?"},
        {{"--language", "german"}, "Languages=!?" + lang + "german.vgl??" + lang + "french.vgl?"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> extra = row.Extra;
        extra.insert(extra.end(), {"--yes", "--no-integration"});
        const Outcome r = RunSetup(InstallArgs(archive, extra));
        EXPECT_EQ(r.Status, kSetupExitOk) << r.Err;
        EXPECT_EQ(r.Out.find(sandbox.DataHome().string()), std::string::npos) << "no integration files";
        EXPECT_EQ(sandbox.LanguagesLine(), row.Line);
    }
    EXPECT_FALSE(fs::exists(sandbox.DataHome() / "applications"));
    EXPECT_EQ(RunSetup(InstallArgs(archive, {"--yes", "--language", "italian"})).Status, kSetupExitUsage);
}

TEST_F(HeadlessInstall, corruptEntry_isNamed_goesOnWithYes_andTheLanguageIsNotOffered)
{
    const fs::path archive = WriteArchive("share/vgraph/lang/german.vgl");
    const Outcome r = RunSetup(InstallArgs(archive, {"--yes", "--language", "german", "--no-integration"}));
    EXPECT_EQ(r.Status, kSetupExitFailed);
    EXPECT_NE(r.Out.find("share/vgraph/lang/german.vgl\t1\n"), std::string::npos);
    EXPECT_NE(r.Err.find("setup: share/vgraph/lang/german.vgl: CRC error"), std::string::npos);
    EXPECT_TRUE(fs::exists(sandbox.InstallFolder() / "bin/VGraph"));
    EXPECT_FALSE(fs::exists(sandbox.InstallFolder() / "share/vgraph/lang/german.vgl"));
    EXPECT_EQ(sandbox.LanguagesLine(), "Languages=?" + sandbox.InstallFolder().string() +
                                           "/share/vgraph/lang/french.vgl?");
}

TEST_F(HeadlessInstall, failuresWithoutYes_abortAndRemoveWhatArrived)
{
    const fs::path archive = WriteArchive("Docs/Read Me.txt");
    const Outcome r = RunSetup(InstallArgs(archive), "y\nn\n");  // licence yes, going on no
    EXPECT_EQ(r.Status, kSetupExitFailed);
    EXPECT_NE(r.Err.find("Do you accept this License Agreement?"), std::string::npos);
    EXPECT_NE(r.Err.find("Do you want to continue the installation?"), std::string::npos);
    EXPECT_NE(r.Err.find("the installation was aborted"), std::string::npos);
    EXPECT_FALSE(fs::exists(sandbox.InstallFolder()));
    EXPECT_FALSE(fs::exists(sandbox.SettingsFile()));
}

TEST_F(HeadlessInstall, refusals_licenceFolderArchiveUsage)
{
    const fs::path archive = WriteArchive();
    Outcome r = RunSetup(InstallArgs(archive), "n\n");
    EXPECT_EQ(r.Status, kSetupExitFailed);
    EXPECT_NE(r.Err.find("License Agreement was not accepted"), std::string::npos);
    EXPECT_FALSE(fs::exists(sandbox.InstallFolder()));

    r = RunSetup({"--install", archive.string(), "--dir", (sandbox.Root() / "a?b").string(), "--yes"});
    EXPECT_EQ(r.Status, kSetupExitFailed);
    EXPECT_NE(r.Err.find("Incorrect directory name"), std::string::npos);
    r = RunSetup({"--install", archive.string(), "--dir", (sandbox.Root() / "no/such").string(), "--yes"});
    EXPECT_NE(r.Err.find("Incorrect directory name"), std::string::npos);

    r = RunSetup(InstallArgs(sandbox.Root() / "missing.dat", {"--yes"}));
    EXPECT_EQ(r.Status, kSetupExitFailed);
    EXPECT_NE(r.Err.find("Cannot read the archive"), std::string::npos);

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--install", "--dir"}, {"--install", "a", "b"}, {"--install", "--bogus"}}) {
        EXPECT_EQ(RunSetup(args).Status, kSetupExitUsage);
    }
    EXPECT_EQ(RunUninstall(sandbox.InstallFolder(), {"--force"}).Status, kSetupExitUsage);
}

TEST_F(HeadlessInstall, uninstallerTouchesNothingOutsideWhatSetupWrote)
{
    const fs::path dir = sandbox.InstallFolder();
    const fs::path outside = sandbox.Root() / "outside";
    fs::create_directories(dir / "kept");
    fs::create_directories(outside);
    for (const char* name : {"victim.txt", "vgraph.xml"})
        test::WriteFileBytes(outside / name, test::ToBytes("x"));
    fs::create_directory_symlink(outside, dir / "link");
    test::WriteFileBytes(dir / "kept/user.txt", test::ToBytes("mine"));
    test::WriteFileBytes(dir / "listed.txt", test::ToBytes("x"));
    test::WriteFileBytes(dir / kUninstallListName,
                         test::ToBytes("listed.txt\n../outside/victim.txt\nlink/victim.txt\n" + outside.string() +
                                       "/victim.txt\n" + outside.string() + "/vgraph.xml\nkept\n"));

    Outcome u = RunUninstall(dir, {}, "n\n");
    EXPECT_EQ(u.Status, kSetupExitFailed);
    EXPECT_TRUE(fs::exists(dir / "listed.txt"));

    u = RunUninstall(dir, {}, "y\n");
    EXPECT_EQ(u.Status, kSetupExitOk) << u.Err;
    EXPECT_EQ(u.Out, (dir / "listed.txt").string() + "\n" + (dir / kUninstallListName).string() + "\n");
    EXPECT_TRUE(fs::exists(outside / "victim.txt"));
    EXPECT_TRUE(fs::exists(outside / "vgraph.xml"));
    EXPECT_TRUE(fs::exists(dir / "kept/user.txt"));

    EXPECT_EQ(RunUninstall(dir, {"--yes"}).Status, kSetupExitFailed) << "no list left";
}

}  // namespace
}  // namespace vg
