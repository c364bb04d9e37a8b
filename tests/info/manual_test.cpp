// The shipped manual TAMURIK.RTF as the manual viewer reads it: its chapters, its table of
// contents, its German letters, and the word-list lines it shows a teacher as examples.

#include "data/checker/word_list_check.h"
#include "info/rtf_reader.h"
#include "ui/text_qt.h"

#include <QFont>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tamurik {
namespace {

std::string ShippedManualBytes() {
    std::ifstream file(std::string(TAMURIK_DATA_DIR) + "/TAMURIK.RTF", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A heading is a paragraph written in bold throughout, in a larger type than the text.
bool IsHeading(const QTextBlock& block) {
    if (block.text().trimmed().isEmpty()) {
        return false;
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.fontWeight() < QFont::Bold || format.fontPointSize() <= 13.0) {
            return false;
        }
    }
    return true;
}

class ShippedManualTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string bytes = ShippedManualBytes();
        ASSERT_FALSE(bytes.empty()) << "data/TAMURIK.RTF is missing or empty";
        ASSERT_TRUE(ReadRtf(bytes, document_));
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            paragraphs_.append(block.text());
            isHeading_.push_back(IsHeading(block));
            if (isHeading_.back()) {
                headings_.append(block.text());
            }
        }
        text_ = document_.toPlainText();
    }

    QTextDocument document_;
    QStringList paragraphs_;
    std::vector<bool> isHeading_; // one per paragraph
    QStringList headings_;
    QString text_;
};

TEST_F(ShippedManualTest, EveryExerciseAndChapterHasItsHeading) {
    // The exercises by the names their windows carry.
    const QStringList exercises = {"Quatschverben",         "Verben trennen",
                                   "Verben schnell lesen",  "ABC-Verben",
                                   "Reimverben-Memory",     "Reimverben finden",
                                   "Reimverben schreiben",  "Verbbedeutung",
                                   "Galgenspiel",           "Verbformen",
                                   "Verben verlängern",     "Verben zusammenpuzzeln",
                                   "Verben zusammensetzen", "Verben schreiben"};
    ASSERT_EQ(exercises.size(), 14);
    for (int i = 0; i < exercises.size(); ++i) {
        const QString heading = QString("7.%1 %2").arg(i + 1).arg(exercises[i]);
        EXPECT_TRUE(headings_.contains(heading)) << heading.toStdString();
    }
    for (const char* topic : {"Hauptmenü", "Devadodad", "Bestenlisten", "Passwort",
                              "Wortlisten bearbeiten", "Verbenwahl", "Trennzeichen"}) {
        const QString wanted = QString::fromUtf8(topic);
        EXPECT_TRUE(std::any_of(headings_.begin(), headings_.end(), [&](const QString& h) {
            return h.contains(wanted);
        })) << topic;
    }
}

// The table of contents lists the numbered chapters in the order they follow, word for word.
TEST_F(ShippedManualTest, TableOfContentsMatchesTheChapters) {
    const int contents = static_cast<int>(paragraphs_.indexOf("Inhalt"));
    ASSERT_GE(contents, 0);
    ASSERT_TRUE(isHeading_[static_cast<std::size_t>(contents)]);
    const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\d* \\S"));
    QStringList listed;
    for (int i = contents + 1; i < paragraphs_.size(); ++i) {
        const QString entry = paragraphs_[i].trimmed();
        if (isHeading_[static_cast<std::size_t>(i)] || !numbered.match(entry).hasMatch()) {
            break; // the first chapter
        }
        listed.append(entry);
    }
    QStringList chapters;
    for (const QString& heading : headings_) {
        if (numbered.match(heading).hasMatch()) {
            chapters.append(heading);
        }
    }
    EXPECT_GE(listed.size(), 20);
    EXPECT_EQ(listed.join('\n').toStdString(), chapters.join('\n').toStdString());
}

TEST_F(ShippedManualTest, GermanLettersComeOutAndNoRtfShowsThrough) {
    for (const char* word :
         {"Übungen", "Hauptmenü", "für", "Spaß", "„Devadodad“", "Schlüsse", "läufst", "•"}) {
        EXPECT_TRUE(text_.contains(QString::fromUtf8(word))) << word;
    }
    EXPECT_FALSE(text_.contains(QChar(0xFFFD)));          // no undecodable character
    EXPECT_FALSE(text_.contains(QString::fromUtf8("Ã"))); // no UTF-8 read as Windows-1252
    EXPECT_FALSE(text_.contains('\\'));
    EXPECT_FALSE(text_.contains('{'));
    EXPECT_FALSE(text_.contains('}'));
    // A control word the reader does not know would have been skipped; one written without its
    // backslash shows up as a letter run glued to digits such as "par" or "fs24".
    const QRegularExpression glued(QStringLiteral("\\b(par|pard|fs\\d+|cf\\d+|sa\\d+|sb\\d+)\\b"));
    EXPECT_FALSE(glued.match(text_).hasMatch()) << glued.match(text_).captured().toStdString();
}

// Other readers are stricter than ours: a brace too many ends the document early for them, and
// a byte beyond ASCII depends on the code page they assume. So the file is 7-bit text whose
// outermost group closes at its very end.
TEST_F(ShippedManualTest, FileIsPlainAsciiWithBalancedGroups) {
    const std::string bytes = ShippedManualBytes();
    const std::size_t end = bytes.find_last_not_of(" \r\n");
    ASSERT_NE(end, std::string::npos);
    int depth = 0;
    for (std::size_t i = 0; i <= end; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        ASSERT_LT(c, 0x80) << "byte " << i << " is not ASCII; write it as \\'xx";
        if (c == '\\') {
            ++i; // an escaped character: \{ \} \\ or the first letter of a control word
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
            ASSERT_TRUE(depth > 0 || i == end) << "the document group closes at byte " << i;
        }
    }
    EXPECT_EQ(depth, 0);
}

// A paragraph that is exactly a line of a word file: a marked verb, perhaps with " = " and its
// explanation.
bool IsWordFileLine(const QString& paragraph) {
    static const QRegularExpression line(
        QStringLiteral("^1[a-zäöüß]*2[a-zäöüß.-]+3[a-zäöüß]+( = .+)?$"));
    return line.match(paragraph).hasMatch();
}

// What the manual teaches about the marks must hold for the word files: every marked example
// passes the checker a teacher runs on an edited list. The examples are snippets, so what the
// checker says about a file as a whole (a rhyme list needs nine pairs) does not apply to them.
void ExpectNoLineProblems(const std::vector<Text>& lines, WordListKind kind) {
    for (const WordListProblem& problem : CheckWordList(lines, kind)) {
        if (problem.line > 0) {
            ADD_FAILURE() << ToUtf8(problem.text) << ": " << ToUtf8(problem.message);
        }
    }
}

TEST_F(ShippedManualTest, MarkedExamplesFollowTheWordListRules) {
    int checked = 0;
    // Whole example lines: a single one is a verb-list line, a run of them a rhyme list.
    for (int i = 0; i < paragraphs_.size();) {
        std::vector<Text> run;
        while (i < paragraphs_.size() && IsWordFileLine(paragraphs_[i])) {
            run.push_back(FromQ(paragraphs_[i++]));
        }
        if (run.empty()) {
            ++i;
            continue;
        }
        EXPECT_TRUE(run.size() == 1 || run.size() % 2 == 0) << "a rhyme pair lacks its partner";
        ExpectNoLineProblems(run, run.size() == 1 ? WordListKind::Verbs : WordListKind::Rhymes);
        checked += static_cast<int>(run.size());
    }
    EXPECT_GE(checked, 5); // the common and rare verb lines and the rhyme pairs

    // Marked words inside the text.
    static const QRegularExpression marked(
        QStringLiteral("(?<![\\w.-])1[a-zäöüß]*2[a-zäöüß.-]+3[a-zäöüß]+"));
    int inText = 0;
    for (auto it = marked.globalMatch(text_); it.hasNext(); ++inText) {
        ExpectNoLineProblems({FromQ(it.next().captured())}, WordListKind::Verbs);
    }
    EXPECT_GE(inText, 15);
}

} // namespace
} // namespace tamurik
