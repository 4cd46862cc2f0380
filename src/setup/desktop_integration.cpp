#include "setup/desktop_integration.h"

#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "setup/run_tool.h"
#include "setup/xdg_dirs.h"

namespace vg {
namespace {

constexpr std::size_t kMaxIntegrationFileSize = 16u << 20;
constexpr std::string_view kDefaultSection = "[Default Applications]";

std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool IsIconSizeFolder(std::string_view name)
{
    if (name == "scalable")
        return true;
    const std::size_t x = name.find('x');
    if (x == 0 || x == std::string_view::npos || x + 1 == name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (i != x && (name[i] < '0' || name[i] > '9'))
            return false;
    return true;
}

bool IsOurIconName(std::string_view file)
{
    for (const std::string_view stem : {"vgraph", "application-x-vgraph-document"})
        for (const std::string_view extension : {".png", ".svg"})
            if (file.size() == stem.size() + extension.size() && StartsWith(file, stem) && EndsWith(file, extension))
                return true;
    return false;
}

// The tail of a path below a data folder: "icons/hicolor/48x48/apps/vgraph.png"
// or "mime/packages/vgraph.xml".
bool IsIntegrationTail(const std::vector<std::string_view>& parts)
{
    const std::size_t n = parts.size();
    if (n >= 3 && parts[n - 3] == "mime" && parts[n - 2] == "packages" && parts[n - 1] == "vgraph.xml")
        return true;
    return n >= 5 && parts[n - 5] == "icons" && parts[n - 4] == "hicolor" && IsIconSizeFolder(parts[n - 3]) &&
           (parts[n - 2] == "apps" || parts[n - 2] == "mimetypes") && IsOurIconName(parts[n - 1]);
}

// Escapes for a desktop file's string values.
std::string EscapedValue(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else
            escaped += c;
    }
    return escaped;
}

std::string JoinFolder(const std::string& folder, std::string_view relative)
{
    return folder + (folder.empty() || folder.back() != '/' ? "/" : "") + std::string(relative);
}

std::string EntryHeader(std::string_view name, std::string_view comment)
{
    return "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + std::string(name) +
           "\nComment=" + std::string(comment) + "\n";
}

std::string ApplicationsFolder()
{
    return XdgDataHome() + "/applications";
}

std::string MimeAppsListPath()
{
    return XdgConfigHome() + "/mimeapps.list";
}

// Writes a file of the desktop's folders, making the folders it needs.
bool WriteInto(const std::string& path, std::string_view bytes, IntegrationResult& result)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const bool ok = WriteFileAtomically(path, bytes);
    (ok ? result.Written : result.Failed).push_back(path);
    return ok;
}

bool IsDefaultLine(std::string_view line)
{
    return StartsWith(line, std::string(kDocumentMimeType) + "=");
}

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

bool IsSectionHeader(std::string_view line)
{
    return !line.empty() && line.front() == '[';
}

void EditMimeAppsList(std::string (*edit)(std::string_view))
{
    const std::string path = MimeAppsListPath();
    std::string text;
    const ReadFileResult read = ReadWholeFile(path, text, kMaxIntegrationFileSize);
    if (read != ReadFileResult::Ok && read != ReadFileResult::NotFound)
        return;
    const std::string edited = edit(text);
    if (edited == text)
        return;
    std::error_code ec;
    if (edited.find_first_not_of(" \t\r\n") == std::string::npos) {
        std::filesystem::remove(path, ec);
        return;
    }
    std::filesystem::create_directories(XdgConfigHome(), ec);
    WriteFileAtomically(path, edited);
}

}  // namespace

std::string DesktopExecArgument(std::string_view argument)
{
    // Inside quotes, '"', '`', '$' and '\' take a backslash; the file's own
    // string escaping then doubles every backslash. '%' is a field code
    // character and is doubled.
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        if (c == '\\')
            quoted += "\\\\\\\\";
        else if (c == '%')
            quoted += "%%";
        else
            quoted += c;
    }
    return quoted + "\"";
}

std::string ProgramDesktopEntry(const std::string& installFolder)
{
    const std::string program = JoinFolder(installFolder, kProgramRelative);
    return EntryHeader("Vantor Graphs", "Plot and analyse mathematical functions") +
           "GenericName=Function Plotter\n"
           "Exec=" + DesktopExecArgument(program) + " %f\n"
           "TryExec=" + EscapedValue(program) + "\n"
           "Icon=vgraph\n"
           "Terminal=false\n"
           "Categories=Education;Math;\n"
           "Keywords=graph;plot;function;calculus;math;\n"
           "MimeType=" + kDocumentMimeType + ";\n"
           "StartupNotify=true\n";
}

std::string HelpDesktopEntry(const std::string& installFolder)
{
    return EntryHeader("Help for Vantor Graphs", "Read the manual of Vantor Graphs") +
           "Exec=xdg-open " + DesktopExecArgument(JoinFolder(installFolder, kHelpIndexRelative)) + "\n"
           "Icon=vgraph\n"
           "Terminal=false\n"
           "Categories=Education;Math;\n";
}

std::string UninstallDesktopEntry(const std::string& installFolder)
{
    return EntryHeader("Uninstall Vantor Graphs", "Remove Vantor Graphs from this computer") +
           "Exec=" + DesktopExecArgument(JoinFolder(installFolder, kUninstallerRelative)) + "\n"
           "Icon=vgraph\n"
           "Terminal=false\n"
           "Categories=Education;Math;\n";
}

std::optional<std::string> IntegrationTargetFor(std::string_view installedRelative)
{
    constexpr std::string_view kShare = "share/";
    if (!StartsWith(installedRelative, kShare))
        return std::nullopt;
    const std::string_view below = installedRelative.substr(kShare.size());
    const std::vector<std::string_view> parts = SplitPath(below);
    const bool whole = parts.size() == 3 || parts.size() == 5;
    if (!whole || !IsIntegrationTail(parts))
        return std::nullopt;
    return std::string(below);
}

bool IsIntegrationFilePath(std::string_view absolutePath)
{
    if (absolutePath.empty() || absolutePath.front() != '/')
        return false;
    const std::vector<std::string_view> parts = SplitPath(absolutePath.substr(1));
    for (const std::string_view part : parts)
        if (part.empty() || part == "." || part == "..")
            return false;
    const std::size_t n = parts.size();
    if (n >= 2 && parts[n - 2] == "applications" && StartsWith(parts[n - 1], "vgraph") &&
        EndsWith(parts[n - 1], ".desktop"))
        return true;
    return IsIntegrationTail(parts);
}

std::string WithDefaultApplication(std::string_view mimeapps)
{
    std::vector<std::string> lines = Lines(mimeapps);
    const std::string entry = std::string(kDocumentMimeType) + "=" + kProgramDesktopId;
    bool inDefaults = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsSectionHeader(lines[i]))
            inDefaults = lines[i] == kDefaultSection;
        else if (inDefaults && IsDefaultLine(lines[i])) {
            lines[i] = entry;
            return Joined(lines);
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == kDefaultSection) {
            lines.insert(lines.begin() + static_cast<long>(i) + 1, entry);
            return Joined(lines);
        }
    lines.emplace_back(kDefaultSection);
    lines.push_back(entry);
    return Joined(lines);
}

std::string WithoutDefaultApplication(std::string_view mimeapps)
{
    const std::string ours = std::string(kDocumentMimeType) + "=" + kProgramDesktopId;
    std::vector<std::string> kept;
    bool inDefaults = false;
    bool removed = false;
    for (const std::string& line : Lines(mimeapps)) {
        if (IsSectionHeader(line))
            inDefaults = line == kDefaultSection;
        else if (inDefaults && (line == ours || line == ours + ";")) {
            removed = true;
            continue;
        }
        kept.push_back(line);
    }
    if (!removed)
        return std::string(mimeapps);
    // A default section left without entries goes too.
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i] != kDefaultSection)
            continue;
        std::size_t end = i + 1;
        while (end < kept.size() && !IsSectionHeader(kept[end]) && kept[end].empty())
            ++end;
        if (end == kept.size() || IsSectionHeader(kept[end]))
            kept.erase(kept.begin() + static_cast<long>(i), kept.begin() + static_cast<long>(end));
        break;
    }
    return Joined(kept);
}

IntegrationResult WriteDesktopIntegration(const std::string& installFolder,
                                          const std::vector<std::string>& installedFiles)
{
    IntegrationResult result;
    const std::string applications = ApplicationsFolder();
    WriteInto(applications + "/" + kProgramDesktopId, ProgramDesktopEntry(installFolder), result);
    WriteInto(applications + "/" + kHelpDesktopId, HelpDesktopEntry(installFolder), result);
    WriteInto(applications + "/" + kUninstallDesktopId, UninstallDesktopEntry(installFolder), result);

    const std::string dataHome = XdgDataHome();
    for (const std::string& relative : installedFiles) {
        const std::optional<std::string> target = IntegrationTargetFor(relative);
        if (!target)
            continue;
        std::string bytes;
        const std::string destination = dataHome + "/" + *target;
        if (ReadWholeFile(JoinFolder(installFolder, relative), bytes, kMaxIntegrationFileSize) != ReadFileResult::Ok)
            result.Failed.push_back(destination);
        else
            WriteInto(destination, bytes, result);
    }
    EditMimeAppsList(&WithDefaultApplication);
    RefreshDesktopCaches();
    return result;
}

void ForgetDesktopIntegration()
{
    EditMimeAppsList(&WithoutDefaultApplication);
    RefreshDesktopCaches();
}

void RefreshDesktopCaches()
{
    const std::string dataHome = XdgDataHome();
    std::error_code ec;
    if (std::filesystem::is_directory(dataHome + "/mime/packages", ec))
        RunToolIfPresent("update-mime-database", {dataHome + "/mime"});
    if (std::filesystem::is_directory(dataHome + "/applications", ec))
        RunToolIfPresent("update-desktop-database", {"-q", dataHome + "/applications"});
}

}  // namespace vg
