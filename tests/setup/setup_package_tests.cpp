// The installer as a user runs it: the built setup program installs the
// built Setup.dat into temporary XDG folders, other tools check the result,
// and the installed uninstaller removes it again.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "setup/install_test_support.h"
#include "setup/uninstall_list.h"
#include "setup/zip_archive.h"

namespace vg {
namespace {

namespace fs = std::filesystem;
using test::InstallSandbox;
using test::ReadText;

#ifdef VG_BIN_DIR
const fs::path kBin = VG_BIN_DIR;
#else
const fs::path kBin;
#endif

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Outcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

Outcome Shell(const std::string& command, const fs::path& scratch)
{
    const fs::path errors = scratch / "stderr.txt";
    Outcome result;
    std::FILE* pipe = popen((command + " 2>" + Quote(errors.string()) + " </dev/null").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.Out.append(buffer, n);
    const int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Err = ReadText(errors);
    return result;
}

bool ToolPresent(const char* path)
{
    return fs::exists(path);
}

class SetupPackage : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (kBin.empty() || !fs::exists(kBin / "Setup.dat") || !fs::exists(kBin / "setup"))
            GTEST_SKIP() << "no Setup.dat in this build";
    }

    Outcome Install(const std::string& options, const fs::path& archive = kBin / "Setup.dat")
    {
        return Shell(Quote((kBin / "setup").string()) + " --install " + Quote(archive.string()) + " --dir " +
                         Quote(sandbox.InstallFolder().string()) + " --yes " + options,
                     sandbox.Root());
    }

    InstallSandbox sandbox;
};

TEST_F(SetupPackage, installsTheBuiltArchive_integratesWithTheDesktop_andUninstallsWithoutTrace)
{
    const fs::path dir = sandbox.InstallFolder();
    const Outcome installed = Install("--language german");
    ASSERT_EQ(installed.Status, 0) << installed.Err;

    // Every entry arrived with its size and its execute permission.
    std::vector<std::string> files;
    for (const ArchiveEntry& e : ListArchive(kBin / "Setup.dat").Entries) {
        const fs::path path = dir / e.Name;
        EXPECT_NE(installed.Out.find(e.Name + "\t0\n"), std::string::npos) << e.Name;
        if (IsDirectoryEntry(e)) {
            EXPECT_TRUE(fs::is_directory(path)) << e.Name;
            continue;
        }
        files.push_back(e.Name);
        ASSERT_TRUE(fs::is_regular_file(path)) << e.Name;
        EXPECT_EQ(fs::file_size(path), e.Size) << e.Name;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0100u, e.UnixMode & 0100u) << e.Name;
    }
    for (const char* program : {"bin/VGraph", "bin/vgraph-cli", "uninstall"})
        EXPECT_TRUE(fs::status(dir / program).permissions() == (fs::status(dir / program).permissions() |
                                                                fs::perms::owner_exec))
            << program;
    EXPECT_EQ(Shell(Quote((dir / "bin/VGraph").string()) + " --version", sandbox.Root()).Out, "Vantor Graphs 1.21\n");
    EXPECT_EQ(Shell(Quote((dir / "bin/vgraph-cli").string()) + " eval 2+3", sandbox.Root()).Out, "5\n");

    // UnInst.inf: the files in archive order, then the folders, then the
    // integration files.
    const std::vector<std::string> listed = ParseUninstallList(ReadText(dir / kUninstallListName));
    ASSERT_GT(listed.size(), files.size());
    EXPECT_EQ(std::vector<std::string>(listed.begin(), listed.begin() + static_cast<long>(files.size())), files);
    EXPECT_EQ(listed[files.size()], "share/vgraph/lang");
    EXPECT_EQ(listed.back().rfind(sandbox.DataHome().string(), 0), 0u);

    const std::string lang = dir.string() + "/share/vgraph/lang/";
    EXPECT_EQ(sandbox.LanguagesLine(), "Languages=?" + lang + "french.vgl?!?" + lang + "german.vgl?");

    // The desktop's own tools accept what setup wrote.
    const fs::path applications = sandbox.DataHome() / "applications";
    for (const char* entry : {"vgraph.desktop", "vgraph-help.desktop", "vgraph-uninstall.desktop"}) {
        ASSERT_TRUE(fs::exists(applications / entry)) << entry;
        EXPECT_NE(installed.Out.find((applications / entry).string() + "\n"), std::string::npos);
        if (ToolPresent("/usr/bin/desktop-file-validate")) {
            const Outcome v = Shell("desktop-file-validate " + Quote((applications / entry).string()), sandbox.Root());
            EXPECT_EQ(v.Status, 0) << entry << v.Out << v.Err;
            EXPECT_EQ(v.Out, "") << entry;
        }
    }
    EXPECT_NE(ReadText(applications / "vgraph.desktop").find("Exec=\"" + dir.string() + "/bin/VGraph\" %f\n"),
              std::string::npos);
    if (ToolPresent("/usr/bin/update-mime-database")) {
        EXPECT_NE(ReadText(sandbox.DataHome() / "mime/globs2").find("application/x-vgraph-document:*.vgr"),
                  std::string::npos);
        EXPECT_NE(ReadText(sandbox.DataHome() / "mime/icons").find("application-x-vgraph-document"), std::string::npos);
    }
    EXPECT_TRUE(fs::exists(sandbox.DataHome() / "icons/hicolor/48x48/mimetypes/application-x-vgraph-document.png"));
    if (ToolPresent("/usr/bin/xdg-mime")) {
        const Outcome q = Shell("xdg-mime query default application/x-vgraph-document", sandbox.Root());
        EXPECT_EQ(q.Out, "vgraph.desktop\n") << q.Err;
    }

    // The installed uninstaller removes all of it.
    const Outcome removed = Shell(Quote((dir / "uninstall").string()) + " --yes", sandbox.Root());
    EXPECT_EQ(removed.Status, 0) << removed.Err;
    EXPECT_NE(removed.Out.find((dir / "bin/VGraph").string() + "\n"), std::string::npos);
    EXPECT_NE(removed.Out.find((applications / "vgraph.desktop").string() + "\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir));
    for (const std::string& name : sandbox.Tree()) {
        EXPECT_EQ(name.find("vgraph"), std::string::npos) << name;
        if (fs::is_regular_file(sandbox.Root() / name) && name.find("VGraph.ini") == std::string::npos) {
            EXPECT_EQ(ReadText(sandbox.Root() / name).find("vgraph"), std::string::npos) << name;
        }
    }
    EXPECT_EQ(sandbox.LanguagesLine(), "Languages=");
    if (ToolPresent("/usr/bin/xdg-mime")) {
        EXPECT_EQ(Shell("xdg-mime query default application/x-vgraph-document", sandbox.Root()).Out, "");
    }
}

TEST_F(SetupPackage, englishChoice_marksNoLanguage)
{
    ASSERT_EQ(Install("--no-integration").Status, 0);
    const std::string lang = sandbox.InstallFolder().string() + "/share/vgraph/lang/";
    EXPECT_EQ(sandbox.LanguagesLine(), "Languages=?" + lang + "french.vgl??" + lang + "german.vgl?");
    EXPECT_FALSE(fs::exists(sandbox.DataHome() / "applications"));
}

TEST_F(SetupPackage, damagedEntry_failsTheInstallation_andIsNamed)
{
    const fs::path archive = sandbox.Root() / "Damaged.dat";
    fs::copy_file(kBin / "Setup.dat", archive);
    ArchiveEntry target;
    for (const ArchiveEntry& e : ListArchive(archive).Entries)
        if (e.Name == "share/vgraph/lang/german.vgl")
            target = e;
    ASSERT_GT(target.CompressedSize, 100u);
    std::fstream file(archive, std::ios::in | std::ios::out | std::ios::binary);
    char header[30];
    file.seekg(target.HeaderOffset);
    file.read(header, sizeof header);
    const auto le16 = [&](int at) { return static_cast<unsigned char>(header[at]) | static_cast<unsigned char>(header[at + 1]) << 8; };
    const std::streamoff middle = target.HeaderOffset + 30 + le16(26) + le16(28) + target.CompressedSize / 2;
    file.seekg(middle);
    const char byte = static_cast<char>(file.get() ^ 0x55);
    file.seekp(middle);
    file.put(byte);
    file.close();

    const Outcome r = Install("--no-integration", archive);
    EXPECT_NE(r.Status, 0);
    EXPECT_NE(r.Err.find("setup: share/vgraph/lang/german.vgl: "), std::string::npos) << r.Err;
    EXPECT_EQ(r.Out.find("share/vgraph/lang/german.vgl\t0"), std::string::npos);
    EXPECT_FALSE(fs::exists(sandbox.InstallFolder() / "share/vgraph/lang/german.vgl"));
}

TEST(DesktopFiles, passTheirValidators)
{
    const fs::path data = fs::path(VG_SOURCE_DIR) / "data/desktop";
    test::TempFolder scratch;
    if (fs::exists("/usr/bin/desktop-file-validate")) {
        const Outcome v = Shell("desktop-file-validate " + Quote((data / "vgraph.desktop").string()), scratch.path());
        EXPECT_EQ(v.Status, 0) << v.Out;
    }
    if (fs::exists("/usr/bin/appstreamcli")) {
        const Outcome v =
            Shell("appstreamcli validate --no-net " + Quote((data / "vgraph.metainfo.xml").string()), scratch.path());
        EXPECT_EQ(v.Status, 0) << v.Out << v.Err;
    } else {
        GTEST_SKIP() << "appstreamcli is not installed";
    }
}

}  // namespace
}  // namespace vg
