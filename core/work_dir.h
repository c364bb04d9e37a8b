#pragma once
// All file access of the program: one working folder, tolerant reading, Windows-1252 with
// CR LF writing, and rewrites that replace a file atomically.

#include "text.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

class WorkDir {
public:
    explicit WorkDir(std::filesystem::path folder);
    virtual ~WorkDir() = default;
    WorkDir(const WorkDir&) = default;
    WorkDir& operator=(const WorkDir&) = default;

    const std::filesystem::path& folder() const { return folder_; }
    // The path of a file of the folder. When no file has exactly that name but one differs
    // only in the case of its letters (zahlverb.txt for ZAHLVERB.TXT), that one is used.
    std::filesystem::path PathOf(const std::string& name) const;
    // The full path as the child sees it in messages.
    Text DisplayPath(const std::string& name) const;

    bool Exists(const std::string& name) const;
    // The lines of a file; no value when it is missing, not a regular file or unreadable.
    // A file larger than kMaxFileBytes is read only up to that size.
    std::optional<std::vector<Text>> ReadLines(const std::string& name) const;
    // The raw bytes (for the manual); no value when missing or unreadable.
    std::optional<std::string> ReadBytes(const std::string& name) const;

    // Replaces the file with these lines (Windows-1252, each ended by CR LF), through a
    // temporary file beside it and a rename. False when anything fails; the old file then
    // stays as it was. Every write of the program ends here (a test may make it fail, as a
    // full disk would).
    virtual bool WriteLines(const std::string& name, const std::vector<Text>& lines) const;
    // Replaces the file with these bytes the same way (beside, then rename); false when
    // anything fails, the old file then stays as it was. A missing folder is not created.
    virtual bool WriteBytes(const std::string& name, std::string_view bytes) const;
    // Adds one line at the end (an atomic rewrite of the whole file). When `keep` is given, the
    // old lines it refuses are left out of the rewrite. A file that is there but cannot be read
    // is left alone (false).
    bool AppendLine(const std::string& name, const Text& line,
                    const std::function<bool(const Text&)>& keep = nullptr) const;

    static constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;

private:
    std::filesystem::path folder_;
};

} // namespace tamurik
