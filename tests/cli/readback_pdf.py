#!/usr/bin/python3
"""Reads the text of a PDF written by `ornal --pdf` back with pdftotext (Debian's poppler-utils) and checks that it
holds the heading, every line of the prediction once, and the page numbers.

The expected lines are worked out here from the prediction alone, independently of the program.
"""
import argparse
import itertools
import re
import shutil
import subprocess
import sys

SKIPPED = 77


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("pdf_file")
    parser.add_argument("--numbers", nargs="+", required=True)
    parser.add_argument("--size", type=int, required=True)
    args = parser.parse_args()

    if shutil.which("pdftotext") is None:
        print("SKIPPED: pdftotext is missing (Debian package poppler-utils)")
        return SKIPPED
    # -layout keeps the columns apart; without it pdftotext joins lines that end in a dash as hyphenated words.
    text = subprocess.run(["pdftotext", "-layout", "-enc", "UTF-8", args.pdf_file, "-"], check=True,
                          capture_output=True, text=True).stdout
    expected = ["-" + "".join(n + "-" for n in chosen)
                for chosen in itertools.combinations(args.numbers, args.size)]
    words = text.replace("\f", " ").split()
    lines = [word for word in words if re.fullmatch(r"-(?:[^-\s]+-)+", word)]
    failures = []
    for needed in ("Programme Ornal", "Sans Base", "La sélection : -" + "-".join(args.numbers),
                   "Nombre de combinaisons : %d" % len(expected)):
        if needed not in text:
            failures.append("the heading lacks %r" % needed)
    if sorted(lines) != sorted(expected):
        missing = sorted(set(expected) - set(lines))
        extra = sorted(set(lines) - set(expected))
        failures.append("%d lines read, %d expected; missing %r; unexpected %r"
                        % (len(lines), len(expected), missing[:5], extra[:5]))
    pages = re.findall(r"Page (\d+) / (\d+)", text)
    if not pages or [int(p) for p, _ in pages] != list(range(1, len(pages) + 1)) \
            or any(int(total) != len(pages) for _, total in pages):
        failures.append("page numbers %r" % pages[:5])
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("%s: heading, %d lines and %d numbered pages read back" % (args.pdf_file, len(lines), len(pages)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
