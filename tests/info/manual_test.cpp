// The shipped manual TAMURIK.RTF as the manual viewer reads it: its chapters and its German
// letters.

#include "info/rtf_reader.h"

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

namespace tamurik {
namespace {

std::string ShippedManualBytes() {
    std::ifstream file(std::string(TAMURIK_DATA_DIR) + "/TAMURIK.RTF", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A heading is a paragraph written in bold throughout, in a larger type than the text.
bool IsHeading(const QTextBlock& block) {
    if (block.text().trimmed().isEmpty())
        return false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.fontWeight() < QFont::Bold || format.fontPointSize() <= 13.0)
            return false;
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
            if (IsHeading(block))
                headings_.append(block.text());
        }
        text_ = document_.toPlainText();
    }

    QTextDocument document_;
    QStringList paragraphs_;
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
    EXPECT_TRUE(paragraphs_.contains(QStringLiteral("Der Wortlisten-Editor im Lehrerbereich")));
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

} // namespace
} // namespace tamurik
