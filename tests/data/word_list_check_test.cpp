#include "core/word_list_check.h"

#include "core/encoding.h"
#include "core/word_lists.h"
#include "core/work_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tamurik {
namespace {

using namespace std::string_literals;

// The messages reported for one line, found by its line number.
std::vector<Text> MessagesFor(const std::vector<WordListProblem>& problems, int line) {
    std::vector<Text> messages;
    for (const WordListProblem& problem : problems) {
        if (problem.line == line)
            messages.push_back(problem.message);
    }
    return messages;
}

bool Mentions(const std::vector<Text>& messages, TextView part) {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const Text& message) { return Contains(message, part); });
}

// A verb list with a good first line and the bad line as its second: the fault must be
// reported on line 2, with a message that names it, and nowhere else.
void ExpectVerbFault(const Text& bad, TextView messagePart) {
    SCOPED_TRACE(ToUtf8(bad));
    const auto problems = CheckWordList({U"1sp2ie-l3en", bad, U"1r2en.n3en"}, WordListKind::Verbs);
    ASSERT_FALSE(problems.empty());
    EXPECT_TRUE(Mentions(MessagesFor(problems, 2), messagePart))
        << ToUtf8(problems.front().message);
    for (const WordListProblem& problem : problems) {
        EXPECT_EQ(problem.line, 2) << ToUtf8(problem.message);
        EXPECT_EQ(problem.text, bad);
    }
}

TEST(WordListCheckTest, GoodVerbLinesPass) {
    const std::vector<Text> good = {
        U"1sp2ie-l3en", U"1r2en.n3en", U"1b2a.ck3en",  U"1sch2imp.f3en",
        U"1z2ah-l3en",  U"1gr2ü-ß3en", U"1h2ei-z3en",  U"1s2e-h3en",
        U"1w2a.sch3en", U"1b2o.x3en",  U"1l2a.ch3en",  U"1w2a.ck3eln",
        U"1d2au-3ern",  U"12ei-l3en",  U"1h2or.ch3en", U"1sch2uf.t3en = arbeiten, plagen"};
    for (const WordListProblem& problem : CheckWordList(good, WordListKind::Verbs))
        ADD_FAILURE() << problem.line << ": " << ToUtf8(problem.message);
}

TEST(WordListCheckTest, MarksMustStandOnceInOrder) {
    ExpectVerbFault(U"b2a-d3en", U"„1“ fehlt");
    ExpectVerbFault(U"1b2a-d3e3n", U"„3“ steht mehr als einmal");
    ExpectVerbFault(U"b12a-d3en", U"beginnt nicht mit der Marke „1“");
    ExpectVerbFault(U"1b3a-d2en", U"Reihenfolge");
    ExpectVerbFault(U"1b2ad3en", U"Trennzeichen fehlt");
    ExpectVerbFault(U"1b2a-d3e.n", U"Mehr als ein Trennzeichen");
    ExpectVerbFault(U"1b-2ad3en", U"nicht im Mittelteil");
    ExpectVerbFault(U"1b2a-d3ent", U"Endung nach „3“ ist „ent“");
    ExpectVerbFault(U"1b2a-d3", U"Endung nach „3“ ist „“");
}

TEST(WordListCheckTest, SeparatorShapes) {
    ExpectVerbFault(U"1s2e-3en", U"direkt vor „3“");    // needs a vowel pair
    ExpectVerbFault(U"1n2äh-3en", U"direkt vor „3“");   // "h" then "-" then the ending
    ExpectVerbFault(U"1r2en-n3en", U"Vor „-“ steht");   // consonant before "-"
    ExpectVerbFault(U"1sp2ie-lt3en", U"höchstens ein"); // two consonants after "-"
    ExpectVerbFault(U"1b2a-ck3en", U"höchstens ein");   // "ck" follows a short vowel
    ExpectVerbFault(U"1f2a.l3en", U"mindestens einer"); // short vowel, one consonant
    ExpectVerbFault(U"1r2e.nn3en", U"genau ein Mitlaut");
    ExpectVerbFault(U"1r2en.3en", U"fehlt der Mitlaut");
    ExpectVerbFault(U"1w2oh.n3en", U"Dehnungs-h");
    ExpectVerbFault(U"1b2r.n3en", U"kein Stammvokal");
    ExpectVerbFault(U"1b2ae.n3en", U"nur Mitlaute");
}

TEST(WordListCheckTest, LettersAndBlanks) {
    ExpectVerbFault(U"1B2a-d3en", U"Großbuchstabe „B“");
    ExpectVerbFault(U"1Ä2a-d3en", U"Großbuchstabe „Ä“");
    ExpectVerbFault(U"1b2a-d3én", U"Unerlaubtes Zeichen „é“");
    ExpectVerbFault(U"1b2a-d3e\tn", U"Tabulator");
    ExpectVerbFault(U"1b2a -d3en", U"Leerzeichen im Wort");
    ExpectVerbFault(U"1b2a-d3en ", U"Zeilenende");
    ExpectVerbFault(U" 1b2a-d3en", U"Zeilenanfang");
    ExpectVerbFault(U"", U"leere Zeile");
    ExpectVerbFault(U"   ", U"nur Leerzeichen");
    ExpectVerbFault(U"1b2a-d3\x01"
                    U"en",
                    U"Steuerzeichen Nr. 1");
}

TEST(WordListCheckTest, Explanations) {
    ExpectVerbFault(U"1b2a-d3en =", U"fehlt die Erklärung");
    ExpectVerbFault(U"1b2a-d3en =  ", U"fehlt die Erklärung");
    ExpectVerbFault(U"1b2a-d3en=sich waschen", U"genau ein Leerzeichen");
    ExpectVerbFault(U"1b2a-d3en  = sich waschen", U"genau ein Leerzeichen");
    ExpectVerbFault(U"1b2a-d3en =  sich waschen", U"genau ein Leerzeichen");
    ExpectVerbFault(U"1b2a-d3en = sich = waschen", U"zweites „=“");
    ExpectVerbFault(U"1b2a-d3en = sich waschen.", U"enthält „.“");
    ExpectVerbFault(U"1b2a-d3en = Bade-wanne", U"enthält „-“");
    ExpectVerbFault(U" = sich waschen", U"fehlt das Wort");
    // The program leaves out a line this long; the longest it reads passes.
    const Text longest = U"1b2a-d3en = " + Text(kMaxWordLineLength - 12, U'x');
    EXPECT_TRUE(CheckWordList({longest}, WordListKind::Verbs).empty());
    ExpectVerbFault(longest + U"x", U"länger als 1000 Zeichen");
}

TEST(WordListCheckTest, DuplicateNamesTheFirstLine) {
    const auto problems = CheckWordList({U"1b2a-d3en", U"1r2en.n3en", U"1b2a-d3en = sich waschen"},
                                        WordListKind::Verbs);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 3);
    EXPECT_TRUE(Contains(problems[0].message, U"Zeile 1"));
}

std::vector<Text> NinePairs() {
    return {U"1b2a-d3en",   U"1l2a-d3en",  U"1k2o.ch3en",   U"1p2o.ch3en", U"1r2en.n3en",
            U"1br2en.n3en", U"1s2in.g3en", U"1spr2in.g3en", U"1z2ah-l3en", U"1str2ah-l3en",
            U"1p2a.ck3en",  U"1b2a.ck3en", U"1fl2ie-g3en",  U"1b2ie-g3en", U"1h2ö-r3en",
            U"1st2ö-r3en",  U"1d2au-3ern", U"1l2au-3ern"};
}

TEST(WordListCheckTest, RhymeListPairs) {
    EXPECT_TRUE(CheckWordList(NinePairs(), WordListKind::Rhymes).empty());

    auto lines = NinePairs();
    lines[3] = U"1p2o.ck3en"; // pair 2 no longer rhymes
    lines[6] = U"1b2a-d3en";  // pair 4 repeats pair 1, in the other order
    lines[7] = U"1l2a-d3en";
    lines[9] = U"1z2ah-l3en = zählen"; // no explanations here
    lines.push_back(U"1w2oh-n3en");    // odd number of lines
    const auto problems = CheckWordList(lines, WordListKind::Rhymes);
    EXPECT_TRUE(Mentions(MessagesFor(problems, 4), U"Reimteil ungleich"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 4), U"„2o.ch3en“ (Zeile 3)"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 7), U"schon in Zeile 1 und 2"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 10), U"keine Erklärungen"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 19), U"Reimpartner"));
    EXPECT_TRUE(MessagesFor(problems, 1).empty());
    EXPECT_TRUE(MessagesFor(problems, 8).empty());
}

TEST(WordListCheckTest, RhymeListTooSmall) {
    auto lines = NinePairs();
    lines.resize(16);
    EXPECT_TRUE(Mentions(MessagesFor(CheckWordList(lines, WordListKind::Rhymes), 0), U"18"));

    lines = NinePairs();
    lines[16] = U"1b2a-d3en"; // ninth pair rhymes like the first: only eight rhymes
    lines[17] = U"1schm2a-d3en";
    EXPECT_TRUE(Mentions(MessagesFor(CheckWordList(lines, WordListKind::Rhymes), 0),
                         U"verschiedene Reime"));

    lines = NinePairs();
    lines[1] = lines[0];
    EXPECT_TRUE(
        Mentions(MessagesFor(CheckWordList(lines, WordListKind::Rhymes), 2), U"demselben Wort"));
    EXPECT_TRUE(Mentions(MessagesFor(CheckWordList({}, WordListKind::Verbs), 0), U"keine Zeile"));
}

TEST(WordListCheckTest, EncodingOfTheBytes) {
    // Windows-1252 and UTF-8 are both fine, with any line end.
    EXPECT_TRUE(CheckWordFile("1gr2\xFC-\xDF"
                              "3en\r\n1z2ah-l3en\r\n",
                              WordListKind::Verbs)
                    .empty());
    EXPECT_TRUE(CheckWordFile("\xEF\xBB\xBF"
                              "1gr2\xC3\xBC-\xC3\x9F"
                              "3en\n1z2ah-l3en",
                              WordListKind::Verbs)
                    .empty());

    // A NUL byte and an undefined Windows-1252 byte, each on its own line.
    auto problems = CheckWordFile("1z2ah-l3en\r\n1b2a-d\0"
                                  "3en\r\n1r2en.n3en\x81\r\n"s,
                                  WordListKind::Verbs);
    EXPECT_TRUE(Mentions(MessagesFor(problems, 2), U"Steuerzeichen Nr. 0"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 3), U"Steuerzeichen Nr. 129"));
    EXPECT_TRUE(MessagesFor(problems, 1).empty());

    // One line saved as UTF-8 in an otherwise Windows-1252 file.
    problems = CheckWordFile("1gr2\xFC-\xDF"
                             "3en\r\n1z2\xC3\xA4h-l3en\r\n",
                             WordListKind::Verbs);
    EXPECT_TRUE(MessagesFor(problems, 1).empty());
    EXPECT_TRUE(Mentions(MessagesFor(problems, 2), U"UTF-8"));

    // Beyond 16 MB: checked as the program reads it, up to its last whole line.
    problems = CheckWordFile("1b2a-d3en\r\n" + std::string(WorkDir::kMaxFileBytes, 'x'),
                             WordListKind::Verbs);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(Contains(problems[0].message, U"16 MB"));

    // Saved as "Unicode": read like the same file in Windows-1252.
    EXPECT_TRUE(CheckWordFile("\xFF\xFE"
                              "1\0z\0002\0\xE4\0h\0-\0l\0003\0e\0n\0\r\0\n\0"s,
                              WordListKind::Verbs)
                    .empty());
    // A Windows-1252 byte in a UTF-8 file with a byte-order mark: that line is left out.
    problems = CheckWordFile("\xEF\xBB\xBF"
                             "1z2ah-l3en\r\n1gr2\xFC-\xDF"
                             "3en\r\n",
                             WordListKind::Verbs);
    EXPECT_TRUE(MessagesFor(problems, 1).empty());
    EXPECT_TRUE(Mentions(MessagesFor(problems, 2), U"lässt die Zeile aus"));
}

TEST(WordListCheckTest, KindFromFileName) {
    EXPECT_EQ(KindForFileName("ZAHLREIM.TXT"), WordListKind::Rhymes);
    EXPECT_EQ(KindForFileName("zahlreim_neu.txt"), WordListKind::Rhymes);
    EXPECT_EQ(KindForFileName("ZAHLVERB.TXT"), WordListKind::Verbs);
    EXPECT_EQ(KindForFileName("REIME.TXT"), WordListKind::Verbs);
    EXPECT_EQ(KindForFileName("verben.txt"), WordListKind::RealVerbs);
}

TEST(WordListCheckTest, RealVerbsArePlainLowerCaseWords) {
    const auto problems = CheckWordList(
        {U"gehen", U"1schw2im.m3en", U"Laufen", U"gehen", U"gehen = laufen", U"ge hen"},
        WordListKind::RealVerbs);
    EXPECT_TRUE(MessagesFor(problems, 1).empty());
    EXPECT_TRUE(Mentions(MessagesFor(problems, 2), U"ohne Marken"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 3), U"Großbuchstabe"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 4), U"Doppelt"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 5), U"keine Erklärungen"));
    EXPECT_TRUE(Mentions(MessagesFor(problems, 6), U"Leerzeichen im Wort"));
}

// One line checked where it stands, as the editor checks the line being typed.
TEST(WordListCheckTest, OneLineInItsPlace) {
    const std::vector<Text> verbs = {U"1b2a-d3en", U"1r2en.n3en", U"1b2a-d3en = sich waschen",
                                     U"1r2en-n3en"};
    EXPECT_TRUE(Mentions(CheckLineInList(verbs, 0, WordListKind::Verbs), U"auch in Zeile 3"));
    EXPECT_TRUE(Mentions(CheckLineInList(verbs, 2, WordListKind::Verbs), U"auch in Zeile 1"));
    EXPECT_TRUE(CheckLineInList(verbs, 1, WordListKind::Verbs).empty());
    EXPECT_TRUE(Mentions(CheckLineInList(verbs, 3, WordListKind::Verbs), U"Dehnungs-h"));
    EXPECT_TRUE(CheckLineInList(verbs, 9, WordListKind::Verbs).empty());

    std::vector<Text> rhymes = NinePairs();
    rhymes[3] = U"1p2o.ck3en";
    rhymes[12] = rhymes[0];
    rhymes[13] = rhymes[1];
    rhymes.push_back(rhymes[4]); // an odd list: the last line repeats a verb of a pair
    EXPECT_TRUE(Mentions(CheckLineInList(rhymes, 2, WordListKind::Rhymes), U"Reimteil ungleich"));
    EXPECT_TRUE(Mentions(CheckLineInList(rhymes, 3, WordListKind::Rhymes), U"(Zeile 3)"));
    EXPECT_TRUE(Mentions(CheckLineInList(rhymes, 1, WordListKind::Rhymes), U"Zeile 13 und 14"));
    EXPECT_TRUE(Mentions(CheckLineInList(rhymes, 18, WordListKind::Rhymes), U"Reimpartner"));
    EXPECT_TRUE(CheckLineInList(rhymes, 5, WordListKind::Rhymes).empty());
    EXPECT_TRUE(CheckLineInList(rhymes, 4, WordListKind::Rhymes).empty());
    // The line checked alone knows nothing of its neighbours.
    EXPECT_TRUE(CheckWordLine(rhymes[3], WordListKind::Rhymes).empty());
}

// What refuses a save, each with what to add; faulty lines do not count.
TEST(WordListCheckTest, SaveRefusals) {
    const std::vector<Text> good = {U"1z2ah-l3en", U"1k2en.n3en", U"1l2ah-m3en = hinken",
                                    U"1l2al.l3en = undeutlich reden"};
    EXPECT_TRUE(SaveRefusals(good, WordListKind::Verbs).empty());
    struct Case {
        std::vector<Text> lines;
        WordListKind kind;
        std::vector<Text> named; // one part of each refusal, in order
    };
    const Case cases[] = {
        {{}, WordListKind::Verbs, {U"keine Zeile"}},
        {{U"1z2ahl3en"}, WordListKind::Verbs, {U"kein fehlerfreies Verb"}},
        {{U"1z2ah-l3en", U"1k2en.n3en", U"1l2ah-m3en = hinken", U"1l2al-l3en = reden"},
         WordListKind::Verbs,
         {U"„seltene“ und „kurz“ gibt es kein fehlerfreies Verb: bitte ein seltenes Verb (mit "
          U"„ = “ und Erklärung) mit kurzem Stammvokal („.“) hinzufügen"}},
        {{U"1z2ah-l3en", U"1k2en.n3en"},
         WordListKind::Verbs,
         {U"„seltene“ gibt", U"„seltene“ und „kurz“", U"„seltene“ und „lang“"}},
        {{U"1l2ah-m3en = hinken", U"1l2al.l3en = reden"},
         WordListKind::Verbs,
         {U"„häufige“ gibt", U"„häufige“ und „kurz“", U"„häufige“ und „lang“"}},
        {{U"1k2en.n3en", U"1l2al.l3en = reden"},
         WordListKind::Verbs,
         {U"„lang“", U"„häufige“ und „lang“", U"„seltene“ und „lang“"}},
        {NinePairs(), WordListKind::Rhymes, {U"„kurz“ nur 4", U"„lang“ nur 5"}},
        {{U"1b2a-d3en", U"1l2a-d3en"}, WordListKind::Rhymes, {U"mindestens 18"}},
        {{U"1geh2en"}, WordListKind::RealVerbs, {U"kein fehlerfreies Wort"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.empty() ? "" : ToUtf8(c.lines[0]));
        const auto refusals = SaveRefusals(c.lines, c.kind);
        ASSERT_EQ(refusals.size(), c.named.size());
        for (std::size_t i = 0; i < refusals.size(); ++i) {
            EXPECT_TRUE(Contains(refusals[i].message, c.named[i])) << ToUtf8(refusals[i].message);
            EXPECT_TRUE(refusals[i].refusesSave);
            EXPECT_EQ(refusals[i].line, 0);
        }
    }
    // The shipped lists pass every selection.
    const WorkDir shipped(TAMURIK_DATA_DIR);
    for (const char* name : {"ZAHLVERB.TXT", "ZAHLREIM.TXT", "VERBEN.TXT"}) {
        EXPECT_TRUE(SaveRefusals(shipped.ReadLines(name).value(), KindForFileName(name)).empty())
            << name;
    }
}

} // namespace
} // namespace tamurik
