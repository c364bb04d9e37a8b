#include "info/rtf_reader.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

namespace tamurik {
namespace {

QString Read(const std::string& rtf, QTextDocument& document) {
    EXPECT_TRUE(ReadRtf(rtf, document)) << rtf;
    return document.toRawText();
}

QString Text(const std::string& rtf) {
    QTextDocument document;
    return Read(rtf, document);
}

// The format of the first character of the first occurrence of `word`.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& word) {
    QTextCursor found = document.find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString() << " not in the document";
    found.setPosition(found.selectionStart() + 1);
    return found.charFormat();
}

bool IsBold(const QTextCharFormat& format) {
    return format.fontWeight() >= QFont::Bold;
}

// ---------------------------------------------------------------------------------------------
// What the manual uses

TEST(RtfReaderTest, CharacterFormatsFollowTheGroups) {
    QTextDocument document;
    Read(R"({\rtf1\ansi normal {\b fett} {\i schraeg} {\ul unter\ulnone strich} )"
         R"(\b an\b0 aus {\b\i beides{\i0 nurfett}wieder}ende})",
         document);
    EXPECT_FALSE(IsBold(FormatOf(document, "normal")));
    EXPECT_TRUE(IsBold(FormatOf(document, "fett")));
    EXPECT_FALSE(FormatOf(document, "fett").fontItalic());
    EXPECT_TRUE(FormatOf(document, "schraeg").fontItalic());
    EXPECT_FALSE(IsBold(FormatOf(document, "schraeg")));
    EXPECT_TRUE(FormatOf(document, "unter").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "strich").fontUnderline());
    EXPECT_TRUE(IsBold(FormatOf(document, "an")));
    EXPECT_FALSE(IsBold(FormatOf(document, "aus")));
    EXPECT_TRUE(FormatOf(document, "beides").fontItalic());
    EXPECT_TRUE(IsBold(FormatOf(document, "nurfett")));
    EXPECT_FALSE(FormatOf(document, "nurfett").fontItalic());
    EXPECT_TRUE(FormatOf(document, "wieder").fontItalic()); // the inner group ended
    EXPECT_FALSE(IsBold(FormatOf(document, "ende")));
    EXPECT_FALSE(FormatOf(document, "ende").fontItalic());
}

TEST(RtfReaderTest, FontSizeInHalfPointsIsClampedAndResetByPlain) {
    QTextDocument document;
    Read(R"({\rtf1 {\fs48 gross}{\fs999999 riesig}{\fs1 winzig}{\fs48 a\plain klein}})", document);
    EXPECT_DOUBLE_EQ(FormatOf(document, "gross").fontPointSize(), 24.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "riesig").fontPointSize(), 144.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "winzig").fontPointSize(), 4.0);
    EXPECT_FALSE(FormatOf(document, "klein").hasProperty(QTextFormat::FontPointSize));
}

TEST(RtfReaderTest, ColourTableColoursTheText) {
    QTextDocument document;
    Read(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue255;})"
         R"({\cf1 rot}{\cf2 blau}{\cf0 auto}{\cf77 fehlt} {\cf1 x\plain normal}})",
         document);
    EXPECT_EQ(FormatOf(document, "rot").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(document, "blau").foreground().color(), QColor(0, 128, 255));
    EXPECT_FALSE(FormatOf(document, "auto").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(FormatOf(document, "fehlt").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(FormatOf(document, "normal").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(document.toPlainText(), "rotblauautofehlt xnormal"); // the table is not text
}

TEST(RtfReaderTest, ParagraphsLinesTabsAlignmentAndSpacing) {
    QTextDocument document;
    Read("{\\rtf1\\qc\\sb150\\sa300 Titel\\par\\pard eins\\line zwei\\tab drei\\par\r\n\\qr "
         "rechts\\par "
         "\\qj block\\\nletzte}",
         document);
    ASSERT_EQ(document.blockCount(), 5);
    EXPECT_EQ(document.findBlockByNumber(0).text(), "Titel");
    EXPECT_TRUE(document.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(0).blockFormat().topMargin(), 10.0); // pixels
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(0).blockFormat().bottomMargin(), 20.0);
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(1).blockFormat().bottomMargin(), 0.0);
    EXPECT_EQ(document.findBlockByNumber(1).text(), QString("eins") + QChar(0x2028) + "zwei\tdrei");
    EXPECT_EQ(document.findBlockByNumber(1).blockFormat().alignment(),
              Qt::Alignment(Qt::AlignLeft));
    EXPECT_TRUE(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignRight);
    EXPECT_EQ(document.findBlockByNumber(3).text(), "block"); // backslash + line end
    EXPECT_TRUE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignJustify);
    EXPECT_EQ(document.findBlockByNumber(4).text(), "letzte");
}

// The text of a document: escapes, Unicode with its fallback, destinations that are no text,
// truncated files, binary data and parameters beyond any number.
TEST(RtfReaderTest, TextComesOutDecodedAndWhatIsNoTextIsLeftOut) {
    const QString replacement(QChar(0xFFFD));
    const std::pair<std::string, QString> cases[] = {
        // Windows-1252 escapes, including the range where it differs from Latin-1.
        {R"({\rtf1 K\'e4se \'84\'d6l\'93 \'80 \'DF})", QString::fromUtf8("Käse „Öl“ € ß")},
        {R"({\rtf1 \\ \{ \} a\~b Trenn\-bar Ab\_bau})",
         QString::fromUtf8("\\ { } a\u00A0b Trenn\u00ADbar Ab\u2011bau")},
        {"{\\rtf1 zusam\r\nmen}", "zusammen"}, // line ends in the file are not text
        {R"({\rtf1 \u8364?5})", QString::fromUtf8("€5")},
        {R"({\rtf1 \u228\'e4 \uc2\u246??x})", QString::fromUtf8("ä öx")},
        {R"({\rtf1\uc0 \u252 x})", QString::fromUtf8("üx")},
        // Above 32767 the parameter is negative: a surrogate pair for U+1F600.
        {R"({\rtf1 \u-10179?\u-8704?})", QString::fromUtf8("\U0001F600")},
        {R"({\rtf1 {\uc3\u8364}abc})",
         QString::fromUtf8("€abc")}, // the fallback ends with its group
        {R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1 Verdana;}})"
         R"({\stylesheet{\s0 Normal;}}{\info{\title Geheim}{\author Jemand}})"
         R"({\*\generator Writer 1.0;}{\header Kopf}{\footer Fuss})"
         R"({\pict\pngblip 89504e47}{\object{\objdata 0102}}{\*\unbekannt xyz})"
         R"(\f0\fs24\lang1031\unknownword42 sichtbar})",
         "sichtbar"},
        {"{\\rtf1 Text\\", "Text"},
        {"{\\rtf1 Text\\pa", "Text"},
        {"{\\rtf1 Text\\fs-", "Text"},
        {"{\\rtf1 Text\\'", "Text"},
        {"{\\rtf1 Text\\'e", "Text"},
        {"{\\rtf1 Text\\u", "Text"},
        {"{\\rtf1 Text\\u8364", QString::fromUtf8("Text€")},
        {"{\\rtf1 Text\\'zz", "Textzz"}, // no hex digits: the letters are text
        {"{\\rtf1 Text\\'4z", "Textz"},
        {"{\\rtf1 Text\\" + std::string(100000, 'x'), "Text"},
        {"{\\rtf1 a\\bin4 {}\\zb}", "ab"}, // braces inside binary data count for nothing
        {"{\\rtf1 {\\pict\\bin3 }}}}x}", "x"},
        {"{\\rtf1 Ende\\bin999999999", "Ende"},
        {"{\\rtf1 Ende\\bin99999999999999999999 abc", "Ende"},
        {"{\\rtf1 a\\bin-5 b}", "ab"},
        {R"({\rtf1 \u99999999999?x})", replacement + "x"},
        {R"({\rtf1 \u2147483647?x})", replacement + "x"},
        {R"({\rtf1 \u-2147483648?x})", replacement + "x"},
        {R"({\rtf1 {\uc99999999999\u8364 abc}x})", QString::fromUtf8("€x")},
    };
    for (const auto& [rtf, text] : cases)
        EXPECT_EQ(Text(rtf), text) << rtf.substr(0, 80);
}

TEST(RtfReaderTest, MarkupInTheTextIsShownLiterally) {
    QTextDocument document;
    EXPECT_EQ(Read(R"({\rtf1 <b>x</b> &amp; <br>})", document), "<b>x</b> &amp; <br>");
    EXPECT_FALSE(IsBold(FormatOf(document, "x")));
    EXPECT_EQ(document.blockCount(), 1);
}

// ---------------------------------------------------------------------------------------------
// Damaged and hostile files

TEST(RtfReaderTest, ForeignBytesAreNotRtf) {
    QTextDocument document;
    document.setPlainText("alter Inhalt");
    EXPECT_FALSE(ReadRtf("Das ist keine RTF-Datei.", document));
    EXPECT_TRUE(document.isEmpty());
    document.setPlainText("alter Inhalt");
    EXPECT_FALSE(ReadRtf("", document));
    EXPECT_TRUE(document.isEmpty());
    EXPECT_FALSE(ReadRtf("{\\rt", document));
    EXPECT_FALSE(ReadRtf("\xEF\xBB\xBF{\\rtf1 x}", document));
    EXPECT_FALSE(ReadRtf(std::string("\0{\\rtf1 x}", 10), document));
    EXPECT_TRUE(document.isEmpty());

    EXPECT_TRUE(ReadRtf(" \r\n\t{\\rtf1 neu}", document));
    EXPECT_EQ(document.toPlainText(), "neu");
    EXPECT_TRUE(ReadRtf("{\\rtf1 a}", document)); // reading again replaces the content
    EXPECT_EQ(document.toPlainText(), "a");
}

TEST(RtfReaderTest, UnbalancedBracesAreReadAsFarAsPossible) {
    QTextDocument document;
    Read(R"({\rtf1 {\b offen {\i tiefer)", document);
    EXPECT_EQ(document.toPlainText(), "offen tiefer");
    EXPECT_TRUE(IsBold(FormatOf(document, "offen")));

    Read(R"({\rtf1 {\b a}}} b}}{\i c})", document);
    EXPECT_EQ(document.toPlainText(), "a bc");
    EXPECT_FALSE(IsBold(FormatOf(document, "b")));
    EXPECT_TRUE(FormatOf(document, "c").fontItalic());
}

TEST(RtfReaderTest, DeepNestingIsCappedAndUnwound) {
    const std::string rtf =
        "{\\rtf1 " + std::string(100000, '{') + "\\b tief" + std::string(100000, '}') + " oben}";
    QTextDocument document;
    EXPECT_EQ(Read(rtf, document), "tief oben");
    EXPECT_TRUE(IsBold(FormatOf(document, "tief")));
    EXPECT_FALSE(IsBold(FormatOf(document, "oben")));
}

TEST(RtfReaderTest, HugeColourAndSizeParametersDoNotOverflow) {
    QTextDocument document;
    Read(R"({\rtf1{\colortbl;\red99999999999\green-5\blue300;}{\cf99999999999 a}{\cf1 b}})",
         document);
    EXPECT_FALSE(FormatOf(document, "a").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatOf(document, "b").foreground().color(), QColor(255, 0, 255));
    Read(R"({\rtf1 {\fs-99999999999 klein}})", document);
    EXPECT_DOUBLE_EQ(FormatOf(document, "klein").fontPointSize(), 4.0);
}

TEST(RtfReaderTest, ControlCharactersAreDropped) {
    QTextDocument document;
    const std::string rtf =
        std::string("{\\rtf1 a") + '\0' + "b\x01\\'0a\\u13?\\u65533?\\u64976?c}";
    EXPECT_EQ(Read(rtf, document), QString("ab") + QChar(0xFFFD) + "c");
    EXPECT_EQ(document.blockCount(), 1);
}

TEST(RtfReaderTest, OversizedInputIsReadOnlyUpToTheLimits) {
    // A large picture is passed over; what lies beyond the byte limit is not read.
    const auto withPicture = [](std::size_t hexDigits) {
        return "{\\rtf1 vorne{\\pict " + std::string(hexDigits, 'f') + "}hinten}";
    };
    EXPECT_EQ(Text(withPicture(kRtfMaxBytes - 100)), "vornehinten");
    EXPECT_EQ(Text(withPicture(kRtfMaxBytes)), "vorne");

    const std::string longText = "{\\rtf1 " + std::string(kRtfMaxCharacters + 1000, 'a') + "}";
    EXPECT_EQ(static_cast<std::size_t>(Text(longText).size()), kRtfMaxCharacters);
}

TEST(RtfReaderTest, ManyParagraphsAndRunsAreCutAtTheEditLimit) {
    std::string rtf = "{\\rtf1 ";
    for (std::size_t i = 0; i < kRtfMaxEdits; ++i) {
        rtf += "x\\par {\\b y}";
    }
    QTextDocument document;
    Read(rtf, document);
    EXPECT_GT(document.blockCount(), 100);
    EXPECT_LE(static_cast<std::size_t>(document.blockCount()), kRtfMaxEdits / 2 + 1);
    EXPECT_TRUE(document.toPlainText().startsWith("x\nyx\nyx\n"));
    EXPECT_TRUE(IsBold(FormatOf(document, "y")));
    // Each run of text and each paragraph end is one edit, up to the limit.
    const QString text = document.toPlainText();
    EXPECT_EQ(static_cast<std::size_t>(text.count('x') + text.count('y') + text.count('\n')),
              kRtfMaxEdits);
}

} // namespace
} // namespace tamurik
