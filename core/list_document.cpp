#include "list_document.h"

#include "word_lists.h"

#include <algorithm>
#include <array>
#include <exception>
#include <system_error>

namespace tamurik {

namespace fs = std::filesystem;

namespace {

// More lines than any list a teacher keeps (the real-verb list has some 11,000): a file of
// millions of empty lines would otherwise fill the memory with line records.
constexpr std::size_t kMaxListLines = 200000;
// The line numbers named in a message about overlong lines.
constexpr std::size_t kLinesNamed = 5;

std::size_t UnitSize(FileEncoding encoding) {
    return encoding == FileEncoding::Utf16LittleEndian || encoding == FileEncoding::Utf16BigEndian
               ? 2
               : 1;
}

// The character a code unit of the file stands for, as far as line ends are concerned: the
// byte itself, or in UTF-16 the unit; anything else than CR and LF is just "not a line end".
char32_t UnitAt(std::string_view bytes, std::size_t at, FileEncoding encoding) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (encoding == FileEncoding::Utf16LittleEndian) {
        return static_cast<char32_t>(byte(at) | byte(at + 1) << 8);
    }
    if (encoding == FileEncoding::Utf16BigEndian) {
        return static_cast<char32_t>(byte(at) << 8 | byte(at + 1));
    }
    return byte(at);
}

std::string EndBytes(LineEnd end, FileEncoding encoding) {
    switch (end) {
    case LineEnd::CrLf:
        return EncodeText(U"\r\n", encoding);
    case LineEnd::Lf:
        return EncodeText(U"\n", encoding);
    case LineEnd::Cr:
        return EncodeText(U"\r", encoding);
    case LineEnd::None:
        break;
    }
    return {};
}

bool IsBinaryControl(unsigned char byte) {
    return byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n';
}

// UTF-16 or UTF-32 without a byte-order mark: most characters of a word list lie below
// U+0100, so every second (or three of four) bytes are zero.
bool LooksLikeWideText(std::string_view bytes) {
    std::size_t zeros = 0;
    for (const char b : bytes) {
        zeros += b == '\0' ? 1 : 0;
    }
    return bytes.size() >= 4 && 5 * zeros >= 2 * bytes.size();
}

// A line of a Windows-1252 file holding a UTF-8 character: a file saved from two editors.
bool HasUtf8Sequence(std::string_view raw) {
    for (std::size_t at = 0; at < raw.size(); ++at) {
        const auto lead = static_cast<unsigned char>(raw[at]);
        if (lead < 0xC2 || lead > 0xF4) {
            continue;
        }
        const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (at + length <= raw.size() && IsValidUtf8(raw.substr(at, length))) {
            return true;
        }
    }
    return false;
}

Text LineNumbers(const std::vector<std::size_t>& numbers) {
    Text text;
    for (std::size_t i = 0; i < numbers.size() && i < kLinesNamed; ++i) {
        text += (i == 0 ? U"" : U", ") + Decimal(static_cast<long long>(numbers[i]));
    }
    if (numbers.size() > kLinesNamed) {
        text +=
            U" und " + Decimal(static_cast<long long>(numbers.size() - kLinesNamed)) + U" weitere";
    }
    return text;
}

Text EncodingName(FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Windows1252:
        return U"Windows-1252";
    case FileEncoding::Utf8:
    case FileEncoding::Utf8WithMark:
        return U"UTF-8";
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
        break;
    }
    return U"UTF-16";
}

std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char b : bytes) {
        hash = (hash ^ static_cast<unsigned char>(b)) * 1099511628211ull;
    }
    return hash;
}

std::int64_t ModifiedNs(const fs::path& path) {
    std::error_code ec;
    const fs::file_time_type time = fs::last_write_time(path, ec);
    if (ec) {
        return 0;
    }
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

} // namespace

ListDocument ListDocument::FromBytes(std::string_view bytes, WordListKind kind,
                                     std::optional<std::uintmax_t> fileSize) {
    ListDocument document(kind);
    if (bytes.empty() && (!fileSize || *fileSize == 0)) {
        document.AddFault(ReadFault::Empty, U"Die Datei ist leer.", true);
        return document;
    }
    const bool cut =
        (fileSize && *fileSize > bytes.size()) || bytes.size() > WorkDir::kMaxFileBytes;
    if (cut) {
        document.AddFault(ReadFault::TooLarge,
                          U"Die Datei ist größer als " +
                              Decimal(WorkDir::kMaxFileBytes / (1024 * 1024)) +
                              U" MB; nur ihr Anfang wurde gelesen. Sie kann hier nicht "
                              U"gespeichert werden.");
        bytes = bytes.substr(0, WorkDir::kMaxFileBytes);
        const std::size_t lastEnd = bytes.find_last_of("\r\n");
        if (lastEnd != std::string_view::npos) {
            bytes = bytes.substr(0, lastEnd + 1);
        }
    }

    FileEncoding encoding = DetectEncoding(bytes);
    const bool wide = UnitSize(encoding) == 2;
    if (!wide && bytes.find('\0') != std::string_view::npos) {
        if (LooksLikeWideText(bytes)) {
            document.AddFault(ReadFault::UnknownEncoding,
                              U"Die Datei ist in einer unbekannten Kodierung gespeichert "
                              U"(vielleicht UTF-16 ohne Kennung). Bitte als Windows-1252 oder "
                              U"UTF-8 speichern.");
        } else {
            document.AddFault(ReadFault::Binary, U"Die Datei ist keine Textdatei (sie enthält "
                                                 U"Nullbytes). Sie kann hier nicht gespeichert "
                                                 U"werden.");
        }
    } else if (!wide) {
        const auto controls =
            static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char b) {
                return IsBinaryControl(static_cast<unsigned char>(b));
            }));
        if (controls >= 4 && 20 * controls >= bytes.size()) {
            document.AddFault(ReadFault::Binary, U"Die Datei ist keine Textdatei (sie enthält "
                                                 U"viele Steuerzeichen). Sie kann hier nicht "
                                                 U"gespeichert werden.");
        }
    }
    document.encoding_ = encoding;

    const std::string_view mark = ByteOrderMark(encoding);
    std::string_view body = bytes.substr(mark.size());
    const std::size_t unit = UnitSize(encoding);
    std::array<std::size_t, 3> endCounts{};
    std::vector<std::size_t> overlong;
    std::vector<std::size_t> mixed;
    std::size_t start = 0;
    std::size_t at = 0;
    const auto addLine = [&](std::size_t end, LineEnd lineEnd) {
        ListLine line;
        line.raw.assign(body.substr(start, end - start));
        line.text = DecodeText(line.raw, encoding);
        line.fromFile = true;
        line.end = lineEnd;
        if (line.text.size() > kMaxWordLineLength) {
            overlong.push_back(document.lines_.size() + 1);
        }
        if (encoding == FileEncoding::Windows1252 && HasUtf8Sequence(line.raw)) {
            mixed.push_back(document.lines_.size() + 1);
        }
        if (lineEnd != LineEnd::None) {
            ++endCounts[static_cast<std::size_t>(lineEnd)];
        }
        document.lines_.push_back(std::move(line));
    };
    while (at + unit <= body.size() && document.lines_.size() < kMaxListLines) {
        const char32_t c = UnitAt(body, at, encoding);
        if (c != U'\r' && c != U'\n') {
            at += unit;
            continue;
        }
        const bool crLf = c == U'\r' && at + 2 * unit <= body.size() &&
                          UnitAt(body, at + unit, encoding) == U'\n';
        addLine(at, crLf ? LineEnd::CrLf : c == U'\r' ? LineEnd::Cr : LineEnd::Lf);
        at += crLf ? 2 * unit : unit;
        start = at;
    }
    if (document.lines_.size() >= kMaxListLines && start < body.size()) {
        if (!document.HasFault(ReadFault::TooLarge)) {
            document.AddFault(ReadFault::TooLarge,
                              U"Die Datei hat mehr als " +
                                  Decimal(static_cast<long long>(kMaxListLines)) +
                                  U" Zeilen; nur ihr Anfang wurde gelesen. Sie kann hier nicht "
                                  U"gespeichert werden.");
        }
    } else if (start < body.size()) {
        addLine(body.size(), LineEnd::None);
    }

    const auto most = std::max_element(endCounts.begin(), endCounts.end());
    if (*most > 0) {
        document.defaultEnd_ = static_cast<LineEnd>(most - endCounts.begin());
    }
    if (!mixed.empty()) {
        // Readable, and every untouched line keeps its bytes: the teacher can mend the lines.
        document.AddFault(ReadFault::UnknownEncoding,
                          U"Die Datei ist nicht durchgehend in einer Kodierung gespeichert: "
                          U"Zeile " +
                              LineNumbers(mixed) +
                              U" enthält UTF-8-Zeichen in einer Windows-1252-Datei und zeigt "
                              U"Umlaute falsch. Bitte diese Zeilen neu eingeben.",
                          true);
    }
    // In a file that is no text, long "lines" are no news.
    if (!overlong.empty() && !document.HasFault(ReadFault::Binary) &&
        !document.HasFault(ReadFault::UnknownEncoding)) {
        document.AddFault(ReadFault::OverlongLines,
                          U"Zeile " + LineNumbers(overlong) + U" ist länger als " +
                              Decimal(static_cast<long long>(kMaxWordLineLength)) +
                              U" Zeichen; das Programm lässt solche Zeilen aus.",
                          true);
    }
    return document;
}

void ListDocument::AddFault(ReadFault fault, Text message, bool readWhole) {
    faults_.push_back(fault);
    faultMessages_.push_back(std::move(message));
    complete_ = complete_ && readWhole;
}

bool ListDocument::HasFault(ReadFault fault) const {
    return std::find(faults_.begin(), faults_.end(), fault) != faults_.end();
}

std::vector<Text> ListDocument::Texts() const {
    std::vector<Text> texts;
    texts.reserve(lines_.size());
    for (const ListLine& line : lines_) {
        texts.push_back(line.text);
    }
    return texts;
}

std::optional<Text> ListDocument::Refusal(TextView text) const {
    for (const char32_t c : text) {
        if (c == U'\r' || c == U'\n') {
            return Text(U"Eine Zeile kann keinen Zeilenumbruch enthalten.");
        }
        if (c != U'\t' && IsControlChar(c)) {
            return U"Das Zeichen Nr. " + Decimal(c) + U" ist ein Steuerzeichen, kein Textzeichen.";
        }
        if (!CanEncode(c, encoding_)) {
            return U"Das Zeichen „" + Text(1, c) + U"“ kann in dieser Datei (" +
                   EncodingName(encoding_) +
                   U") nicht gespeichert werden. Bitte ein anderes Zeichen verwenden.";
        }
    }
    return std::nullopt;
}

ListLine ListDocument::NewLine(Text text) const {
    ListLine line;
    line.text = std::move(text);
    line.end = defaultEnd_;
    return line;
}

std::optional<ListLine> ListDocument::SetLine(std::size_t i, Text text) {
    if (i >= lines_.size() || Refusal(text)) {
        return std::nullopt;
    }
    ListLine old = lines_[i];
    ListLine changed = NewLine(std::move(text));
    changed.end = old.end;
    lines_[i] = std::move(changed);
    modified_ = true;
    return old;
}

void ListDocument::RestoreLine(std::size_t i, ListLine old) {
    if (i < lines_.size()) {
        lines_[i] = std::move(old);
        modified_ = true;
    }
}

bool ListDocument::InsertLine(std::size_t i, Text text) {
    if (i > lines_.size() || Refusal(text)) {
        return false;
    }
    InsertLine(i, NewLine(std::move(text)));
    return true;
}

void ListDocument::InsertLine(std::size_t i, ListLine line) {
    i = std::min(i, lines_.size());
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(i), std::move(line));
    modified_ = true;
}

ListLine ListDocument::RemoveLine(std::size_t i) {
    if (i >= lines_.size()) {
        return ListLine{};
    }
    ListLine removed = std::move(lines_[i]);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
    modified_ = true;
    return removed;
}

void ListDocument::MoveLine(std::size_t from, std::size_t to) {
    if (from >= lines_.size() || from == to) {
        return;
    }
    ListLine line = RemoveLine(from);
    InsertLine(to, std::move(line));
}

std::string ListDocument::ToBytes() const {
    std::string bytes(ByteOrderMark(encoding_));
    const std::string defaultEnd = EndBytes(defaultEnd_, encoding_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ListLine& line = lines_[i];
        bytes += line.fromFile ? line.raw : EncodeText(line.text, encoding_);
        if (line.end != LineEnd::None) {
            bytes += EndBytes(line.end, encoding_);
        } else if (i + 1 < lines_.size()) {
            // the file's last line, without an end, is no longer last
            bytes += defaultEnd;
        }
    }
    return bytes;
}

FileStamp StampOf(const WorkDir& dir, const std::string& name) {
    FileStamp stamp;
    try {
        const fs::path path = dir.PathOf(name);
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) {
            return stamp;
        }
        stamp.exists = true;
        stamp.size = fs::file_size(path, ec);
        stamp.modifiedNs = ModifiedNs(path);
        if (const std::optional<std::string> bytes = dir.ReadBytes(name)) {
            stamp.hash = Fnv1a(*bytes);
        }
    } catch (const std::exception&) {
        // A stamp that cannot be taken compares as a change: the teacher is asked.
        stamp.hash = 1;
    }
    return stamp;
}

ListDocument OpenList(const WorkDir& dir, const std::string& name) {
    const WordListKind kind = KindForFileName(name);
    ListDocument document(kind);
    try {
        const fs::path path = dir.PathOf(name);
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (!fs::exists(status)) {
            document.AddFault(ReadFault::Missing,
                              U"Die Datei " + dir.DisplayPath(name) +
                                  U" fehlt; sie wird beim Speichern neu "
                                  U"angelegt.",
                              true);
        } else {
            const FileStamp stamp = StampOf(dir, name);
            const std::optional<std::string> bytes =
                fs::is_regular_file(status) ? dir.ReadBytes(name) : std::nullopt;
            if (!bytes) {
                document.AddFault(ReadFault::Unreadable,
                                  U"Die Datei " + dir.DisplayPath(name) +
                                      U" kann nicht gelesen werden (keine Berechtigung oder "
                                      U"keine Datei).");
            } else {
                document = ListDocument::FromBytes(*bytes, kind, stamp.size);
                document.stamp = stamp;
            }
        }
    } catch (const std::exception&) {
        document = ListDocument(kind);
        document.AddFault(ReadFault::Unreadable,
                          U"Die Datei " + FromUtf8(name) + U" kann nicht gelesen werden.");
    }
    document.fileName = name;
    return document;
}

std::vector<std::size_t> FilterLines(const std::vector<Text>& lines, TextView part) {
    std::vector<std::size_t> found;
    const Text wanted = ToLower(part);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text lower = ToLower(lines[i]);
        if (Contains(lower, wanted) || Contains(RemoveChars(lower, U"123.-"), wanted)) {
            found.push_back(i);
        }
    }
    return found;
}

} // namespace tamurik
