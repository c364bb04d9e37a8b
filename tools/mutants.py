#!/usr/bin/env python3
"""The mutation check: does the test suite notice a small fault in the rules?

There is no well-kept mutation testing tool for C++ in Debian, so this small one is ours (plain
Python 3, standard library only). It makes one small fault at a time in a rule file, rebuilds
incrementally, runs the test programs that link that file, and counts the fault as killed when
one of them fails.

Rule files are found by rule, not by a list: every .cpp of core/, learning/ and
data/checker/ (not a main.cpp), and every .cpp beside the screens (exercises/*/, settings/,
reward/, info/, menu/) that is not a *_screen.cpp and builds no widget (includes nothing from
ui/ or Qt Widgets; the RTF reader, on Qt's text document, counts).

The faults: a comparison flipped (< and <=, > and >=, == and !=), an arithmetic operator
swapped (+ and -, * and /, % to /, += and -=, ++ and --), an integer constant changed by one, a
condition of an if or while negated, a statement removed (a call, an assignment, an increment,
break or continue), a boolean literal flipped.

    tools/mutants.py [--sample N] [--seed S] [--files PATTERN ...] [--only ID ...]
                     [--timeout-factor F] [--build DIR] [--report FILE] [--list]

--sample N takes N faults per file, drawn with the seed (default 1), so that a run is
repeatable; --files keeps the files whose path matches one of the patterns (fnmatch, or a part
of the path); --only keeps, of the drawn faults, those with these ids (to run a survivor again
against another state of the tests). The build folder (default build-mutants, Debug at -O0 with
the standard library's bounds checks, linked with lld when it is there) is configured and built
on first use. Each test program has a time limit per fault: its time without a fault times
--timeout-factor, plus ten seconds. The report lists per file and in total the faults made,
killed, survived, timed out, not built (a fault the compiler rejects counts neither way) and
accepted as equivalent; the score is (killed + timed out) / (made - not built - equivalent).
Equivalent faults (ones no test can notice, because the program does the same with them) are
listed with a reason in tools/mutants_equivalent.txt by their id, file:line:column:change.

The source file is restored after every fault, also on Ctrl-C or an error; a copy of the file
under work stays in the build folder until it is restored, and a run that was killed outright
is mended by the next run before it starts.
"""

import argparse
import fnmatch
import glob
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RULE_FOLDERS = ["core", "learning", "data/checker"]
SCREEN_FOLDERS = ["exercises/*", "settings", "reward", "info", "menu"]
EQUIVALENT_FILE = os.path.join(ROOT, "tools", "mutants_equivalent.txt")


# ---- finding the rule files -------------------------------------------------------------------


def widget_headers():
    """The names of the Qt Widgets headers (QWidget, QLabel, ...)."""
    for folder in glob.glob("/usr/include/*/qt6/QtWidgets") + glob.glob("/usr/include/qt6/QtWidgets"):
        return {name for name in os.listdir(folder) if name.startswith("Q")}
    return set()


def builds_widgets(path, widgets):
    """True when the .cpp or its header includes the toolkit layer or a Qt Widgets header."""
    for candidate in (path, path[:-4] + ".h"):
        if not os.path.exists(candidate):
            continue
        with open(candidate, encoding="utf-8") as f:
            for line in f:
                m = re.match(r'\s*#\s*include\s*[<"]([^>"]+)[>"]', line)
                if not m:
                    continue
                name = m.group(1)
                if name.startswith("ui/") or name.startswith("QtWidgets/"):
                    return True
                if name in widgets:
                    return True
    return False


def rule_files():
    widgets = widget_headers()
    found = []
    for folder in RULE_FOLDERS:
        for path in glob.glob(os.path.join(ROOT, folder, "*.cpp")):
            if os.path.basename(path) != "main.cpp":
                found.append(path)
    for pattern in SCREEN_FOLDERS:
        for path in glob.glob(os.path.join(ROOT, pattern, "*.cpp")):
            name = os.path.basename(path)
            if name.endswith("_screen.cpp") or name == "main.cpp":
                continue
            if not builds_widgets(path, widgets):
                found.append(path)
    return sorted(os.path.relpath(p, ROOT) for p in found)


# ---- making the faults ------------------------------------------------------------------------


def code_mask(text):
    """For every character: True where it is code, False in comments, string and character
    literals and preprocessor lines."""
    mask = [True] * len(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            j = i
            while j < n and text[j] != "\n":
                if text[j] == "\\" and j + 1 < n and text[j + 1] == "\n":
                    j += 1
                j += 1
            for k in range(i, j):
                mask[k] = False
            i = j
            continue
        line_start = c == "\n"
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                mask[k] = False
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                mask[k] = False
            i = j
        elif c in "\"'":
            # A literal with its prefix (u8, u, U, L) already counted as code; no raw strings here.
            if c == "'" and i > 0 and text[i - 1].isalnum() and text[i - 1] not in "uUL8":
                i += 1  # a digit separator, e.g. 1'000
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            for k in range(i, j):
                mask[k] = False
            i = j
        else:
            i += 1
    return mask


def masked_text(text, mask):
    """The text with everything that is not code blanked out (same length, same lines)."""
    return "".join(ch if keep or ch == "\n" else " " for ch, keep in zip(text, mask))


@dataclass
class Mutant:
    path: str
    start: int
    end: int
    replacement: str
    line: int
    column: int
    tag: str
    original: str

    @property
    def id(self):
        return f"{self.path}:{self.line}:{self.column}:{self.tag}"

    def describe(self):
        if self.tag == "del":
            return f"removed: {' '.join(self.original.split())}"
        return f"{self.original!r} -> {self.replacement!r}"


COMPARISONS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "/", "+=": "-=", "-=": "+="}
KEYWORDS = {"return", "if", "while", "for", "switch", "case", "throw", "delete", "new", "do",
            "else", "sizeof", "static_assert", "using", "typedef", "goto", "co_return", "default"}


def find_close(code, open_at):
    """The index of the bracket closing the one at open_at, or -1."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    opening = code[open_at]
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == opening:
            depth += 1
        elif code[k] == pairs[opening]:
            depth -= 1
            if depth == 0:
                return k
    return -1


def statement_end(code, start):
    """The index of the ';' that ends the statement starting at start, brackets balanced."""
    depth = 0
    for k in range(start, len(code)):
        ch = code[k]
        if ch in "([{":
            depth += 1
        elif ch in ")]}":
            depth -= 1
            if depth < 0:
                return -1
        elif ch == ";" and depth == 0:
            return k
    return -1


def mutants_of(path, text):
    code = masked_text(text, code_mask(text))
    line_starts = [0] + [i + 1 for i, ch in enumerate(text) if ch == "\n"]

    def where(offset):
        lo, hi = 0, len(line_starts) - 1
        while lo < hi:
            mid = (lo + hi + 1) // 2
            if line_starts[mid] <= offset:
                lo = mid
            else:
                hi = mid - 1
        return lo + 1, offset - line_starts[lo] + 1

    found = []

    def add(start, end, replacement, tag):
        line, column = where(start)
        found.append(Mutant(path, start, end, replacement, line, column, tag, text[start:end]))

    def line_of(offset):
        line, _ = where(offset)
        begin = line_starts[line - 1]
        stop = text.find("\n", begin)
        return text[begin:stop if stop >= 0 else len(text)]

    # Binary operators stand between blanks in this code base (clang-format), which tells them
    # from template brackets, pointers, references and unary signs.
    for m in re.finditer(r"(?<= )(<=|>=|==|!=|<|>|\+=|-=|\+|-|\*|/|%)(?= )", code):
        op = m.group(1)
        if op in COMPARISONS:
            add(m.start(), m.end(), COMPARISONS[op], COMPARISONS[op])
        else:
            # Text is joined with + and +=; the other operator would not compile.
            source_line = line_of(m.start())
            if op in ("+", "+=", "-=") and ('"' in source_line or re.search(r"\bCR\b", source_line)):
                continue
            add(m.start(), m.end(), ARITHMETIC[op], ARITHMETIC[op])
    for m in re.finditer(r"(\+\+|--)(?=[A-Za-z_])|(?<=[\w\]\)])(\+\+|--)", code):
        op = m.group(0)
        other = "--" if op == "++" else "++"
        add(m.start(), m.end(), other, other)

    # Integer constants, changed by one either way.
    for m in re.finditer(r"(?<![\w.])(\d+)([uUlL]*)(?![\w.'])", code):
        value = int(m.group(1))
        if m.group(1).startswith("0") and len(m.group(1)) > 1:
            continue  # octal
        add(m.start(1), m.end(1), str(value + 1), "+1")
        if value > 0:
            add(m.start(1), m.end(1), str(value - 1), "-1")

    for m in re.finditer(r"\b(true|false)\b", code):
        other = "false" if m.group(1) == "true" else "true"
        add(m.start(), m.end(), other, other)

    # A condition negated.
    for m in re.finditer(r"\b(if|while)\s*\(", code):
        open_at = m.end() - 1
        close_at = find_close(code, open_at)
        if close_at < 0:
            continue
        inner = text[open_at + 1:close_at]
        add(open_at + 1, close_at, f"!({inner})", "not")

    # A statement removed: it starts where the previous code ends a statement or opens a block.
    statement = re.compile(
        r"(break|continue)\s*;"
        r"|(\+\+|--)[A-Za-z_][\w.\[\]>-]*\s*;"
        r"|[A-Za-z_][\w.:\[\]()>-]*?(\+\+|--)\s*;"
        r"|[A-Za-z_][\w.:\[\]()>-]*\s*(=|\+=|-=|\*=|/=|%=|\|=|&=|\^=|<<=|>>=)(?!=)"
        r"|[A-Za-z_][\w:]*(<[\w:, *&]*>)?(\s*(\.|->)\s*[A-Za-z_]\w*|\(\)|\[[^\]]*\])*\s*\(")
    starts = r"[;{}]|\)|\belse\b|\bcase\b(?:[^;:]|::)*:(?!:)|\bdefault\s*:"
    for m in re.finditer(starts, code):
        k = m.end()
        while k < len(code) and code[k] in " \t\n":
            k += 1
        if k >= len(code):
            continue
        s = statement.match(code, k)
        if not s:
            continue
        first = re.match(r"[A-Za-z_]\w*", code[k:])
        if first and first.group(0) in KEYWORDS:
            continue
        if re.match(r"[\w.>-]*\.(reserve|shrink_to_fit)\(", code[k:]):
            continue  # only the memory changes, never a result
        if m.group(0) == ")":
            # Only the body of an if, while or for without braces follows a ')'.
            depth, j = 0, m.start()
            while j >= 0:
                if code[j] == ")":
                    depth += 1
                elif code[j] == "(":
                    depth -= 1
                    if depth == 0:
                        break
                j -= 1
            head = code[:j].rstrip()
            if not re.search(r"\b(if|while|for)$", head):
                continue
        end = statement_end(code, k)
        if end < 0:
            continue
        add(k, end + 1, "{}", "del")

    unique = {}
    for mutant in found:
        unique.setdefault((mutant.start, mutant.end, mutant.replacement), mutant)
    return sorted(unique.values(), key=lambda m: (m.start, m.end, m.tag))


# ---- the build graph and the test programs ---------------------------------------------------


def run_quiet(args, **kwargs):
    return subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kwargs)


# With the library's own checks a fault that reads past the end of a list or a string stops the
# test instead of reading whatever lies behind it.
DEBUG_FLAGS = "-O0 -D_GLIBCXX_ASSERTIONS"


def configure(build, jobs):
    cache_path = os.path.join(build, "CMakeCache.txt")
    cache = open(cache_path).read() if os.path.exists(cache_path) else ""
    # A folder of ours made before the bounds checks gets them; another build folder given with
    # --build is used as it is.
    stale = ("CMAKE_CXX_FLAGS_DEBUG:STRING=-O0" in cache
             and f"CMAKE_CXX_FLAGS_DEBUG:STRING={DEBUG_FLAGS}\n" not in cache)
    if stale or not os.path.exists(os.path.join(build, "build.ninja")):
        args = ["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                "-DCMAKE_CXX_FLAGS_DEBUG=" + DEBUG_FLAGS, "-DTAMURIK_BUILD_TESTS=ON"]
        if shutil.which("ccache"):
            args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        if shutil.which("ld.lld"):
            args.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
        result = run_quiet(args)
        if result.returncode != 0:
            sys.exit("cmake failed:\n" + result.stdout)
    print("Building the whole tree once ...", flush=True)
    result = run_quiet(["cmake", "--build", build, "--parallel", str(jobs)])
    if result.returncode != 0:
        sys.exit("The build fails without a fault:\n" + result.stdout[-4000:])


def ninja_outputs(build, nodes):
    """For each node of the build graph, the nodes built from it."""
    result = run_quiet(["ninja", "-C", build, "-t", "query"] + nodes)
    outputs, current, section = {}, None, None
    for line in result.stdout.splitlines():
        if line and not line.startswith(" "):
            current = line.rstrip(":")
            outputs[current] = []
            section = None
        elif line.strip() in ("input:", "outputs:", "validations:") or line.strip().startswith("input:"):
            section = line.strip().split(":")[0]
        elif section == "outputs" and current is not None:
            outputs[current].append(line.strip())
    return outputs


def linked_outputs(build, source):
    """Every node of the build graph that is built from source, directly or not."""
    seen, todo = set(), [os.path.join(ROOT, source)]
    while todo:
        outputs = ninja_outputs(build, todo)
        todo = []
        for node, outs in outputs.items():
            for out in outs:
                if out not in seen:
                    seen.add(out)
                    todo.append(out)
    return {os.path.normpath(os.path.join(build, p)) for p in seen}


@dataclass
class TestProgram:
    executable: str                        # absolute path in the build folder
    target: str                            # ninja's name for it
    gtest: bool = True
    ctest_names: list = field(default_factory=list)
    environment: dict = field(default_factory=dict)
    directory: str = ""
    seconds: float = 0.0                   # without a fault


def test_programs(build):
    result = run_quiet(["ctest", "--test-dir", build, "--show-only=json-v1"], cwd=build)
    if result.returncode != 0:
        sys.exit("ctest cannot list the tests:\n" + result.stdout)
    data = json.loads(result.stdout[result.stdout.index("{"):])
    programs = {}
    for test in data.get("tests", []):
        command = test.get("command") or []
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        env = dict(item.split("=", 1) for item in props.get("ENVIRONMENT", []) if "=" in item)
        for part in command:
            path = os.path.normpath(part)
            if not (path.startswith(os.path.normpath(build) + os.sep) and os.access(path, os.X_OK)):
                continue
            program = programs.setdefault(path, TestProgram(path, os.path.relpath(path, build)))
            program.environment.update(env)
            program.directory = props.get("WORKING_DIRECTORY", build)
            program.ctest_names.append(test["name"])
            if not any(str(arg).startswith("--gtest_filter") for arg in command) or part != command[0]:
                program.gtest = False
    return programs


class Runner:
    def __init__(self, build, timeout_factor):
        self.build = build
        self.timeout_factor = timeout_factor

    def make(self, program):
        result = run_quiet(["ninja", "-C", self.build, program.target])
        return result.returncode == 0, result.stdout

    def run(self, program, timeout):
        """'pass', 'fail' or 'timeout'."""
        env = dict(os.environ, **program.environment)
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        if program.gtest:
            args = [program.executable, "--gtest_fail_fast", "--gtest_brief=1"]
        else:
            names = "|".join(re.escape(n) for n in program.ctest_names)
            args = ["ctest", "--test-dir", self.build, "-R", f"^({names})$", "--stop-on-failure",
                    "--timeout", str(int(timeout) + 1)]
        process = subprocess.Popen(args, cwd=program.directory or self.build, env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        try:
            status = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return "timeout"
        except BaseException:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise
        return "pass" if status == 0 else "fail"

    def limit(self, program):
        return program.seconds * self.timeout_factor + 10


# ---- keeping the tree clean -------------------------------------------------------------------


class SourceGuard:
    """Writes a fault into a source file and always puts the original back."""

    def __init__(self, build):
        self.journal = os.path.join(build, "mutants-originals")
        self.current = None  # (path, original bytes)

    def mend_earlier_run(self):
        if not os.path.isdir(self.journal):
            return
        for folder, _, names in os.walk(self.journal):
            for name in names:
                saved = os.path.join(folder, name)
                target = os.path.join(ROOT, os.path.relpath(saved, self.journal))
                with open(saved, "rb") as f:
                    original = f.read()
                if not os.path.exists(target) or open(target, "rb").read() != original:
                    print(f"Restoring {os.path.relpath(target, ROOT)} left by a run that was stopped")
                    self._write(target, original)
                os.remove(saved)

    @staticmethod
    def _write(path, data):
        # A fresh modification time, so that the next build compiles the restored file again.
        with open(path, "wb") as f:
            f.write(data)

    def apply(self, path, original, mutated):
        saved = os.path.join(self.journal, path)
        os.makedirs(os.path.dirname(saved), exist_ok=True)
        with open(saved, "wb") as f:
            f.write(original)
        self.current = (path, original)
        self._write(os.path.join(ROOT, path), mutated)

    def restore(self):
        if self.current is None:
            return
        path, original = self.current
        self._write(os.path.join(ROOT, path), original)
        os.remove(os.path.join(self.journal, path))
        self.current = None


# ---- the run ----------------------------------------------------------------------------------


def load_equivalents():
    equivalents = {}
    if os.path.exists(EQUIVALENT_FILE):
        with open(EQUIVALENT_FILE, encoding="utf-8") as f:
            for line in f:
                line = line.strip()
                if line and not line.startswith("#"):
                    mutant_id, _, reason = line.partition(" ")
                    equivalents[mutant_id] = reason.strip()
    return equivalents


def matches(path, patterns):
    return not patterns or any(fnmatch.fnmatch(path, p) or p in path for p in patterns)


def sample(path, mutants, n, seed):
    if n is None or len(mutants) <= n:
        return mutants
    chosen = random.Random(f"{seed}:{path}").sample(range(len(mutants)), n)
    return [mutants[i] for i in sorted(chosen)]


COLUMNS = ["made", "killed", "survived", "timed out", "not built", "equivalent"]


def score(counts):
    judged = counts["made"] - counts["not built"] - counts["equivalent"]
    return 100.0 * (counts["killed"] + counts["timed out"]) / judged if judged else 100.0


def print_table(rows, markdown=False):
    if markdown:
        print("| file | " + " | ".join(COLUMNS) + " | score |")
        print("|---" * (len(COLUMNS) + 2) + "|")
        total = {c: sum(r[c] for r in rows.values()) for c in COLUMNS}
        for path, counts in list(rows.items()) + [("total", total)]:
            print(f"| {path} | " + " | ".join(str(counts[c]) for c in COLUMNS)
                  + f" | {score(counts):.1f} % |")
        return total
    width = max([len("file")] + [len(p) for p in rows])
    print(f"{'file':<{width}}  " + "  ".join(f"{c:>10}" for c in COLUMNS) + "       score")
    total = {c: 0 for c in COLUMNS}
    for path, counts in rows.items():
        for c in COLUMNS:
            total[c] += counts[c]
        print(f"{path:<{width}}  " + "  ".join(f"{counts[c]:>10}" for c in COLUMNS)
              + f"  {score(counts):9.1f} %")
    print(f"{'total':<{width}}  " + "  ".join(f"{total[c]:>10}" for c in COLUMNS)
          + f"  {score(total):9.1f} %")
    return total


def summarize(report_path, markdown):
    """The table of a run's report, counted again with the equivalents listed today."""
    with open(report_path, encoding="utf-8") as f:
        report = json.load(f)
    equivalents = load_equivalents()
    rows = {}
    for path, counts in report["files"].items():
        rows[path] = {c: 0 for c in COLUMNS}
    survivors = []
    for m in report["mutants"]:
        path = m["id"].split(":")[0]
        outcome = m["outcome"]
        if outcome in ("survived", "equivalent"):
            outcome = "equivalent" if m["id"] in equivalents else "survived"
        rows.setdefault(path, {c: 0 for c in COLUMNS})
        rows[path]["made"] += 1
        rows[path][outcome] += 1
        if outcome == "survived":
            survivors.append(f"{m['id']}  {m['change']}")
    print_table(rows, markdown)
    print(f"\nseed {report['seed']}, sample {report['sample'] or 'all'}, "
          f"{report['minutes']:.1f} min")
    for line in survivors:
        print(f"  survived: {line}")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sample", type=int, help="faults per file, drawn with the seed")
    parser.add_argument("--seed", default="1")
    parser.add_argument("--files", nargs="*", default=[], help="fnmatch patterns or path parts")
    parser.add_argument("--timeout-factor", type=float, default=3.0)
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--report", help="also write the results as JSON to this file")
    parser.add_argument("--only", nargs="*", default=[], metavar="ID",
                        help="of the drawn faults, only these (file:line:column:change)")
    parser.add_argument("--list", action="store_true", help="only list the faults, build nothing")
    parser.add_argument("--summary", metavar="REPORT",
                        help="print the table of an earlier --report with today's equivalents")
    parser.add_argument("--markdown", action="store_true", help="print the table as Markdown")
    args = parser.parse_args()
    if args.summary:
        return summarize(args.summary, args.markdown)
    build = os.path.abspath(args.build)

    files = [p for p in rule_files() if matches(p, args.files)]
    plan = {}
    for path in files:
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            plan[path] = sample(path, mutants_of(path, f.read()), args.sample, args.seed)
        if args.only:
            plan[path] = [m for m in plan[path] if m.id in args.only]
    plan = {path: mutants for path, mutants in plan.items() if mutants}
    if args.list:
        for path, mutants in plan.items():
            for m in mutants:
                print(f"{m.id}  {m.describe()}")
        print(f"{sum(len(m) for m in plan.values())} faults in {len(plan)} files")
        return 0

    # SIGTERM ends the run like Ctrl-C: the file under work is restored on the way out.
    def stop(*_):
        raise KeyboardInterrupt()

    signal.signal(signal.SIGTERM, stop)
    guard = SourceGuard(build)
    guard.mend_earlier_run()
    os.makedirs(build, exist_ok=True)
    configure(build, args.jobs)
    programs = test_programs(build)
    runner = Runner(build, args.timeout_factor)
    equivalents = load_equivalents()
    started = time.monotonic()
    total = sum(len(m) for m in plan.values())
    print(f"{total} faults in {len(plan)} files, seed {args.seed}", flush=True)

    rows, survivors, report, done = {}, [], [], 0
    try:
        for path, mutants in plan.items():
            counts = {c: 0 for c in COLUMNS}
            rows[path] = counts
            linked = linked_outputs(build, path)
            mine = [p for e, p in programs.items() if e in linked]
            if not mine:
                print(f"{path}: no test program links it")
            for program in mine:
                if program.seconds == 0.0:
                    ok, log = runner.make(program)
                    begin = time.monotonic()
                    if not ok or runner.run(program, 3600) != "pass":
                        sys.exit(f"{program.target} fails without a fault:\n{log[-3000:]}")
                    program.seconds = time.monotonic() - begin
            mine.sort(key=lambda p: p.seconds)
            with open(os.path.join(ROOT, path), "rb") as f:
                original = f.read()
            text = original.decode("utf-8")
            for mutant in mutants:
                done += 1
                mutated = (text[:mutant.start] + mutant.replacement + text[mutant.end:]).encode("utf-8")
                begin = time.monotonic()
                outcome, by = "survived", ""
                guard.apply(path, original, mutated)
                try:
                    for program in mine:
                        ok, _ = runner.make(program)
                        if not ok:
                            outcome = "not built"
                            break
                        result = runner.run(program, runner.limit(program))
                        if result != "pass":
                            outcome = "killed" if result == "fail" else "timed out"
                            by = os.path.basename(program.executable)
                            break
                finally:
                    guard.restore()
                counts["made"] += 1
                if outcome == "survived" and mutant.id in equivalents:
                    outcome = "equivalent"
                elif outcome != "survived" and mutant.id in equivalents:
                    print(f"  note: {mutant.id} is listed as equivalent but was {outcome}")
                counts[outcome] += 1
                if outcome == "survived":
                    survivors.append(mutant)
                report.append({"id": mutant.id, "change": mutant.describe(), "outcome": outcome,
                               "by": by})
                print(f"[{done}/{total}] {mutant.id} {mutant.describe()}: {outcome}"
                      f"{' by ' + by if by else ''} ({time.monotonic() - begin:.1f} s)", flush=True)
    except KeyboardInterrupt:
        guard.restore()
        print("\nStopped; the source files are as they were.")
    finally:
        guard.restore()

    print()
    totals = print_table(rows)
    minutes = (time.monotonic() - started) / 60
    print(f"\nseed {args.seed}, sample {args.sample or 'all'}, {minutes:.1f} min")
    if survivors:
        print("\nSurvivors:")
        for m in survivors:
            line = open(os.path.join(ROOT, m.path), encoding="utf-8").read().split("\n")[m.line - 1]
            print(f"  {m.id}  {m.describe()}\n      {line.strip()}")
    if args.report:
        with open(args.report, "w", encoding="utf-8") as f:
            json.dump({"seed": args.seed, "sample": args.sample, "minutes": minutes,
                       "files": rows, "total": totals, "mutants": report}, f, indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
