#!/usr/bin/env python3
"""Builds data/reference/er_forms.txt: the present-tense er (and, where given, du) forms of
simple German verbs, taken from the German-English dictionary of Debian's trans-de-en package
(/usr/share/trans/de-en, GPL-2+, from the Ding dictionary of TU Chemnitz).

A simple verb has one stem syllable and ends in en, eln or ern (or is a one-syllable verb in n,
like tun): no prefix, no -ieren. The file serves as an independent check of the conjugation the
program teaches; it is never read by the program itself.

Usage: make_er_forms.py [dictionary] > data/reference/er_forms.txt
"""

import re
import sys
from collections import OrderedDict

DICTIONARY = "/usr/share/trans/de-en"

LETTERS = "a-zäöüß"
WORD = re.compile(rf"^[{LETTERS}]+$")
NUCLEI = ("äu", "ie", "ei", "ai", "au", "eu", "aa", "ee", "oo")
VOWELS = set("aeiouäöüy")
# Forms marked as old, rare, regional or colloquial are not taught.
NONSTANDARD = re.compile(r"\[(veraltet|alt|obs|selten|ugs|Ös|Schw|Süddt|Norddt|Mitteldt|Westdt|"
                         r"Ostdt|Bayr|BW|regional|dialekt|Dialekt)")


# Forms the dictionary gives by mistake, left out of the reference.
KNOWN_ERRORS = {
    "knospen": ("knospet",),  # the er form is "knospt"
}


def onset(word):
    """The consonants before the first vowel."""
    for i, c in enumerate(word):
        if c in VOWELS:
            return word[:i]
    return word


def same_onset(form, verb):
    """A present form begins like its infinitive (a participle "ge…" or a compound does not)."""
    return onset(form) == onset(verb)


def nuclei(word):
    """Number of vowel nuclei; diphthongs and double vowels count once, the u of qu not."""
    count = 0
    i = 0
    while i < len(word):
        if word[i] == "u" and i > 0 and word[i - 1] == "q":
            i += 1
            continue
        if word[i : i + 2] in NUCLEI:
            count += 1
            i += 2
            continue
        if word[i] in VOWELS:
            count += 1
        i += 1
    return count


def is_simple_verb(word):
    if not WORD.match(word) or len(word) < 3:
        return False
    if word.endswith(("en", "eln", "ern")):
        return nuclei(word) == 2
    return word.endswith("n") and nuclei(word) == 1


def strip_notes(text):
    """Removes {…}, […], (…) and the reflexive "sich"."""
    text = re.sub(r"\{[^}]*\}|\[[^\]]*\]|\([^)]*\)", " ", text)
    text = text.replace("sich ", " ")
    return " ".join(text.split())


def alternatives(part):
    return [strip_notes(a) for a in part.split(";")]


def forms_after(parts, prefixes, heads):
    """The forms of the first part whose items begin with one of `prefixes`: one list of forms
    per head. When the counts differ, the forms belong to the first head alone."""
    for part in parts[1:]:
        if part.startswith(("ich/er/sie", "ich/du/er/sie", "wir/sie")):
            return None  # the past tense follows; the present was not given
        items = [a.strip() for a in part.split(";")]
        forms = []
        for item in items:
            prefix = next((p for p in prefixes if item.startswith(p)), None)
            if prefix is None:
                break
            if not NONSTANDARD.search(item):
                forms.append(strip_notes(item[len(prefix) :]))
        else:
            return align(forms, heads)
    return None


def align(forms, heads):
    """A single head takes every form given (they are alternatives); several heads take one
    form each, and when the counts differ only the first head takes the first form."""
    if len(heads) == 1:
        return [forms]
    if len(forms) == len(heads):
        return [[f] for f in forms]
    return [forms[:1]] + [[] for _ in heads[1:]]


def third_person_column(parts, heads):
    """Entries without "er/sie": infinitive | present participle | past participle | er form."""
    if len(parts) < 4:
        return None
    participles = alternatives(parts[1])
    if len(participles) != len(heads) or not all(p.endswith("nd") for p in participles):
        return None
    forms = alternatives(parts[3])
    if not all(WORD.match(f) and f.endswith("t") for f in forms):
        return None
    # Some entries shift the columns (a du form or a further participle in the fourth place).
    if any(f.endswith("st") or f.startswith("ge") for f in forms):
        return None
    return align(forms, heads)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else DICTIONARY
    er = OrderedDict()
    du = OrderedDict()
    with open(path, encoding="utf-8") as source:
        for line in source:
            if line.startswith("#") or " :: " not in line:
                continue
            german = line.split(" :: ", 1)[0]
            parts = [p.strip() for p in german.split(" | ")]
            if not re.search(r"\{v[itr]?\}|\{v[itr];", parts[0]):
                continue
            heads = alternatives(parts[0])
            if not any(is_simple_verb(h) for h in heads):
                continue
            er_forms = forms_after(parts, ("er/sie/es ", "er/sie "), heads)
            if er_forms is None:
                er_forms = third_person_column(parts, heads)
            du_forms = forms_after(parts, ("du ",), heads)
            for index, head in enumerate(heads):
                if not is_simple_verb(head):
                    continue
                for table, found in ((er, er_forms), (du, du_forms)):
                    for form in found[index] if found else []:
                        if WORD.match(form) and same_onset(form, head) and \
                                form not in KNOWN_ERRORS.get(head, ()):
                            table.setdefault(head, [])
                            if form not in table[head]:
                                table[head].append(form)

    print("# The er (and, where given, du) forms of the present tense of simple German verbs.")
    print("# Taken from the German-English dictionary of Debian's trans-de-en package")
    print("# (Ding, Copyright (c) Frank Richter <frank.richter@hrz.tu-chemnitz.de> 1999-2022,")
    print("# GNU GPL version 2 or later) by data/tools/make_er_forms.py. Used only to check")
    print("# the forms the program teaches; the program does not read this file.")
    print("# Format: infinitive <TAB> er forms <TAB> du forms; several forms are joined by ';'.")
    for verb in sorted(er):
        print(f"{verb}\t{';'.join(er[verb])}\t{';'.join(du.get(verb, []))}")


if __name__ == "__main__":
    main()
