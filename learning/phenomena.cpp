#include "learning/phenomena.h"

#include "core/conjugation.h"
#include "core/word_lists.h"
#include "learning/record.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tamurik {

namespace {

using P = Phenomenon;

// The table a teacher reads, in the order of the enumeration.
constexpr std::array kPhenomena{
    PhenomenonInfo{P::ShortDoubleConsonant, "kurz_doppelkonsonant",
                   U"kurzer Vokal mit Doppelkonsonant (kommen)"},
    PhenomenonInfo{P::ShortCk, "kurz_ck", U"kurzer Vokal mit ck (backen)"},
    PhenomenonInfo{P::ShortTz, "kurz_tz", U"kurzer Vokal mit tz (sitzen)"},
    PhenomenonInfo{P::ShortCluster, "kurz_konsonantengruppe",
                   U"kurzer Vokal mit anderen Konsonanten (finden)"},
    PhenomenonInfo{P::LongIe, "lang_ie", U"langer Vokal mit ie (lieben)"},
    PhenomenonInfo{P::LongH, "lang_h", U"langer Vokal mit Dehnungs-h (fahren)"},
    PhenomenonInfo{P::LongDoubleVowel, "lang_doppelvokal",
                   U"langer Vokal, doppelt geschrieben (leeren)"},
    PhenomenonInfo{P::LongUnmarked, "lang_unmarkiert",
                   U"langer Vokal ohne Dehnungszeichen (leben)"},
    PhenomenonInfo{P::Diphthong, "zwielaut", U"Zwielaut ei, ai, au, äu, eu (bauen)"},
    PhenomenonInfo{P::SharpSAfterLong, "sz_nach_lang",
                   U"ß nach langem Vokal oder Zwielaut (grüßen)"},
    PhenomenonInfo{P::SyllableH, "silbentrennendes_h", U"silbentrennendes h (drehen)"},
    PhenomenonInfo{P::ChangeEToI, "wechsel_e_i", U"Vokalwechsel e – i (geben, du gibst)"},
    PhenomenonInfo{P::ChangeEToIe, "wechsel_e_ie", U"Vokalwechsel e – ie (lesen, du liest)"},
    PhenomenonInfo{P::ChangeAToAe, "wechsel_a_ae", U"Umlaut a – ä (fahren, du fährst)"},
    PhenomenonInfo{P::ChangeAuToAeu, "wechsel_au_aeu", U"Umlaut au – äu (laufen, du läufst)"},
    PhenomenonInfo{P::ChangeOToOe, "wechsel_o_oe", U"Umlaut o – ö (stoßen, du stößt)"},
    PhenomenonInfo{P::SyllableBoundary, "silbengrenze", U"Silbengrenze (Trennstelle)"},
    PhenomenonInfo{P::EndingEln, "endung_eln", U"Endung -eln (sammeln)"},
    PhenomenonInfo{P::EndingErn, "endung_ern", U"Endung -ern (wandern)"},
    PhenomenonInfo{P::FinalDevoicing, "auslautverhaertung",
                   U"b, d, g am Stammende (leben, er lebt)"},
};

// A set of phenomena, one bit each.
using Set = std::uint32_t;

constexpr Set Bit(P p) {
    return Set{1} << static_cast<unsigned>(p);
}

template <typename... Ps> constexpr Set SetOf(Ps... ps) {
    return (Bit(ps) | ...);
}

// The stem vowel: how long it is and how the spelling shows it.
constexpr Set kVowel =
    SetOf(P::ShortDoubleConsonant, P::ShortCk, P::ShortTz, P::ShortCluster, P::LongIe, P::LongH,
          P::LongDoubleVowel, P::LongUnmarked, P::Diphthong, P::SharpSAfterLong);
constexpr Set kEnding = SetOf(P::EndingEln, P::EndingErn);
// What writing the whole word shows.
constexpr Set kSpelling = kVowel | SetOf(P::SyllableH) | kEnding;
// The end of the stem before "st" or "t" (du lebst, er kommt, er grüßt, du gibst): what is
// heard there does not tell what is written, and lengthening the verb (wir leben) shows it.
constexpr Set kStemEnd =
    SetOf(P::FinalDevoicing, P::ShortDoubleConsonant, P::SharpSAfterLong, P::ChangeEToI,
          P::ChangeEToIe, P::ChangeAToAe, P::ChangeAuToAeu, P::ChangeOToOe);

struct AskedCounts {
    std::string_view asked;
    Set phenomena;
};

// Which phenomena an answer counts for, by what was asked. In this program's notation the
// separator tells the vowel length as well ("." short, "-" long), and where it stands depends
// on the consonants after a short vowel and on the h after a long one, so a separator answer
// counts for the vowel too. Telling a real verb from a made-up one, the alphabetical order, a
// meaning and a rhyme partner say nothing about one spelling phenomenon; they count by
// exercise only. Reading a word and finding it again, a letter, a word part and the whole word
// written touch every written phenomenon of the word, and so do the ich form and the wir form
// (the infinitive), which keep the stem as it is. The du and er forms put the end of the stem
// before "st" or "t", where the vowel may change as well; lengthening trains that end.
constexpr std::array kAskedCounts{
    AskedCounts{asked::kSeparator, SetOf(P::SyllableBoundary) | kVowel},
    AskedCounts{asked::kVowelLength, kVowel},
    AskedCounts{asked::kReality, 0},
    AskedCounts{asked::kReading, kSpelling},
    AskedCounts{asked::kOrder, 0},
    AskedCounts{asked::kRhymePartner, 0},
    AskedCounts{asked::kMeaning, 0},
    AskedCounts{asked::kLetter, kSpelling},
    AskedCounts{asked::kWordPart, kSpelling},
    AskedCounts{asked::kIchForm, kSpelling},
    AskedCounts{asked::kDuForm, kStemEnd | kEnding},
    AskedCounts{asked::kErForm, kStemEnd | kEnding},
    AskedCounts{asked::kWirForm, kSpelling},
    AskedCounts{asked::kSpelling, kSpelling},
    AskedCounts{asked::kLengthening, kStemEnd},
};

bool IsVowel(char32_t c) {
    return TextView(U"aeiouäöüy").find(c) != TextView::npos;
}

bool IsSeparator(char32_t c) {
    return c == U'.' || c == U'-';
}

// The vowel letters that end just before `end`; the u of "qu" is a consonant.
Text VowelBefore(TextView word, std::size_t end) {
    std::size_t begin = end;
    while (begin > 0 && IsVowel(word[begin - 1]))
        --begin;
    if (begin < end && begin > 0 && word[begin] == U'u' && word[begin - 1] == U'q')
        ++begin;
    // Three vowel letters in a row (a made-up word) keep the last two: the stem vowel.
    if (end - begin > 2)
        begin = end - 2;
    return Text(word.substr(begin, end - begin));
}

// The first vowel letters of a word (the stem vowel of a verb form).
Text FirstVowel(TextView word) {
    std::size_t begin = 0;
    while (begin < word.size() &&
           (!IsVowel(word[begin]) || (word[begin] == U'u' && begin > 0 && word[begin - 1] == U'q')))
        ++begin;
    std::size_t end = begin;
    while (end < word.size() && IsVowel(word[end]))
        ++end;
    return Text(word.substr(begin, end - begin));
}

// The stem vowel and its consonants around the separator: fah-ren is a, h, r; schimp.fen is
// i, mp, f; ba.cken is a, (none), ck.
struct Stem {
    Text vowel;
    Text closing; // between the vowel and the separator
    Text opening; // after the separator, up to the next vowel
};

Stem StemAround(TextView word, std::size_t separator) {
    std::size_t begin = separator;
    while (begin > 0 && !IsVowel(word[begin - 1]) && !IsSeparator(word[begin - 1]))
        --begin;
    std::size_t end = separator + 1;
    while (end < word.size() && !IsVowel(word[end]) && !IsSeparator(word[end]))
        ++end;
    return Stem{VowelBefore(word, begin), Text(word.substr(begin, separator - begin)),
                Text(word.substr(separator + 1, end - separator - 1))};
}

Set ShortVowelSet(const Stem& stem) {
    const Text after = stem.closing + stem.opening;
    if (after.starts_with(U"ck"))
        return Bit(P::ShortCk);
    if (after.starts_with(U"tz"))
        return Bit(P::ShortTz);
    if (after.size() >= 2 && after[0] == after[1])
        return Bit(P::ShortDoubleConsonant);
    // ch, sch and x stand for consonants that are never doubled; with them, as with two
    // different consonants, the short vowel needs no doubling.
    return after.empty() ? 0 : Bit(P::ShortCluster);
}

Set LongVowelSet(const Stem& stem) {
    Set set = 0;
    const TextView vowel = stem.vowel;
    if (vowel.empty())
        return 0;
    if (vowel == U"ie")
        set |= Bit(P::LongIe);
    else if (vowel == U"aa" || vowel == U"ee" || vowel == U"oo")
        set |= Bit(P::LongDoubleVowel);
    else if (vowel == U"ei" || vowel == U"ai" || vowel == U"au" || vowel == U"äu" || vowel == U"eu")
        set |= Bit(P::Diphthong);
    else if (stem.closing.starts_with(U'h'))
        set |= Bit(P::LongH);
    else
        set |= Bit(P::LongUnmarked);
    if (Contains(stem.closing + stem.opening, U'ß'))
        set |= Bit(P::SharpSAfterLong);
    if (stem.closing.empty() && stem.opening == U"h")
        set |= Bit(P::SyllableH);
    return set;
}

// The stem vowel of the infinitive against that of the du form (geben, gibst: e and i).
Set VowelChangeSet(TextView verb) {
    const std::optional<VerbForms> forms = StrongVerbForms(verb);
    if (!forms)
        return 0;
    const Text from = FirstVowel(forms->infinitive);
    const Text to = FirstVowel(forms->du);
    struct Change {
        TextView from, to;
        P phenomenon;
    };
    static constexpr std::array kChanges{
        Change{U"e", U"i", P::ChangeEToI},  Change{U"e", U"ie", P::ChangeEToIe},
        Change{U"a", U"ä", P::ChangeAToAe}, Change{U"au", U"äu", P::ChangeAuToAeu},
        Change{U"o", U"ö", P::ChangeOToOe},
    };
    for (const Change& change : kChanges)
        if (from == change.from && to == change.to)
            return Bit(change.phenomenon);
    return 0;
}

// A stem that ends in b, d or g before "en" (le-ben, ba-den, sa-gen, eg.gen): at the end of a
// syllable they sound like p, t, k (er lebt). The g of ng is not one of them (singen).
bool EndsDevoiced(TextView plain) {
    if (!plain.ends_with(U"en") || plain.ends_with(U"eln") || plain.ends_with(U"ern"))
        return false;
    const TextView stem = plain.substr(0, plain.size() - 2);
    if (stem.empty() || TextView(U"bdg").find(stem.back()) == TextView::npos)
        return false;
    return !(stem.back() == U'g' && stem.size() >= 2 && stem[stem.size() - 2] == U'n');
}

Set VerbSet(TextView markedWord) {
    const Text word = ToLower(RemoveChars(MarkedWord(markedWord), U"123"));
    const Text plain = RemoveChars(word, U".-");
    Set set = VowelChangeSet(plain);
    if (EndsDevoiced(plain))
        set |= Bit(P::FinalDevoicing);
    const std::size_t separator = word.find_first_of(U".-");
    // The ending is read after the separator, so that the stem's own e (le-sen) never counts.
    const TextView tail =
        separator == Text::npos ? TextView(plain) : TextView(word).substr(separator + 1);
    if (tail.ends_with(U"eln"))
        set |= Bit(P::EndingEln);
    if (tail.ends_with(U"ern"))
        set |= Bit(P::EndingErn);
    if (separator == Text::npos)
        return set;
    set |= Bit(P::SyllableBoundary);
    const Stem stem = StemAround(word, separator);
    set |= word[separator] == U'.' ? ShortVowelSet(stem) : LongVowelSet(stem);
    return set;
}

std::vector<Phenomenon> ListOf(Set set) {
    std::vector<Phenomenon> list;
    for (const PhenomenonInfo& info : kPhenomena)
        if (set & Bit(info.phenomenon))
            list.push_back(info.phenomenon);
    return list;
}

} // namespace

std::span<const PhenomenonInfo> AllPhenomena() {
    return kPhenomena;
}

const PhenomenonInfo& InfoOf(Phenomenon phenomenon) {
    return kPhenomena[static_cast<std::size_t>(phenomenon)];
}

std::optional<Phenomenon> PhenomenonOfKey(std::string_view key) {
    const auto found = std::find_if(kPhenomena.begin(), kPhenomena.end(),
                                    [key](const PhenomenonInfo& info) { return info.key == key; });
    if (found == kPhenomena.end())
        return std::nullopt;
    return found->phenomenon;
}

std::vector<Phenomenon> VerbPhenomena(TextView markedWord) {
    return ListOf(VerbSet(markedWord));
}

std::vector<Phenomenon> AnswerPhenomena(std::string_view asked, TextView item) {
    const auto row = std::find_if(kAskedCounts.begin(), kAskedCounts.end(),
                                  [asked](const AskedCounts& c) { return c.asked == asked; });
    if (row == kAskedCounts.end() || row->phenomena == 0)
        return {};
    return ListOf(VerbSet(item) & row->phenomena);
}

} // namespace tamurik
