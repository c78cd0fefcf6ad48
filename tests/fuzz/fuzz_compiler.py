#!/usr/bin/env python3
"""Feeds the compiler generated and mutated sources and records what should never happen.

Run by hand (not part of `make test`):

    python3 tests/fuzz/fuzz_compiler.py --orvan ./orvan --count 10000 --jobs 3

Case N is generated from N alone, so a long run can be split into chunks
(--start/--count) and any single case re-run with --start N --count 1. Every
case's outcome is appended to results.tsv in the output folder as it ends, so
an interrupted run loses nothing.

Each case is one of: a stream of random JavaScript tokens, a truncation of an
end-to-end program, or an end-to-end program with a few bytes flipped. The
compiler runs on it with --print-c. Recorded as findings:
  - the compiler ended by a signal (a crash);
  - the compiler ran longer than the time limit (a hang);
  - the compiler accepted the program (status 0) but its C++ does not compile.
A program that requires a package the compiler does not know is refused on
purpose at C++ compile time (the unsupported-package marker names it); such
cases are counted apart, not as findings.
The C++ check is the compiler's own first stage on the generated unit
(-fsyntax-only against the runtime headers), which is what a generator fault
breaks; the runtime sources themselves never change between cases.
Findings are copied into the output folder with the command's output.
"""
import argparse
import concurrent.futures
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile

MARKER = b"js_require_unsupported_"

TOKENS = [
    "var", "let", "const", "function", "return", "if", "else", "for", "while", "do", "break",
    "continue", "switch", "case", "default", "try", "catch", "finally", "throw", "new", "delete",
    "typeof", "instanceof", "in", "of", "this", "null", "undefined", "true", "false", "class",
    "extends", "super", "async", "await", "yield", "require", "module", "exports", "console",
    "log", "x", "y", "f", "a", "b", "0", "1", "42", "1e308", "-1", "NaN", "'s'", '"t"', "`u${x}`",
    "(", ")", "{", "}", "[", "]", ";", ",", ".", "...", "=>", "=", "==", "===", "!=", "+", "-",
    "*", "/", "%", "**", "++", "--", "&&", "||", "??", "?.", "?", ":", "<", ">", "<=", "!", "~",
    "&", "|", "^", "<<", ">>", "+=", "\n", " ", "/re/g", "// c\n", "/* c */",
]


def random_tokens(rng):
    return " ".join(rng.choice(TOKENS) for _ in range(rng.randint(1, 80)))


def truncated(rng, text):
    return text[: rng.randint(0, len(text))]


def flipped(rng, text):
    data = bytearray(text.encode("utf-8"))
    for _ in range(rng.randint(1, 4)):
        if not data:
            break
        i = rng.randrange(len(data))
        data[i] = rng.randrange(256) if rng.random() < 0.3 else rng.choice(b"(){}[];,.=+-*/'\"`\\\n x0")
    return bytes(data)


def make_case(rng, programs):
    kind = rng.choice(["tokens", "truncate", "flip"])
    if kind == "tokens" or not programs:
        return "tokens", random_tokens(rng).encode("utf-8")
    text = rng.choice(programs)
    if kind == "truncate":
        return kind, truncated(rng, text).encode("utf-8")
    return kind, flipped(rng, text)


def run_case(args, index, kind, source):
    work = tempfile.mkdtemp(prefix="orvan_fuzz_")
    try:
        src = os.path.join(work, "case.js")
        with open(src, "wb") as f:
            f.write(source)
        try:
            proc = subprocess.run([args.orvan, "--print-c", src], cwd=work, capture_output=True,
                                  timeout=args.timeout, env=dict(os.environ, ORVAN_STRICT_UNSUPPORTED=""))
        except subprocess.TimeoutExpired:
            return index, kind, "hang", source, b""
        if proc.returncode < 0:
            return index, kind, "signal %s" % signal.Signals(-proc.returncode).name, source, proc.stderr
        if proc.returncode != 0:
            return index, kind, "rejected", source, b""
        cpp = os.path.join(work, "case.cc")
        with open(cpp, "wb") as f:
            f.write(proc.stdout)
        try:
            check = subprocess.run([args.cxx, "-std=c++17", "-fsyntax-only", "-I", args.src, cpp],
                                   capture_output=True, timeout=args.timeout)
        except subprocess.TimeoutExpired:
            return index, kind, "C++ check hang", source, b""
        if check.returncode != 0:
            if MARKER in proc.stdout:
                return index, kind, "refused by marker", source, b""
            return index, kind, "C++ compiler failed", source, check.stderr[-4000:]
        return index, kind, "accepted", source, b""
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--orvan", default=os.path.join(root, "orvan"))
    p.add_argument("--src", default=os.path.join(root, "src"), help="runtime headers")
    p.add_argument("--cxx", default=os.environ.get("CXX") or "c++")
    p.add_argument("--programs", default=os.path.join(root, "tests", "e2e", "programs"))
    p.add_argument("--count", type=int, default=10000)
    p.add_argument("--jobs", type=int, default=3)
    p.add_argument("--timeout", type=float, default=60.0)
    p.add_argument("--start", type=int, default=1)
    p.add_argument("--out", default="fuzz-findings")
    args = p.parse_args()
    args.orvan = os.path.abspath(args.orvan)

    programs = []
    for name in sorted(os.listdir(args.programs)):
        if name.endswith(".js"):
            with open(os.path.join(args.programs, name), encoding="utf-8", errors="replace") as f:
                programs.append(f.read())

    os.makedirs(args.out, exist_ok=True)
    counts = {}
    findings = 0
    with open(os.path.join(args.out, "results.tsv"), "a") as results, \
            concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        futures = [pool.submit(run_case, args, i, *make_case(random.Random(i), programs))
                   for i in range(args.start, args.start + args.count)]
        for fut in concurrent.futures.as_completed(futures):
            index, kind, outcome, source, detail = fut.result()
            results.write("%d\t%s\t%s\n" % (index, kind, outcome))
            results.flush()
            key = "signal" if outcome.startswith("signal") else outcome
            counts[key] = counts.get(key, 0) + 1
            if outcome in ("rejected", "accepted", "refused by marker"):
                continue
            findings += 1
            base = os.path.join(args.out, "case%05d" % index)
            with open(base + ".js", "wb") as f:
                f.write(source)
            with open(base + ".txt", "wb") as f:
                f.write((outcome + " (" + kind + ")\n").encode() + detail)
            print("case %d (%s): %s" % (index, kind, outcome), flush=True)
    print("cases %d..%d: %d run; rejected by the compiler %d; accepted %d (of which an unknown package "
          "refused by its marker %d); signals %d; hangs over %gs %d; C++ compiler failed after acceptance %d"
          % (args.start, args.start + args.count - 1, args.count, counts.get("rejected", 0),
             counts.get("accepted", 0) + counts.get("refused by marker", 0), counts.get("refused by marker", 0),
             counts.get("signal", 0), args.timeout, counts.get("hang", 0) + counts.get("C++ check hang", 0),
             counts.get("C++ compiler failed", 0)))
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
