#include "setup/install_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vg::test {
namespace fs = std::filesystem;

namespace {

ZipEntrySpec UnixFolder(const std::string& name)
{
    ZipEntrySpec e = StoredEntry(name, "");
    e.Host = 3;
    e.ExternalAttributes = 040755u << 16;
    return e;
}

ZipEntrySpec UnixFile(const std::string& name, const std::string& content, std::uint32_t mode = 0644)
{
    ZipEntrySpec e = StoredEntry(name, content);
    e.Host = 3;
    e.ExternalAttributes = (0100000u | mode) << 16;
    return e;
}

}  // namespace

InstallSandbox::InstallSandbox()
{
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "VGRAPH_CONFIG_DIR"}) {
        const char* value = std::getenv(name);
        saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("XDG_DATA_HOME", DataHome().c_str(), 1);
    setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    unsetenv("VGRAPH_CONFIG_DIR");
}

InstallSandbox::~InstallSandbox()
{
    for (const auto& [name, value] : saved_) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
}

std::optional<std::string> InstallSandbox::LanguagesLine() const
{
    std::istringstream lines(ReadText(SettingsFile()));
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind("Languages=", 0) == 0)
            return line;
    return std::nullopt;
}

std::vector<std::string> InstallSandbox::Tree() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(Root()))
        names.push_back(fs::relative(entry.path(), Root()).string());
    std::sort(names.begin(), names.end());
    return names;
}

Bytes ProgramLikeArchive(const std::string& corruptEntry)
{
    ZipEntrySpec program = StoredEntry("bin/VGraph", "#!/bin/sh\necho started\n");
    program.Host = 0;  // MS-DOS: no Unix modes
    std::vector<ZipEntrySpec> entries{
        UnixFolder("bin/"),
        program,
        UnixFile("bin/vgraph-cli", "#!/bin/sh\n", 0755),
        UnixFolder("share/"),
        UnixFile("share/vgraph/lang/german.vgl", "\"OK\" = \"OK\"\n"),
        UnixFile("share/vgraph/lang/french.vgl", "\"OK\" = \"D'accord\"\n"),
        UnixFile("share/mime/packages/vgraph.xml", ReadText(fs::path(VG_SOURCE_DIR) / "data/desktop/vgraph-mime.xml")),
        UnixFile("share/icons/hicolor/48x48/apps/vgraph.png", "png"),
        UnixFile("Docs/Read Me.txt", "read me"),
    };
    for (ZipEntrySpec& e : entries)
        if (e.Name == corruptEntry) {
            e.OverrideCrc = true;
            e.Crc = 12345;
        }
    return BuildZip(entries);
}

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace vg::test
