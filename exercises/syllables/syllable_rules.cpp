#include "exercises/syllables/syllable_rules.h"

#include "core/startup.h"
#include "core/word_lists.h"

#include <algorithm>
#include <array>

namespace tamurik {

namespace {

// The consonant groups a made-up verb begins with ("pf" stands twice).
constexpr std::array<const char32_t*, 46> kOnsets{
    U"bl",  U"br",  U"dr",  U"fl",  U"fr",  U"gl",   U"gr",   U"kl",   U"kn",   U"kr",
    U"pf",  U"pl",  U"pr",  U"qu",  U"sp",  U"st",   U"tr",   U"wr",   U"zw",   U"pf",
    U"pfr", U"sch", U"spl", U"spr", U"str", U"schl", U"schm", U"schn", U"schr", U"schw",
    U"b",   U"d",   U"f",   U"g",   U"h",   U"j",    U"k",    U"l",    U"m",    U"n",
    U"p",   U"r",   U"s",   U"t",   U"w",   U"z"};

// Stem patterns: the stem vowel, the consonants that close the first syllable, the separator
// and the consonant that opens the second one. Entries with a vowel pair stay in the table
// (they count for the draw) although no word built from them is ever shown.
constexpr std::array<const char32_t*, 412> kPatterns{
    U"ah-l",  U"äh-l",  U"eh-l",  U"oh-l",  U"öh-l",  U"uh-l",  U"üh-l",  U"ah-m",  U"äh-m",
    U"eh-m",  U"üh-m",  U"ah-n",  U"äh-n",  U"eh-n",  U"oh-n",  U"öh-n",  U"ah-r",  U"äh-r",
    U"eh-r",  U"oh-r",  U"öh-r",  U"üh-r",  U"ab.b",  U"eb.b",  U"ib.b",  U"ob.b",  U"ub.b",
    U"al.b",  U"il.b",  U"öl.b",  U"om.b",  U"ar.b",  U"är.b",  U"er.b",  U"ir.b",  U"ur.b",
    U"a-b",   U"ä-b",   U"e-b",   U"ie-b",  U"ei-b",  U"o-b",   U"ö-b",   U"u-b",   U"ü-b",
    U"au-b",  U"äu-b",  U"ad.d",  U"ed.d",  U"ud.d",  U"el.d",  U"il.d",  U"ul.d",  U"em.d",
    U"an.d",  U"än.d",  U"en.d",  U"in.d",  U"on.d",  U"un.d",  U"ün.d",  U"or.d",  U"ör.d",
    U"ür.d",  U"a-d",   U"ä-d",   U"e-d",   U"ie-d",  U"ei-d",  U"o-d",   U"ö-d",   U"u-d",
    U"ü-d",   U"au-d",  U"eu-d",  U"af.f",  U"äf.f",  U"ef.f",  U"if.f",  U"of.f",  U"öf.f",
    U"uf.f",  U"üf.f",  U"el.f",  U"il.f",  U"ol.f",  U"ap.f",  U"ip.f",  U"amp.f", U"ämp.f",
    U"imp.f", U"ump.f", U"ümp.f", U"op.f",  U"öp.f",  U"up.f",  U"üp.f",  U"är.f",  U"er.f",
    U"ur.f",  U"ür.f",  U"a-f",   U"ä-f",   U"e-f",   U"ie-f",  U"ei-f",  U"o-f",   U"u-f",
    U"ü-f",   U"au-f",  U"äu-f",  U"ag.g",  U"ig.g",  U"og.g",  U"ug.g",  U"al.g",  U"el.g",
    U"il.g",  U"ol.g",  U"an.g",  U"än.g",  U"en.g",  U"in.g",  U"un.g",  U"ün.g",  U"är.g",
    U"er.g",  U"ir.g",  U"or.g",  U"ör.g",  U"ur.g",  U"ür.g",  U"a-g",   U"ä-g",   U"e-g",
    U"ie-g",  U"ei-g",  U"o-g",   U"ö-g",   U"u-g",   U"ü-g",   U"au-g",  U"äu-g",  U"eu-g",
    U"a-h",   U"ä-h",   U"e-h",   U"ie-h",  U"ei-h",  U"o-h",   U"u-h",   U"ü-h",   U"ei-",
    U"al.k",  U"el.k",  U"an.k",  U"än.k",  U"en.k",  U"in.k",  U"un.k",  U"ün.k",  U"ar.k",
    U"är.k",  U"er.k",  U"ir.k",  U"or.k",  U"ör.k",  U"a-k",   U"ä-k",   U"a.ck",  U"ä.ck",
    U"e.ck",  U"i.ck",  U"o.ck",  U"ö.ck",  U"u.ck",  U"ü.ck",  U"e-k",   U"ie-k",  U"ei-k",
    U"o-k",   U"ö-k",   U"u-k",   U"au-k",  U"al.l",  U"äl.l",  U"el.l",  U"il.l",  U"ol.l",
    U"öl.l",  U"ul.l",  U"ül.l",  U"er.l",  U"ir.l",  U"a-l",   U"ä-l",   U"e-l",   U"ie-l",
    U"ei-l",  U"o-l",   U"ö-l",   U"u-l",   U"ü-l",   U"au-l",  U"eu-l",  U"al.m",  U"il.m",
    U"ul.m",  U"am.m",  U"äm.m",  U"em.m",  U"im.m",  U"om.m",  U"öm.m",  U"um.m",  U"üm.m",
    U"är.m",  U"ir.m",  U"or.m",  U"ur.m",  U"ür.m",  U"ä-m",   U"ie-m",  U"ei-m",  U"o-m",
    U"ö-m",   U"ü-m",   U"au-m",  U"äu-m",  U"an.n",  U"en.n",  U"in.n",  U"on.n",  U"ön.n",
    U"un.n",  U"ur.n",  U"ür.n",  U"a-n",   U"ie-n",  U"ei-n",  U"o-n",   U"ö-n",   U"au-n",
    U"äu-n",  U"il.p",  U"ol.p",  U"öl.p",  U"ül.p",  U"am.p",  U"em.p",  U"im.p",  U"um.p",
    U"üm.p",  U"ap.p",  U"äp.p",  U"ep.p",  U"ip.p",  U"op.p",  U"öp.p",  U"up.p",  U"üp.p",
    U"ir.p",  U"as.p",  U"is.p",  U"us.p",  U"a-p",   U"ä-p",   U"ie-p",  U"ei-p",  U"o-p",
    U"u-p",   U"au-p",  U"ar.r",  U"är.r",  U"er.r",  U"ir.r",  U"or.r",  U"ör.r",  U"ur.r",
    U"a-r",   U"ä-r",   U"aa-r",  U"e-r",   U"ee-r",  U"ie-r",  U"o-r",   U"ö-r",   U"u-r",
    U"ü-r",   U"ub.s",  U"ack.s", U"äck.s", U"eck.s", U"ick.s", U"uck.s", U"urk.s", U"ul.s",
    U"ül.s",  U"em.s",  U"im.s",  U"än.s",  U"in.s",  U"ülp.s", U"ump.s", U"or.s",  U"ör.s",
    U"äs.s",  U"es.s",  U"is.s",  U"ös.s",  U"us.s",  U"üs.s",  U"a-s",   U"ä-s",   U"e-s",
    U"ie-s",  U"ei-s",  U"o-s",   U"ö-s",   U"a-ß",   U"ie-ß",  U"ei-ß",  U"o-ß",   U"äu-ß",
    U"u-s",   U"ü-s",   U"au-s",  U"äu-s",  U"eu-s",  U"af.t",  U"ef.t",  U"if.t",  U"alf.t",
    U"älf.t", U"uf.t",  U"üf.t",  U"al.t",  U"äl.t",  U"el.t",  U"il.t",  U"ol.t",  U"an.t",
    U"en.t",  U"in.t",  U"on.t",  U"ar.t",  U"är.t",  U"or.t",  U"ör.t",  U"ur.t",  U"ols.t",
    U"üns.t", U"ers.t", U"ors.t", U"urs.t", U"ürs.t", U"at.t",  U"ät.t",  U"et.t",  U"it.t",
    U"ot.t",  U"öt.t",  U"ut.t",  U"üt.t",  U"a-t",   U"ä-t",   U"e-t",   U"ie-t",  U"ei-t",
    U"o-t",   U"ö-t",   U"u-t",   U"ü-t",   U"au-t",  U"äu-t",  U"eu-t",  U"au-",   U"äu-",
    U"eu-",   U"al.z",  U"äl.z",  U"el.z",  U"il.z",  U"ol.z",  U"öl.z",  U"ul.z",  U"ül.z",
    U"an.z",  U"än.z",  U"en.z",  U"in.z",  U"un.z",  U"ar.z",  U"är.z",  U"er.z",  U"or.z",
    U"ur.z",  U"ür.z",  U"at.z",  U"ät.z",  U"et.z",  U"it.z",  U"ot.z",  U"ut.z",  U"üt.z",
    U"ä-z",   U"ie-z",  U"ei-z",  U"u-z",   U"au-z",  U"äu-z",  U"eu-z",
};

// "en" five times out of seven.
constexpr std::array<const char32_t*, 7> kEndings{U"en", U"en",  U"en", U"en",
                                                  U"en", U"eln", U"ern"};

// Words a child must not be shown.
constexpr std::array<const char32_t*, 4> kBlockedWords{U"pimpern", U"bumsen", U"huren", U"ficken"};

// Vowel pairs have no short form and would make the answer ambiguous.
constexpr std::array<const char32_t*, 8> kVowelPairs{U"ee", U"aa", U"oo", U"ei",
                                                     U"ai", U"au", U"äu", U"eu"};

template <std::size_t N>
void Fill(std::vector<Text>& table, const std::array<const char32_t*, N>& entries) {
    table.assign(entries.begin(), entries.end());
}

bool AnyLineContains(const std::vector<Text>& lines, TextView part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Text& line) { return Contains(line, part); });
}

const Text& DrawFrom(const std::vector<Text>& table, RandomSource& random) {
    return table[static_cast<std::size_t>(random.Draw(static_cast<int>(table.size())))];
}

} // namespace

void SyllableTables::Clear() {
    OnsetTable.clear();
    PatternTable.clear();
    EndingTable.clear();
}

void BuildSyllableTables(SyllableTables& tables) {
    Fill(tables.OnsetTable, kOnsets);
    Fill(tables.PatternTable, kPatterns);
    Fill(tables.EndingTable, kEndings);
}

QuatschWord MadeUpWord(TextView beginning, TextView middle, TextView end) {
    QuatschWord word;
    word.Beginning = Text(beginning);
    word.Middle = Text(middle);
    word.End = Text(end);
    word.Separated = word.Beginning + word.Middle + word.End;
    word.Plain = RemoveChars(word.Separated, U".-");
    word.Marked = U"1" + word.Beginning + U"2" + word.Middle + U"3" + word.End;
    word.Generated = true;
    return word;
}

QuatschWord ListedWord(TextView line) {
    QuatschWord word;
    word.Marked = MarkedWord(line);
    word.Separated = RemoveChars(word.Marked, U"123");
    word.Plain = RemoveChars(word.Separated, U".-");
    return word;
}

Rejection RejectionOf(const QuatschWord& candidate) {
    const Text& word = candidate.Separated;
    if (std::find(kBlockedWords.begin(), kBlockedWords.end(), candidate.Plain) !=
        kBlockedWords.end())
        return Rejection::Blocked;
    if (StartsWith(word, U"qu") && word.size() > 2 && word[2] == U'u')
        return Rejection::QuU;
    if (StartsWith(word, U"qu") && word.size() > 2 && word[2] == U'ü')
        return Rejection::QuUe;
    if (StartsWith(word, U"ji"))
        return Rejection::Ji;
    if (std::any_of(kVowelPairs.begin(), kVowelPairs.end(),
                    [&](const char32_t* pair) { return Contains(word, pair); }))
        return Rejection::VowelPair;
    return Rejection::None;
}

std::optional<QuatschWord> NextWord(const SyllableTables& tables, const WorkDir& dir,
                                    RandomSource& random, int verbCount, WordSourceReport* report,
                                    const ListedVerbDraw& instead) {
    if (random.Draw(3) != 0 || tables.empty())
        return PickListedVerb(dir, random, verbCount, instead);
    for (int attempt = 0; attempt < kMaxCandidates; ++attempt) {
        const Text& beginning = DrawFrom(tables.OnsetTable, random);
        const Text& middle = DrawFrom(tables.PatternTable, random);
        const Text& end = DrawFrom(tables.EndingTable, random);
        QuatschWord candidate = MadeUpWord(beginning, middle, end);
        if (RejectionOf(candidate) != Rejection::None)
            continue;
        // Both files are read again for every candidate: an edit counts at once.
        const std::optional<std::vector<Text>> verbLines = dir.ReadLines(kVerbFile);
        if (verbLines && AnyLineContains(*verbLines, candidate.Separated))
            continue;
        const std::optional<std::vector<Text>> realVerbs = dir.ReadLines(kRealVerbFile);
        if (!realVerbs) {
            if (report)
                report->realVerbsMissing = true;
            break;
        }
        if (AnyLineContains(*realVerbs, candidate.Plain))
            continue;
        return candidate;
    }
    return PickListedVerb(dir, random, verbCount, instead);
}

std::optional<QuatschWord> PickListedVerb(const WorkDir& dir, RandomSource& random, int verbCount,
                                          const ListedVerbDraw& instead) {
    const std::optional<std::vector<Text>> lines = ReadWordLines(dir, kVerbFile);
    if (!lines)
        return std::nullopt;
    // The lines counted at start; fewer when the file has been shortened since.
    const std::size_t counted = verbCount > 0
                                    ? std::min(static_cast<std::size_t>(verbCount), lines->size())
                                    : lines->size();
    std::vector<std::size_t> withWord;
    withWord.reserve(counted);
    for (std::size_t i = 0; i < counted; ++i) {
        if (!ListedWord((*lines)[i]).Plain.empty())
            withWord.push_back(i);
    }
    if (withWord.empty())
        return std::nullopt;
    if (instead) {
        std::vector<Text> candidates;
        candidates.reserve(withWord.size());
        for (std::size_t i : withWord)
            candidates.push_back((*lines)[i]);
        if (const std::optional<Text> line = instead(candidates))
            return ListedWord(*line);
    }
    const int pick = random.Draw(static_cast<int>(withWord.size()));
    return ListedWord((*lines)[withWord[static_cast<std::size_t>(pick)]]);
}

bool IsListedVerb(const std::vector<Text>& verbLines, TextView marked) {
    return !marked.empty() && AnyLineContains(verbLines, marked);
}

bool IsListedVerb(const WorkDir& dir, TextView marked) {
    const std::optional<std::vector<Text>> lines = dir.ReadLines(kVerbFile);
    return lines && IsListedVerb(*lines, marked);
}

bool IsShortVowel(TextView separated) {
    return Contains(separated, U'.');
}

bool IsLongVowel(TextView separated) {
    return Contains(separated, U'-');
}

} // namespace tamurik
