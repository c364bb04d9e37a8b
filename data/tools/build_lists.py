#!/usr/bin/env python3
"""Writes the shipped word lists from the reviewed lists beside this script.

  common.txt      the common verbs, one a line
  rare.txt        the rare verbs, "verb = explanation" a line
  rhymes.txt      the rhyme pairs, "verb verb" a line
  blocklist.txt   verbs that never reach a child
  vowel_length.txt  reviewed vowel lengths where spelling and espeak-ng cannot be trusted

Output (Windows-1252, CR LF), into the folder given as the first argument (default: data/):
  ZAHLVERB.TXT  common verbs, then rare verbs with their explanation
  ZAHLREIM.TXT  the rhyme pairs, two lines each
  VERBEN.TXT    every real verb and verb-shaped word of Debian's dictionaries

Every verb's marks are derived here from its spelling and its vowel length; nothing marked is
typed by hand.  The script stops with a message for every line that breaks a rule, and prints
the counts per selection at the end.
"""

import os
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, TOOLS)
import candidates  # noqa: E402
import wordshape  # noqa: E402

NGERMAN = "/usr/share/dict/ngerman"
MAX_EXPLANATION = 70


def read_lines(name):
    with open(os.path.join(TOOLS, name), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].rstrip()
            if line.strip():
                yield number, line.strip()


class Marker:
    """Derives the marked form of a verb and remembers why a verb cannot be marked."""

    def __init__(self):
        self.exceptions = candidates.read_table("vowel_length.txt")
        self.blocked = {w for _, w in read_lines("blocklist.txt")}
        self.known = candidates.hunspell_verbs() | set(candidates.ding_verbs())
        self.speech = {}

    def length(self, word, vowel, coda):
        if word in self.exceptions:
            return self.exceptions[word]
        by_spelling = wordshape.spelling_length(vowel, coda)
        if by_spelling:
            return by_spelling
        if word not in self.speech:
            self.speech.update(candidates.espeak_lengths([word]))
        return self.speech[word][0]

    def mark(self, word):
        """(marked form, None) or (None, reason)."""
        if word in self.blocked:
            return None, "steht auf der Sperrliste"
        if word not in self.known:
            return None, "kein Infinitiv in hunspell-de-de oder trans-de-en"
        parts = wordshape.split_verb(word)
        if not parts:
            return None, "kein einfaches Verb (eine Stammsilbe + en/eln/ern)"
        onset, vowel, coda, ending = parts
        length = self.length(word, vowel, coda)
        if length not in ("long", "short"):
            return None, "Vokallänge ausgeschlossen (vowel_length.txt)"
        marked = wordshape.marked(onset, vowel, coda, ending, length)
        if not marked:
            return None, f"folgt nicht den Trennregeln ({length})"
        return marked, None


def check_explanation(text):
    faults = []
    if len(text) > MAX_EXPLANATION:
        faults.append(f"Erklärung länger als {MAX_EXPLANATION} Zeichen")
    for c in ".-=":
        if c in text:
            faults.append(f"Erklärung enthält {c!r}")
    if text != text.strip() or "  " in text:
        faults.append("Leerzeichen am Rand oder doppelt")
    return faults


def verbs_file_words(marker):
    """Every infinitive of both dictionaries, and ngerman's other verb-shaped words."""
    words = set(marker.known)
    with open(NGERMAN, encoding="utf-8", errors="replace") as f:
        for line in f:
            word = line.strip()
            if word.islower() and wordshape.split_verb(word):
                words.add(word)
    result = []
    for word in words:
        if not word.isalpha() or not word.islower():
            continue
        try:
            word.encode("cp1252")
        except UnicodeEncodeError:
            continue
        result.append(word)
    return sorted(result)


def write(folder, name, lines):
    with open(os.path.join(folder, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(TOOLS, "..")
    marker = Marker()
    faults = []
    seen = {}
    common, rare = [], []
    for number, word in read_lines("common.txt"):
        marked, why = marker.mark(word)
        if why:
            faults.append(f"common.txt:{number}: {word}: {why}")
        elif word in seen:
            faults.append(f"common.txt:{number}: {word}: doppelt ({seen[word]})")
        else:
            seen[word] = f"common.txt:{number}"
            common.append(marked)
    for number, line in read_lines("rare.txt"):
        word, sep, text = line.partition(" = ")
        if not sep:
            faults.append(f"rare.txt:{number}: ohne ' = ': {line}")
            continue
        marked, why = marker.mark(word)
        why = why or "; ".join(check_explanation(text)) or None
        if why:
            faults.append(f"rare.txt:{number}: {word}: {why}")
        elif word in seen:
            faults.append(f"rare.txt:{number}: {word}: doppelt ({seen[word]})")
        else:
            seen[word] = f"rare.txt:{number}"
            rare.append(marked + " = " + text)

    rhymes = []
    pairs = set()
    for number, line in read_lines("rhymes.txt"):
        words = line.split()
        if len(words) != 2:
            faults.append(f"rhymes.txt:{number}: zwei Verben erwartet: {line}")
            continue
        marks = [marker.mark(w) for w in words]
        bad = [f"{w}: {why}" for w, (_, why) in zip(words, marks) if why]
        if bad:
            faults.append(f"rhymes.txt:{number}: " + "; ".join(bad))
            continue
        a, b = marks[0][0], marks[1][0]
        if a[a.index("2"):] != b[b.index("2"):]:
            faults.append(f"rhymes.txt:{number}: Reimteil ungleich: {a} {b}")
        key = tuple(sorted(words))
        if key in pairs:
            faults.append(f"rhymes.txt:{number}: Paar doppelt: {line}")
        pairs.add(key)
        rhymes += [a, b]

    if faults:
        print("\n".join(faults), file=sys.stderr)
        sys.exit(1)

    def order(line):
        word = wordshape.clean(line.split(" ")[0])
        return word.translate(str.maketrans("äöüß", "aous")), word

    common.sort(key=order)
    rare.sort(key=order)
    write(folder, "ZAHLVERB.TXT", common + rare)
    write(folder, "ZAHLREIM.TXT", rhymes)
    write(folder, "VERBEN.TXT", verbs_file_words(marker))

    def count(lines, kind):
        return sum(1 for l in lines if kind == "alle" or (kind == "kurz") == ("." in l))

    def strict(lines, sep):
        return sum(1 for l in lines if sep in l.split(" ")[0])

    print("Verbenwahl x Stammvokal (whole line, as the exercises test it):")
    for name, lines in (("alle", common + rare), ("häufige", common), ("seltene", rare)):
        print(f"  {name:8} kurz {sum('.' in l for l in lines):4}  lang "
              f"{sum('-' in l for l in lines):4}  alle {len(lines):4}")
    first = rhymes[0::2]
    short_rhymes = {w[w.index('2'):] for w in first if "." in w}
    long_rhymes = {w[w.index('2'):] for w in first if "-" in w}
    print(f"Rhyme pairs {len(first)}: first verbs with '.' {sum('.' in w for w in first)} "
          f"({len(short_rhymes)} rhyme parts), with '-' {sum('-' in w for w in first)} "
          f"({len(long_rhymes)} rhyme parts)")
    in_lists = {wordshape.clean(w.split(" ")[0]) for w in common}
    both_common = sum(1 for i in range(0, len(rhymes), 2)
                      if wordshape.clean(rhymes[i]) in in_lists
                      and wordshape.clean(rhymes[i + 1]) in in_lists)
    print(f"Rhyme pairs with both verbs common: {both_common}")

    # libhyphen's patterns as a second opinion on the boundary; it leaves some short words
    # unhyphenated, so a disagreement is a line to read again, not a fault.
    hyphenator = candidates.Hyphenator()
    differ = []
    for line in common + rare:
        separated = "".join(c for c in line.split(" ")[0] if c not in "123")
        ours = separated.replace(".", "=").replace("-", "=")
        theirs = hyphenator.hyphenate(wordshape.clean(separated))
        if ours != theirs and not ours.endswith(("=en", "=ern")):
            differ.append(f"{separated} ({theirs})")
    print(f"Boundary differs from hyphen-de for {len(differ)}: " + ", ".join(differ))


if __name__ == "__main__":
    main()
