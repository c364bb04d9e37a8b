#include "info/rtf_reader.h"

#include "info/rtf_tokenizer.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tamurik {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; 0 marks the five unused bytes.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t FromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kWindows1252High[byte - 0x80];
    }
    return byte;
}

// ---------------------------------------------------------------------------------------------
// Reader: a stack of group states over the tokens, writing runs of equally formatted text
// through a QTextCursor.

enum class Destination { Text, ColourTable, Skipped };

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // 0: the document's own size
    int colour = 0;     // index into the colour table
    Qt::Alignment alignment = Qt::AlignLeft;
    int spaceBefore = 0; // twips
    int spaceAfter = 0;  // twips
    int unicodeSkip = 1; // characters after \uN that stand in for it
    Destination destination = Destination::Text;
};

constexpr int kMinHalfPoints = 8;   // 4 pt
constexpr int kMaxHalfPoints = 288; // 144 pt
constexpr int kDefaultHalfPoints = 24;
constexpr std::size_t kMaxColours = 1024;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kMaxSpaceTwips = 1440;
constexpr double kTwipsPerPixel = 15.0;

// Groups whose whole content is of no use to the viewer.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 24> kSkipped = {
        "fonttbl", "stylesheet", "info",       "pict",      "object",    "header",
        "headerl", "headerr",    "headerf",    "footer",    "footerl",   "footerr",
        "footerf", "footnote",   "nonshppict", "listtable", "filetbl",   "revtbl",
        "rsidtbl", "generator",  "xmlnstbl",   "themedata", "datastore", "listoverridetable"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

class RtfReader {
public:
    RtfReader(std::string_view bytes, QTextDocument& document)
        : tokens_(bytes), cursor_(&document) {}

    void Read() {
        cursor_.beginEditBlock();
        for (RtfToken token = tokens_.Next(); token.kind != RtfToken::Kind::End && !Full();
             token = tokens_.Next()) {
            Handle(token);
        }
        Flush();
        ApplyParagraphFormat();
        cursor_.endEditBlock();
    }

private:
    GroupState& State() { return stack_.back(); }
    bool Full() const { return edits_ >= kRtfMaxEdits || characters_ >= kRtfMaxCharacters; }

    void Handle(const RtfToken& token) {
        switch (token.kind) {
        case RtfToken::Kind::GroupOpen:
            OpenGroup();
            return;
        case RtfToken::Kind::GroupClose:
            CloseGroup();
            return;
        case RtfToken::Kind::Word:
            // \bin data must be passed over even inside skipped groups and fallback text.
            if (token.text == "bin") {
                const std::int32_t count = token.hasParameter ? token.parameter : 0;
                tokens_.Skip(static_cast<std::size_t>(std::max<std::int32_t>(count, 0)));
                return;
            }
            if (SkipsFallback()) {
                return;
            }
            Word(token);
            return;
        case RtfToken::Kind::Symbol:
            if (SkipsFallback()) {
                return;
            }
            Symbol(token.symbol);
            return;
        case RtfToken::Kind::Byte:
            if (SkipsFallback()) {
                return;
            }
            if (State().destination == Destination::Text) {
                AddChar(FromWindows1252(token.byte));
            }
            return;
        case RtfToken::Kind::Text:
            Text(token.text);
            return;
        case RtfToken::Kind::End:
            return;
        }
    }

    // After \uN the next characters are the stand-in for readers without Unicode.
    bool SkipsFallback() {
        if (fallbackToSkip_ == 0) {
            return false;
        }
        --fallbackToSkip_;
        return true;
    }

    void OpenGroup() {
        Flush();
        fallbackToSkip_ = 0;
        if (stack_.size() > kRtfMaxGroupDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void CloseGroup() {
        Flush();
        fallbackToSkip_ = 0;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
        } else if (stack_.size() > 1) {
            stack_.pop_back();
        }
        // A closing brace without its opening one is ignored; reading goes on.
    }

    void Text(std::string_view text) {
        const std::size_t skipped = std::min(fallbackToSkip_, text.size());
        fallbackToSkip_ -= skipped;
        text.remove_prefix(skipped);
        switch (State().destination) {
        case Destination::Text:
            for (char c : text) {
                AddChar(FromWindows1252(static_cast<unsigned char>(c)));
            }
            return;
        case Destination::ColourTable:
            for (char c : text) {
                if (c == ';') {
                    EndColour();
                }
            }
            return;
        case Destination::Skipped:
            return;
        }
    }

    void Symbol(char symbol) {
        if (symbol == '*') {
            State().destination = Destination::Skipped;
            return;
        }
        if (State().destination != Destination::Text) {
            return;
        }
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            AddChar(static_cast<char16_t>(symbol));
            return;
        case '~':
            AddChar(0x00A0); // no-break space
            return;
        case '-':
            AddChar(0x00AD); // soft hyphen
            return;
        case '_':
            AddChar(0x2011); // non-breaking hyphen
            return;
        case '\r':
        case '\n':
            EndParagraph(); // a backslash before a line end is a paragraph end
            return;
        default:
            return; // \' without hex digits, \: \| and unknown symbols
        }
    }

    void Word(const RtfToken& token) {
        const std::string_view word = token.text;
        GroupState& state = State();
        if (state.destination == Destination::Skipped) {
            return;
        }
        const bool hasParameter = token.hasParameter;
        const std::int32_t parameter = token.parameter;
        if (word == "u") {
            UnicodeChar(parameter);
            fallbackToSkip_ = static_cast<std::size_t>(state.unicodeSkip);
            return;
        }
        if (word == "uc") {
            state.unicodeSkip = std::clamp(hasParameter ? parameter : 1, 0, kMaxUnicodeSkip);
            return;
        }
        if (state.destination == Destination::ColourTable) {
            ColourComponent(word, parameter);
            return;
        }
        if (IsSkippedDestination(word)) {
            Flush();
            state.destination = Destination::Skipped;
            return;
        }
        if (word == "colortbl") {
            Flush();
            state.destination = Destination::ColourTable;
            return;
        }
        if (CharacterWord(word)) {
            return;
        }
        // Everything below changes formatting, so the text so far is written first.
        Flush();
        const bool on = !hasParameter || parameter != 0;
        if (word == "par" || word == "page" || word == "sect" || word == "row") {
            EndParagraph();
        } else if (word == "pard") {
            state.alignment = Qt::AlignLeft;
            state.spaceBefore = 0;
            state.spaceAfter = 0;
        } else if (word == "sb") {
            state.spaceBefore = std::clamp(parameter, 0, kMaxSpaceTwips);
        } else if (word == "sa") {
            state.spaceAfter = std::clamp(parameter, 0, kMaxSpaceTwips);
        } else if (word == "ql") {
            state.alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            state.alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            state.alignment = Qt::AlignRight;
        } else if (word == "qj") {
            state.alignment = Qt::AlignJustify;
        } else if (word == "b") {
            state.bold = on;
        } else if (word == "i") {
            state.italic = on;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw") {
            state.underline = on;
        } else if (word == "ulnone") {
            state.underline = false;
        } else if (word == "fs") {
            state.halfPoints = std::clamp(hasParameter ? parameter : kDefaultHalfPoints,
                                          kMinHalfPoints, kMaxHalfPoints);
        } else if (word == "cf") {
            state.colour = std::max(parameter, 0);
        } else if (word == "plain") {
            state.bold = false;
            state.italic = false;
            state.underline = false;
            state.halfPoints = 0;
            state.colour = 0;
        }
        // Every other control word is skipped.
    }

    // Control words that stand for one character.
    bool CharacterWord(std::string_view word) {
        struct Entry {
            std::string_view word;
            char16_t character;
        };
        static constexpr std::array<Entry, 10> kCharacters = {{{"line", 0x2028},
                                                               {"tab", u'\t'},
                                                               {"cell", u'\t'},
                                                               {"emdash", 0x2014},
                                                               {"endash", 0x2013},
                                                               {"bullet", 0x2022},
                                                               {"lquote", 0x2018},
                                                               {"rquote", 0x2019},
                                                               {"ldblquote", 0x201C},
                                                               {"rdblquote", 0x201D}}};
        for (const Entry& entry : kCharacters) {
            if (entry.word == word) {
                AddChar(entry.character);
                return true;
            }
        }
        return false;
    }

    void UnicodeChar(std::int32_t parameter) {
        if (State().destination != Destination::Text) {
            return;
        }
        // Values above 32767 are written as negative numbers.
        const std::int64_t value = parameter < 0 ? std::int64_t{parameter} + 65536 : parameter;
        AddChar(value >= 0 && value <= 0xFFFF ? static_cast<char16_t>(value) : char16_t{0xFFFD});
    }

    void ColourComponent(std::string_view word, std::int32_t parameter) {
        const int value = std::clamp(parameter, 0, 255);
        if (word == "red") {
            colourRed_ = value;
        } else if (word == "green") {
            colourGreen_ = value;
        } else if (word == "blue") {
            colourBlue_ = value;
        } else {
            return;
        }
        colourGiven_ = true;
    }

    // An entry without components is the automatic colour (the viewer's own text colour).
    void EndColour() {
        if (colours_.size() < kMaxColours) {
            colours_.push_back(
                colourGiven_ ? std::optional<QColor>(QColor(colourRed_, colourGreen_, colourBlue_))
                             : std::nullopt);
        }
        colourRed_ = colourGreen_ = colourBlue_ = 0;
        colourGiven_ = false;
    }

    void AddChar(char16_t c) {
        // Control characters and the code points the text document keeps for itself would
        // end up as paragraphs or frames; they are dropped.
        if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c < 0xA0) || (c >= 0xFDD0 && c <= 0xFDEF) ||
            c >= 0xFFFE || characters_ >= kRtfMaxCharacters) {
            return;
        }
        pending_.append(QChar(c));
        ++characters_;
    }

    QTextCharFormat CharFormat() const {
        const GroupState& state = stack_.back();
        QTextCharFormat format;
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        if (state.halfPoints > 0) {
            format.setFontPointSize(state.halfPoints / 2.0);
        }
        const auto index = static_cast<std::size_t>(state.colour);
        if (index < colours_.size() && colours_[index]) {
            format.setForeground(QBrush(*colours_[index]));
        }
        return format;
    }

    void Flush() {
        if (pending_.isEmpty() || edits_ >= kRtfMaxEdits) {
            return;
        }
        cursor_.insertText(pending_, CharFormat()); // plain text, never markup
        pending_.clear();
        ++edits_;
    }

    // Paragraph formatting belongs to the paragraph that the next \par ends.
    void ApplyParagraphFormat() {
        const GroupState& state = State();
        QTextBlockFormat format;
        format.setAlignment(state.alignment);
        format.setTopMargin(state.spaceBefore / kTwipsPerPixel);
        format.setBottomMargin(state.spaceAfter / kTwipsPerPixel);
        if (cursor_.blockFormat() != format) { // a new block already has its predecessor's
            cursor_.setBlockFormat(format);
        }
    }

    void EndParagraph() {
        Flush();
        if (Full()) {
            return;
        }
        ApplyParagraphFormat();
        cursor_.insertBlock();
        ++edits_;
        ++characters_;
    }

    RtfTokenizer tokens_;
    QTextCursor cursor_;
    std::vector<GroupState> stack_{GroupState{}};
    std::size_t overflowDepth_ = 0;
    std::size_t fallbackToSkip_ = 0;
    std::vector<std::optional<QColor>> colours_;
    int colourRed_ = 0;
    int colourGreen_ = 0;
    int colourBlue_ = 0;
    bool colourGiven_ = false;
    QString pending_;
    std::size_t edits_ = 0;
    std::size_t characters_ = 0;
};

// The bytes from the opening "{\rtf" on, empty when they do not start that way.
std::string_view RtfStart(std::string_view bytes) {
    const std::size_t start = bytes.find_first_not_of(" \t\r\n\f\v");
    if (start == std::string_view::npos || !bytes.substr(start).starts_with("{\\rtf")) {
        return {};
    }
    return bytes.substr(start);
}

} // namespace

bool ReadRtf(std::string_view bytes, QTextDocument& document) {
    document.clear();
    bytes = RtfStart(bytes.substr(0, kRtfMaxBytes));
    if (bytes.empty()) {
        return false;
    }
    // Reading is not an edit the viewer could undo; recording it would only cost memory.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfReader(bytes, document).Read();
    document.setUndoRedoEnabled(undo);
    return true;
}

} // namespace tamurik
