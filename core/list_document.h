#pragma once
// A word list as the editor holds it: the lines of the file as read, with the encoding and
// the line end of each line remembered, so that a list opened and saved without changes
// keeps its bytes, and a line the teacher did not touch is written back byte for byte.

#include "encoding.h"
#include "text.h"
#include "word_list_check.h"
#include "work_dir.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamurik {

enum class LineEnd : unsigned char { CrLf, Lf, Cr, None };

// One line: its text, and for a line read from the file its bytes as they stood there
// (without the line end). An edited line has no bytes; it is written in the file's encoding.
struct ListLine {
    Text text;
    std::string raw;
    bool fromFile = false;
    LineEnd end = LineEnd::CrLf;
};

// What went wrong while reading a list. More than one may apply (an empty file is also
// complete; a huge file may hold overlong lines).
enum class ReadFault {
    Missing,         // no such file: the list starts empty and is created on saving
    Unreadable,      // there, but it cannot be read (no permission, a folder)
    Empty,           // no bytes
    Binary,          // zero bytes or many control characters: not a text file
    TooLarge,        // more than the program reads (16 MB or too many lines): only the start
    UnknownEncoding, // UTF-16 or UTF-32 without a mark (not saved over), or UTF-8 mixed
                     // into Windows-1252 (saved: untouched lines keep their bytes)
    OverlongLines,   // lines longer than the program reads as words
};

// When, how large and with what content a file was seen: to notice that another program
// changed it since it was opened.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0; // of the content (FNV-1a)
    bool operator==(const FileStamp&) const = default;
};

class ListDocument {
public:
    // An empty new list in the program's own format: Windows-1252 with CR LF.
    ListDocument() = default;
    explicit ListDocument(WordListKind kind) : kind_(kind) {}

    // A list from the bytes of a file. `fileSize` is the size of the whole file when only its
    // start was read (more than kMaxFileBytes).
    static ListDocument FromBytes(std::string_view bytes, WordListKind kind,
                                  std::optional<std::uintmax_t> fileSize = std::nullopt);

    WordListKind kind() const { return kind_; }
    FileEncoding encoding() const { return encoding_; }
    // The line end new lines get: the one most lines of the file have; CR LF in a new file.
    LineEnd defaultEnd() const { return defaultEnd_; }

    std::size_t size() const { return lines_.size(); }
    const ListLine& line(std::size_t i) const { return lines_[i]; }
    // The texts of all lines, for the checks.
    std::vector<Text> Texts() const;

    // The faults found on reading, and one German message naming each ("Die Datei ist größer
    // als 16 MB; nur ihr Anfang wurde gelesen."), in the order of ReadFault.
    const std::vector<ReadFault>& faults() const { return faults_; }
    const std::vector<Text>& faultMessages() const { return faultMessages_; }
    bool HasFault(ReadFault fault) const;
    // False when the file could not be read completely (unreadable, binary, too large, in an
    // unknown encoding): saving over it would lose what was not read.
    bool complete() const { return complete_; }

    // Why a text cannot be a line of this file, in German; no value when it can. A character
    // the file's encoding cannot hold ("„€“ passt …" is fine in Windows-1252, "„ő“" is not) is
    // refused on entry instead of being written as "?"; so is a line break.
    std::optional<Text> Refusal(TextView text) const;

    // Edits. Each returns what undo needs; the caller checks Refusal first (an edit with a
    // refused text is not made and returns false / no value).
    // Replaces the text of line i; returns the old line (to put back with RestoreLine).
    std::optional<ListLine> SetLine(std::size_t i, Text text);
    void RestoreLine(std::size_t i, ListLine old);
    // A new line before line i (i == size() appends).
    bool InsertLine(std::size_t i, Text text);
    void InsertLine(std::size_t i, ListLine line);
    ListLine RemoveLine(std::size_t i);
    // Line `from` taken out and put in at `to` (both from 0, `to` counted after taking out).
    void MoveLine(std::size_t from, std::size_t to);

    // Changed since reading or the last save.
    bool modified() const { return modified_; }
    void MarkSaved() { modified_ = false; }

    // The file's bytes: unchanged lines as they were read, edited ones in the file's encoding,
    // each with its line end (a byte-order mark when the file had one).
    std::string ToBytes() const;

    // Set by OpenList and after a save.
    std::string fileName;
    FileStamp stamp;

private:
    WordListKind kind_ = WordListKind::Verbs;
    FileEncoding encoding_ = FileEncoding::Windows1252;
    LineEnd defaultEnd_ = LineEnd::CrLf;
    std::vector<ListLine> lines_;
    std::vector<ReadFault> faults_;
    std::vector<Text> faultMessages_;
    bool complete_ = true;
    bool modified_ = false;

    // `readWhole`: the fault leaves the list complete enough to be saved over the file.
    void AddFault(ReadFault fault, Text message, bool readWhole = false);
    friend ListDocument OpenList(const WorkDir& dir, const std::string& name);
    ListLine NewLine(Text text) const;
};

// The list in file `name` of the folder, its kind from the name; a missing or unreadable file
// gives an empty list with that fault.
ListDocument OpenList(const WorkDir& dir, const std::string& name);

// The stamp of the file as it is now (exists false when it is missing).
FileStamp StampOf(const WorkDir& dir, const std::string& name);

// Lines (from 0) whose text or plain verb contains `part`, letter case ignored; every line
// when `part` is empty.
std::vector<std::size_t> FilterLines(const std::vector<Text>& lines, TextView part);

} // namespace tamurik
