#!/usr/bin/python3
"""Reads a CSV written by `ornal --csv` back with Python's csv module, as a spreadsheet would, and checks it.

The expected lines are worked out here from the prediction alone, independently of the program.
"""
import argparse
import csv
import itertools
import sys


def expected_lines(numbers, size, base):
    # Every choice of size boxes holding the base's box, the base at its own position, the others in box order.
    base_box = numbers.index(base) if base is not None else None
    lines = []
    for chosen in itertools.combinations(range(len(numbers)), size):
        if base_box is not None and base_box not in chosen:
            continue
        others = [b for b in chosen if b != base_box]
        order = [base_box if position == base_box else others.pop(0) for position in range(size)]
        lines.append([numbers[b] for b in order])
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("csv_file")
    parser.add_argument("--numbers", nargs="+", required=True)
    parser.add_argument("--size", type=int, required=True)
    parser.add_argument("--base")
    args = parser.parse_args()

    with open(args.csv_file, "rb") as raw:
        data = raw.read()
    failures = []
    if not data.startswith(b"\xef\xbb\xbf"):
        failures.append("no UTF-8 byte-order mark")
    # Every row ends with CR LF, and no bare LF stands anywhere.
    if data.count(b"\n") != data.count(b"\r\n"):
        failures.append("a line end is not CR LF")

    with open(args.csv_file, newline="", encoding="utf-8-sig") as text:
        rows = list(csv.reader(text, delimiter=";"))
    header = ["Combinaison"] + ["Cheval %d" % n for n in range(1, args.size + 1)]
    if not rows or rows[0] != header:
        failures.append("header %r, expected %r" % (rows[0] if rows else None, header))
    expected = expected_lines(args.numbers, args.size, args.base)
    got = rows[1:]
    if len(got) != len(expected):
        failures.append("%d rows, expected %d" % (len(got), len(expected)))
    for index, (row, numbers) in enumerate(zip(got, expected)):
        line = "-" + "".join(n + "-" for n in numbers)
        if row != [line] + numbers:
            failures.append("row %d is %r, expected %r" % (index + 2, row, [line] + numbers))
            if len(failures) > 10:
                break
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("%s: header and %d rows read back as written" % (args.csv_file, len(got)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
