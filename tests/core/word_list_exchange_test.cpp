#include "core/word_list_exchange.h"

#include "core/work_dir.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tamurik {
namespace {

using namespace std::string_literals;
using test::Utf16;

TEST(WordListExchangeTest, ImportReadsEveryEncodingIntoAReview) {
    const MarkSuggester suggester({U"1l2a.ch3en"});
    const std::vector<Text> list = {U"1b2a-d3en"};
    const std::string plain = "schwimmen\r\n# Kommentar\n\n  Lachen \rbaden\nverlieren\n";
    const std::string latin = plain + "gr\374\337en";
    const std::string cases[] = {
        latin,
        plain + "gr\303\274\303\237en\r\n",
        "\357\273\277" + plain + "gr\303\274\303\237en",
        Utf16(latin, true, true),
        Utf16(latin, false, true),
        Utf16(latin, true, false),
        Utf16(latin, false, false),
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes);
        const ImportReview review = ReviewImport(bytes, WordListKind::Verbs, suggester, list);
        EXPECT_TRUE(review.messages.empty());
        ASSERT_EQ(review.rows.size(), 5u);
        EXPECT_EQ(review.rows[0].line, U"1schw2im.m3en");
        EXPECT_EQ(review.rows[0].sourceLine, 1);
        EXPECT_TRUE(review.rows[0].proposed());
        EXPECT_EQ(review.rows[1].source, U"Lachen");
        EXPECT_EQ(review.rows[1].line, U"1l2a.ch3en");
        EXPECT_EQ(review.rows[1].suggestion.source, SuggestionSource::Known);
        EXPECT_TRUE(review.rows[2].alreadyListed); // baden
        EXPECT_FALSE(review.rows[2].proposed());
        EXPECT_EQ(review.rows[3].suggestion.source, SuggestionSource::None); // verlieren
        EXPECT_FALSE(review.rows[3].problems.empty());
        EXPECT_EQ(review.rows[4].line, U"1gr2ü-ß3en");
    }
}

TEST(WordListExchangeTest, ImportKeepsExplanationsMarksAndFlagsRepeats) {
    const std::string bytes = "schufte = schwer arbeiten\n1k2en.n3en\n1k2en-n3en\nkennen\n"
                              "schuften = schwer arbeiten\n";
    const ImportReview review = ReviewImport(bytes, WordListKind::Verbs, MarkSuggester(), {});
    ASSERT_EQ(review.rows.size(), 5u);
    EXPECT_FALSE(review.rows[0].proposed()); // "schufte" is no verb
    EXPECT_EQ(review.rows[1].line, U"1k2en.n3en");
    EXPECT_FALSE(review.rows[2].problems.empty()); // marks given wrongly are kept and shown
    EXPECT_TRUE(review.rows[3].alreadyListed);     // an earlier row has it
    EXPECT_EQ(review.rows[4].line, U"1sch2uf.t3en = schwer arbeiten");
    EXPECT_TRUE(review.rows[4].proposed());

    const ImportReview real = ReviewImport("Gehen\nge-hen\nlaufen\n", WordListKind::RealVerbs,
                                           MarkSuggester(), {U"laufen"});
    ASSERT_EQ(real.rows.size(), 3u);
    EXPECT_EQ(real.rows[0].line, U"gehen");
    EXPECT_TRUE(real.rows[0].proposed());
    EXPECT_FALSE(real.rows[1].problems.empty());
    EXPECT_TRUE(real.rows[2].alreadyListed);

    // UTF-16 without a mark, a few of its characters beyond Latin-1 (U+0100: a zero low byte).
    std::string wide;
    for (const char16_t c : std::u16string_view(u"schwimmen\nbacken\n\u0100\u0100\u0100\n"))
        wide += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    const ImportReview bigEndian = ReviewImport(wide, WordListKind::Verbs, MarkSuggester(), {});
    ASSERT_FALSE(bigEndian.rows.empty());
    EXPECT_EQ(bigEndian.rows[0].line, U"1schw2im.m3en");
}

TEST(WordListExchangeTest, ImportOfNoTextSaysSo) {
    const MarkSuggester none;
    EXPECT_EQ(ReviewImport("", WordListKind::Verbs, none, {}).messages,
              std::vector<Text>{U"Die Datei ist leer."});
    const ImportReview binary = ReviewImport("\177ELF\2\1\1\0\0\0\0\0\0\0\0\0\3\0>\0\1\0\0\0"s,
                                             WordListKind::Verbs, none, {});
    EXPECT_TRUE(binary.rows.empty());
    ASSERT_EQ(binary.messages.size(), 1u);
    EXPECT_TRUE(Contains(binary.messages[0], U"keine Textdatei"));
    const ImportReview blank =
        ReviewImport("\r\n  \n# nur ein Kommentar\n", WordListKind::Verbs, none, {});
    EXPECT_TRUE(blank.rows.empty());
    EXPECT_EQ(blank.messages, std::vector<Text>{U"Die Datei enthält keine Verben."});
    std::string huge;
    while (huge.size() <= WorkDir::kMaxFileBytes)
        huge += "gehen\n";
    EXPECT_EQ(ReviewImport(huge, WordListKind::RealVerbs, none, {}).messages,
              (std::vector<Text>{
                  U"Die Datei ist zu groß; nur ihr Anfang wurde gelesen.",
                  U"Die Datei hat mehr als 20000 Verben; nur die ersten wurden gelesen."}));
}

TEST(WordListExchangeTest, CsvExportAsTheTeacherAreaWritesIt) {
    EXPECT_EQ(WordListCsv({U"1k2en.n3en", U"1l2ah-m3en = \"hinken\"; =lahm"}, WordListKind::Verbs),
              "\xEF\xBB\xBF\"Zeile\";\"Verb\";\"Markiert\";\"Stammvokal\";\"Erkl\xC3\xA4rung\"\r\n"
              "\"1\";\"kennen\";\"1k2en.n3en\";\"kurz\";\"\"\r\n"
              "\"2\";\"lahmen\";\"1l2ah-m3en\";\"lang\";\"\"\"hinken\"\"; =lahm\"\r\n");
    EXPECT_EQ(WordListCsv({U"1b2a-d3en", U"1l2a-d3en", U"=1+1"}, WordListKind::Rhymes),
              "\xEF\xBB\xBF\"Zeile\";\"Reimpaar\";\"Verb\";\"Markiert\";\"Stammvokal\"\r\n"
              "\"1\";\"1\";\"baden\";\"1b2a-d3en\";\"lang\"\r\n"
              "\"2\";\"1\";\"laden\";\"1l2a-d3en\";\"lang\"\r\n"
              "\"3\";\"2\";\"'=+\";\"'=1+1\";\"\"\r\n");
    EXPECT_EQ(WordListCsv({U"gehen"}, WordListKind::RealVerbs),
              "\xEF\xBB\xBF\"Zeile\";\"Verb\"\r\n\"1\";\"gehen\"\r\n");
}

} // namespace
} // namespace tamurik
