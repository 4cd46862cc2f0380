#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vg {

// A settings file of "[Section]" headers and "key=value" lines. Sections and
// keys compare without regard to ASCII letter case; the first of duplicated
// sections or keys counts. Lines that are neither (comments, junk) are kept
// untouched when the file is written back. Every write replaces the file
// through a temporary file, so a crash never leaves a half-written one.
class ProfileFile {
public:
    // Loads path when it exists; a missing file reads as empty and is created
    // by the first write.
    explicit ProfileFile(std::string path);

    // An in-memory settings text that is never written to disk.
    static ProfileFile FromText(std::string_view text);

    const std::string& Path() const { return path_; }

    // False when the file exists but could not be read (the object then reads
    // as empty and refuses to write, so the file is never clobbered).
    bool Readable() const { return readable_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal integers only; a missing, malformed or out-of-range value gives
    // the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // Sets the value and saves the file (unless inside BeginUpdate/EndUpdate).
    // Line breaks in the texts become blanks. Returns false when saving failed.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);

    // Collects writes and saves them once at EndUpdate.
    void BeginUpdate();
    bool EndUpdate();

    // The file's text as it would be written.
    std::string ToText() const;

private:
    enum class LineKind { Other, Section, Entry };
    struct Line {
        LineKind kind = LineKind::Other;
        std::string text;   // the line as it stands in the file
        std::string name;   // case-folded section name or key
        std::string value;  // trimmed value of an entry
    };

    ProfileFile() = default;
    void Parse(std::string_view text);
    static Line ParseLine(std::string_view raw);
    // Index of the section header, or -1.
    long FindSection(std::string_view section) const;
    // Index of the entry in the section starting at header, or -1.
    long FindEntry(long header, std::string_view key) const;
    long SectionEnd(long header) const;
    bool Save();

    std::string path_;
    bool readable_ = true;
    int updateDepth_ = 0;
    bool pendingSave_ = false;
    std::vector<Line> lines_;
};

}  // namespace vg
