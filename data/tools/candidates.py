#!/usr/bin/env python3
"""Finds every simple verb in Debian's German dictionaries and proposes its marks.

Sources (Debian packages, read offline):
  hunspell-de-de  /usr/share/hunspell/de_DE.dic   words with flag I are infinitives
  trans-de-en     /usr/share/trans/de-en          entries tagged {v}, {vi}, {vt}, {vr}
  espeak-ng       German IPA: the vowel length where the spelling does not tell it
  hyphen-de       /usr/share/hyphen/hyph_de_DE.dic through libhyphen: a cross-check of
                  the syllable boundary
  dasher-data     running German text: how often a verb form occurs (guides the split
                  into common and rare verbs; not shipped)

Writes a table (tab-separated, UTF-8) to standard output:
  verb, marked form, how the length was decided, source flags, er form, frequency,
  hyphenation, remark
"""

import collections
import ctypes
import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wordshape  # noqa: E402

HUNSPELL = "/usr/share/hunspell/de_DE.dic"
DING = "/usr/share/trans/de-en"
HYPHEN = "/usr/share/hyphen/hyph_de_DE.dic"
DASHER = "/usr/share/dasher/training_german_DE.txt"
TOOLS = os.path.dirname(os.path.abspath(__file__))


def hunspell_verbs():
    verbs = set()
    with open(HUNSPELL, encoding="utf-8", errors="replace") as f:
        next(f)
        for line in f:
            word, _, flags = line.strip().partition("/")
            if "I" in flags and word.islower():
                verbs.add(word)
    return verbs


TAG = re.compile(r"\{v[itr]?\}")
NOTE = re.compile(r"\{[^}]*\}|\[[^]]*\]|\([^)]*\)")


def ding_verbs():
    """Infinitives of trans-de-en and, where the entry gives it, the er form of the present."""
    verbs = {}
    with open(DING, encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith("#") or "::" not in line:
                continue
            segments = [s.strip() for s in line.split("::", 1)[0].split("|")]
            if not TAG.search(segments[0]):
                continue
            items = [NOTE.sub("", item).strip() for item in segments[0].split(";")]
            forms = []
            for s in segments[1:]:
                parts = [p.strip() for p in s.split(";")]
                if parts and all(p.startswith("er/sie") for p in parts):
                    forms = [p.split()[-1] if len(p.split()) == 2 else None for p in parts]
                    break
            for i, item in enumerate(items):
                if item.startswith("sich "):
                    item = item[5:]
                if not re.fullmatch(r"[a-zäöüß]+", item):
                    continue
                er = forms[i] if i < len(forms) else None
                if verbs.get(item) is None:
                    verbs[item] = er
    return verbs


def espeak_lengths(words):
    """The stressed vowel's length by espeak-ng's German IPA: 'long', 'short' or None."""
    result = {}
    ipa = subprocess.run(
        ["espeak-ng", "-v", "de", "-q", "--ipa", "-f", "/dev/stdin"],
        input="\n".join(words), capture_output=True, text=True, check=True).stdout.split()
    if len(ipa) != len(words):
        ipa = [subprocess.run(["espeak-ng", "-v", "de", "-q", "--ipa", w],
                              capture_output=True, text=True).stdout.strip() for w in words]
    for word, sound in zip(words, ipa):
        result[word] = (ipa_length(sound), sound)
    return result


def ipa_length(sound):
    at = sound.find("ˈ")
    rest = sound[at + 1:] if at >= 0 else sound
    for i, c in enumerate(rest):
        if c in "aeiouyɛɪɔʊʏœøɑə":
            tail = rest[i:i + 2]
            if tail[1:] == "ː" or c == "ɑ" or tail in ("aɪ", "aʊ", "ɔø", "ɔʏ"):
                return "long"
            return "short"
    return None


class Hyphenator:
    def __init__(self):
        self.lib = ctypes.CDLL("libhyphen.so.0")
        self.lib.hnj_hyphen_load.restype = ctypes.c_void_p
        self.lib.hnj_hyphen_load.argtypes = [ctypes.c_char_p]
        self.lib.hnj_hyphen_hyphenate2.argtypes = [
            ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int, ctypes.c_char_p, ctypes.c_char_p,
            ctypes.POINTER(ctypes.POINTER(ctypes.c_char_p)),
            ctypes.POINTER(ctypes.POINTER(ctypes.c_int)),
            ctypes.POINTER(ctypes.POINTER(ctypes.c_int))]
        self.dict = self.lib.hnj_hyphen_load(HYPHEN.encode())

    def hyphenate(self, word):
        # The German pattern file is in ISO-8859-1.
        raw = word.encode("latin-1")
        hyphens = ctypes.create_string_buffer(len(raw) + 5)
        hword = ctypes.create_string_buffer(len(raw) * 2 + 5)
        rep = ctypes.POINTER(ctypes.c_char_p)()
        pos = ctypes.POINTER(ctypes.c_int)()
        cut = ctypes.POINTER(ctypes.c_int)()
        self.lib.hnj_hyphen_hyphenate2(self.dict, raw, len(raw), hyphens, hword,
                                       ctypes.byref(rep), ctypes.byref(pos), ctypes.byref(cut))
        out = ""
        for i, c in enumerate(word):
            out += c
            if hyphens.raw[i] & 1 and i < len(word) - 1:
                out += "="
        return out


def frequencies():
    counts = collections.Counter()
    if os.path.exists(DASHER):
        with open(DASHER, encoding="utf-8", errors="replace") as f:
            for word in re.findall(r"[a-zäöüß]+", f.read()):
                counts[word] += 1
    return counts


def read_table(name):
    """A reviewed list under data/tools/: 'word value' lines; '#' starts a comment."""
    table = {}
    with open(os.path.join(TOOLS, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                word, _, value = line.partition(" ")
                table[word] = value.strip()
    return table


def main():
    hun = hunspell_verbs()
    ding = ding_verbs()
    words = sorted(w for w in hun | set(ding) if wordshape.split_verb(w))
    speak = espeak_lengths(words)
    hyph = Hyphenator()
    freq = frequencies()
    exceptions = read_table("vowel_length.txt")
    out = sys.stdout
    for word in words:
        onset, vowel, coda, ending = wordshape.split_verb(word)
        by_spelling = wordshape.spelling_length(vowel, coda)
        by_speech, ipa = speak[word]
        if word in exceptions:
            length, how = exceptions[word], "reviewed"
        elif by_spelling:
            length, how = by_spelling, "spelling"
        else:
            length, how = by_speech, "espeak"
        remark = ""
        if by_spelling and by_speech and by_spelling != by_speech:
            remark = f"espeak says {by_speech} ({ipa})"
        mark = wordshape.marked(onset, vowel, coda, ending, length) if length in (
            "long", "short") else None
        src = ("H" if word in hun else "-") + ("D" if word in ding else "-")
        f = freq[word] + freq.get(word[:-1] + "t", 0)
        out.write("\t".join([word, mark or "OUT", how + ":" + (length or "?"), src,
                             ding.get(word) or "", str(f), hyph.hyphenate(word), remark,
                             ipa]) + "\n")


if __name__ == "__main__":
    main()
