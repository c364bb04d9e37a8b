"""The shape of a simple German verb: one stem syllable plus the ending "en", "eln" or "ern".

Shared by the scripts that find candidates and build the word lists.  A stem is taken apart
into its beginning consonants, its stem vowel and the consonants after it; from these and the
vowel length the marked form follows: "1" before the beginning, "2" before the stem vowel,
"3" before the ending, and one separator in the middle part.
"""

VOWELS = "aäeioöuüy"
CONSONANTS = "bcdfghjklmnpqrstvwxzß"
PAIRS = ("ie", "ei", "ai", "au", "eu", "äu", "aa", "ee", "oo")
ENDINGS = ("eln", "ern", "en")
# After a short vowel these stay whole behind the ".": they are one sound.
WHOLE = ("sch", "ck", "ch", "x")
# Consonant groups that make a vowel short by their spelling alone.
SHORT_BY_SPELLING = ("ck", "tz", "pf", "x", "chs")
# A vowel before these may be short or long: the spelling does not tell.
UNDECIDED = ("ch", "sch", "st", "sp", "gn", "bn")


def nuclei(word):
    """The vowel nuclei of a word, as (position, text); the u of qu is a consonant."""
    found = []
    i = 0
    while i < len(word):
        if word[i] in VOWELS and not (word[i] == "u" and i > 0 and word[i - 1] == "q"):
            pair = word[i:i + 2]
            if pair in PAIRS:
                found.append((i, pair))
                i += 2
                continue
            found.append((i, word[i]))
        i += 1
    return found


def split_verb(word):
    """(onset, vowel, coda, ending) of a simple verb, or None when it has another shape."""
    if not word or any(c not in VOWELS + CONSONANTS for c in word):
        return None
    for ending in ENDINGS:
        if not word.endswith(ending):
            continue
        stem = word[: -len(ending)]
        found = nuclei(stem)
        if len(found) != 1:
            continue
        # "eln"/"ern" only where the e is not the stem's own vowel ("feiern", not "fern").
        at, vowel = found[0]
        onset, coda = stem[:at], stem[at + len(vowel):]
        if any(c in VOWELS for c in onset.replace("qu", "")):
            continue
        return onset, vowel, coda, ending
    return None


def spelling_length(vowel, coda):
    """'long', 'short' or None (undecided) from the spelling of the stem alone."""
    if vowel in PAIRS:
        return "long"
    if coda == "" or coda == "ß" or coda.startswith("h"):
        return "long"
    if coda in UNDECIDED:
        return None
    if any(coda.endswith(g) or coda == g for g in SHORT_BY_SPELLING):
        return "short"
    if len(coda) == 1:
        return "long"
    if coda[0] == coda[1]:
        return "short"
    if coda[0] == "r":
        return None  # werden, arten: a long vowel before r + consonant is common
    return "short" if coda not in ("st", "sp") else None


def marked(onset, vowel, coda, ending, length):
    """The marked form, or None when the verb breaks the rules the exercises teach."""
    middle = None
    if length == "long":
        head = vowel
        rest = coda
        if rest.startswith("h") and len(rest) > 1:
            head, rest = vowel + "h", rest[1:]
        if rest in ("", "ch", "sch", "ß") or (len(rest) == 1 and rest in CONSONANTS):
            if rest == "" and vowel not in PAIRS:
                return None  # säen: no consonant opens the second syllable
            if rest == "x":
                return None
            middle = head + "-" + rest
    elif length == "short":
        for whole in WHOLE:
            if coda.endswith(whole):
                before = coda[: -len(whole)]
                # "chs", "cks": the group ends in s, which opens the second syllable
                middle = vowel + before + "." + whole
                break
        if coda.endswith("s") and (coda.endswith("chs") or coda.endswith("cks")):
            middle = vowel + coda[:-1] + ".s"
        if middle is None:
            if len(coda) < 2 or coda.startswith("h"):
                return None
            middle = vowel + coda[:-1] + "." + coda[-1]
    if middle is None:
        return None
    return "1" + onset + "2" + middle + "3" + ending


def clean(marked_word):
    return "".join(c for c in marked_word if c not in "123.-")
