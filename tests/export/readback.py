#!/usr/bin/python3
"""Reads a workbook written by `ornal --xlsx` back with openpyxl and checks every text and format of the export.

The expected lines are worked out here from the prediction alone, independently of the program.
"""
import argparse
import datetime
import itertools
import re
import sys

import openpyxl

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def expected_lines(numbers, size, base):
    boxes = range(len(numbers))
    base_box = numbers.index(base) if base is not None else None
    lines = []
    for chosen in itertools.combinations(boxes, size):
        if base_box is not None and base_box not in chosen:
            continue
        others = [b for b in chosen if b != base_box]
        order = []
        for position in range(size):
            order.append(base_box if position == base_box else others.pop(0))
        lines.append("-" + "".join(numbers[b] + "-" for b in order))
    return lines


def euros(cents):
    """An amount the French way: "232 560,00 €", a no-break space between thousands and before the sign."""
    whole = f"{cents // 100:,}".replace(",", "\u00a0")
    return f"{whole},{cents % 100:02d}\u00a0€"


def rough_width(text, size=10, bold=False):
    """A coarse width in character units, from three classes of letters: narrow, wide and the rest."""
    narrow = set(" .,:;!|ilIjtf'-()r/")
    wide = set("mMwW@%")
    units = sum(0.45 if c in narrow else 1.2 if c in wide else 0.8 for c in text)
    return units * size / 10 * (1.1 if bold else 1.0)


def solid(fill, argb):
    return fill is not None and fill.fill_type == "solid" and fill.fgColor.rgb == argb


def font_is(font, bold, size):
    return font.name == "Arial" and bool(font.b) == bold and float(font.sz) == size


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--numbers", nargs="+", required=True)
    parser.add_argument("--size", type=int, required=True)
    parser.add_argument("--base")
    parser.add_argument("--bet", help="the bet type's name as printed, with --stake-cents")
    parser.add_argument("--stake-cents", type=int)
    args = parser.parse_args()

    lines = expected_lines(args.numbers, args.size, args.base)
    workbook = openpyxl.load_workbook(args.file)
    check(workbook.sheetnames == ["Ornal"], f"sheet names {workbook.sheetnames}")
    sheet = workbook["Ornal"]

    base_text = " Sans Base " if args.base is None else " 1 "
    heading = [" Programme Ornal", base_text, " La sélection : -" + "-".join(args.numbers),
               f" Nombre de combinaisons : {len(lines)}"]
    for row, text in enumerate(heading, start=1):
        check(sheet.cell(row, 1).value == text, f"A{row} is {sheet.cell(row, 1).value!r}, not {text!r}")
        for column in (1, 2):
            cell = sheet.cell(row, column)
            where = cell.coordinate
            check(font_is(cell.font, False, 10), f"{where} font {cell.font.name} {cell.font.b} {cell.font.sz}")
            check(solid(cell.fill, "FFFF6600"), f"{where} fill {cell.fill.fgColor.rgb}")
            border = cell.border
            sides = {"left": column == 1, "right": column == 2, "top": row == 1, "bottom": row == 4}
            for side, framed in sides.items():
                style = getattr(border, side).style
                check(style == ("thin" if framed else None), f"{where} {side} border {style}")
    check(sheet.cell(2, 2).value is None, "B2 holds a value")
    check(sheet["A5"].value is None, f"A5 is {sheet['A5'].value!r}")

    a6 = sheet["A6"]
    check(a6.value == "Les Jeux", f"A6 is {a6.value!r}")
    check(font_is(a6.font, True, 12), "A6 font")
    check(solid(a6.fill, "FFFFFFCC"), f"A6 fill {a6.fill.fgColor.rgb}")
    for side in ("left", "top", "bottom"):
        check(getattr(a6.border, side).style == "thin", f"A6 {side} border")
    # Row 6 is formatted across the used columns, A and B, and no further: no format of the whole row.
    b6 = sheet["B6"]
    check(solid(b6.fill, "FFFFFFCC") and b6.font.b, "B6 is not formatted as the header row")
    check(b6.border.right.style == "thin" and b6.border.top.style == "thin", "B6 does not close the header's frame")
    row6 = sheet.row_dimensions[6]
    check(not solid(row6.fill, "FFFFFFCC") and not row6.font.b, "row 6 is formatted whole, past the used columns")
    check(sheet.max_column == 2, f"the sheet uses {sheet.max_column} columns, not A and B")

    rows = sheet.iter_rows(min_row=7, max_row=6 + len(lines), max_col=1)
    bad_lines = 0
    for number, (row, line) in enumerate(zip(rows, lines)):
        cell = row[0]
        ok = (cell.value == " " + line and font_is(cell.font, True, 12) and solid(cell.fill, "FFCCFFCC")
              and cell.border.left.style is None and cell.border.top.style is None)
        if not ok:
            bad_lines += 1
            if bad_lines <= 5:
                failures.append(f"line {number + 1} in {cell.coordinate}: {cell.value!r}, expected {' ' + line!r}")
    check(bad_lines == 0, f"{bad_lines} lines wrong")
    after = 7 + len(lines)
    check(sheet.cell(after, 1).value is None, f"A{after} below the list is {sheet.cell(after, 1).value!r}")

    signature_cell = sheet.cell(after + 3, 2)
    signature = signature_cell.value
    match = re.fullmatch(r"Galopia Le : (\d\d)/(\d\d)/(\d{4})", signature or "")
    check(match is not None, f"signature B{after + 3} is {signature!r}")
    check(signature_cell.alignment.horizontal == "right", "the signature is not aligned to the right of column B")
    if match:
        day = datetime.date(int(match[3]), int(match[2]), int(match[1]))
        check(abs((datetime.date.today() - day).days) <= 1, f"signature date {day}")

    notes = []
    if args.bet:
        notes.append(f"{args.bet} : {len(lines)} mises de {euros(args.stake_cents)} = "
                     f"{euros(len(lines) * args.stake_cents)}")
    if args.base is not None:
        notes.append(f"Base : {args.base}")
    for offset, note in enumerate(notes, start=4):
        found = sheet.cell(after + offset, 1).value
        check(found == note, f"A{after + offset} is {found!r}, not {note!r}")
    last_row = after + 3 + len(notes)
    check(sheet.max_row == last_row, f"the sheet ends in row {sheet.max_row}, not {last_row}")

    # Printed on its page: the used range, one page wide, A4 upright.
    area = sheet.print_area
    area = area[0] if isinstance(area, list) else area
    check(area is not None and area.endswith(f"$A$1:$B${last_row}"), f"print area {area!r}")
    check(sheet.sheet_properties.pageSetUpPr is not None and sheet.sheet_properties.pageSetUpPr.fitToPage,
          "the sheet is not fitted to its pages")
    setup = sheet.page_setup
    check(setup.fitToWidth in (None, 1) and setup.fitToHeight in (0, "0"),
          f"fitted to {setup.fitToWidth} by {setup.fitToHeight} pages, not one page wide")
    check(str(setup.paperSize) == "9", f"paper {setup.paperSize}, not A4")

    # Column A fits its longest text: neither the character count of old nor narrower than the texts.
    width = sheet.column_dimensions["A"].width
    estimates = [rough_width(text) for text in heading + notes]
    estimates += [rough_width(" " + line, 12, True) for line in lines[:1000]]
    needed = max(estimates)
    check(width is not None and needed * 0.8 <= width <= needed * 1.4 + 1.5,
          f"column A width {width} for a longest text of about {needed:.1f} units")
    if failures:
        print("\n".join(failures))
        return 1
    print(f"{args.file}: {len(lines)} lines checked")
    return 0


if __name__ == "__main__":
    sys.exit(main())
