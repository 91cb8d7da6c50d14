#!/usr/bin/env python3
"""Runs every command-line example of a page (the README, or the manual page) on the built program and checks that
it prints what the page shows.

How a page shows an example:
- README (Markdown): a code block, indented by four spaces or fenced with ```, whose first line starts with "$ ".
  Manual page (roff): a block between .EX and .EE whose first line starts with "$ "; its escapes (\\- \\(aq \\e \\~
  \\(Fo \\(Fc \\& \\fB ...) are read as groff prints them; an escape not in ROFF_ESCAPES stays as written, and so
  makes its example fail rather than pass unread.
- In such a block, each line starting with "$ " is a command, continued on the next lines while it ends with a
  backslash; the lines after it, up to the next "$ " line or the end of the block, are what it prints: its standard
  output, then its standard error, as a terminal shows them when the program writes its lines before its summaries.
  A command the page shows without output must print nothing. A shown line that is "..." alone stands for any
  number of printed lines, none included, so that a page need not show a long list whole.
- The commands of one block run one after the other in one fresh folder, so that a command can read what an earlier
  one wrote (a saved game, then its PDF). Each block gets its own folder.
- A block whose first line has no "$ " (a synopsis such as "ornal --print [--base N]... PRONOSTIC") is not run.
  Every "$ " command must start with "ornal": a page showing another tool's command (make, apt-get) writes it
  without "$ ", so that it is not taken for an example.

How it is run: by bash, as typed, with the built program first on PATH; the window, when an example opens it, runs
offscreen and quits as soon as it is shown. Blanks at line ends and the no-break spaces of French amounts (U+00A0,
U+202F, which the page shows as spaces) compare as plain spaces; everything else compares exactly.

A page with no example at all fails: that is an extraction gone wrong, not a page without examples.
Usage: check_examples.py PROGRAM PAGE...
"""

import os
import re
import subprocess
import sys
import tempfile

ROFF_ESCAPES = [
    ("\\fB", ""),
    ("\\fI", ""),
    ("\\fR", ""),
    ("\\fP", ""),
    ("\\(rs", "\\"),
    ("\\(dq", '"'),
    ("\\(aq", "'"),
    ("\\(Fo", "«"),
    ("\\(Fc", "»"),
    ("\\(em", "—"),
    ("\\(en", "–"),
    ("\\-", "-"),
    ("\\~", " "),
    ("\\ ", " "),
    ("\\&", ""),
    ("\\e", "\\"),
]


def unroff(line):
    out = []
    i = 0
    while i < len(line):
        for escape, text in ROFF_ESCAPES:
            if line.startswith(escape, i):
                out.append(text)
                i += len(escape)
                break
        else:
            out.append(line[i])
            i += 1
    return "".join(out)


def markdown_blocks(text):
    """The code blocks of a Markdown page, as lists of lines without their indentation."""
    blocks = []
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        fence = re.match(r"^(\s*)```", line)
        if fence:
            block = []
            i += 1
            while i < len(lines) and not re.match(r"^\s*```", lines[i]):
                block.append(lines[i][len(fence.group(1)):])
                i += 1
            blocks.append(block)
            i += 1
            continue
        indented = re.match(r"^( {4,})\S", line)
        if indented and (i == 0 or lines[i - 1].strip() == ""):
            indent = len(indented.group(1))
            block = []
            while i < len(lines) and (lines[i].startswith(" " * indent) or lines[i].strip() == ""):
                block.append(lines[i][indent:])
                i += 1
            while block and block[-1].strip() == "":
                block.pop()
            blocks.append(block)
            continue
        i += 1
    return blocks


def roff_blocks(text):
    """The .EX/.EE blocks of a manual page, unescaped."""
    blocks = []
    block = None
    for line in text.split("\n"):
        if line.startswith(".EX"):
            block = []
        elif line.startswith(".EE"):
            if block is not None:
                blocks.append(block)
            block = None
        elif block is not None and not line.startswith('.\\"'):
            block.append(unroff(line))
    return blocks


def examples(block):
    """The (command, shown output lines) of a block that starts with "$ ", in order."""
    if not block or not block[0].startswith("$ "):
        return []
    found = []
    i = 0
    while i < len(block):
        if not block[i].startswith("$ "):
            raise ValueError("a line shown before any command: " + block[i])
        command = block[i][2:]
        while command.endswith("\\") and i + 1 < len(block):
            i += 1
            command = command + "\n" + block[i]
        i += 1
        shown = []
        while i < len(block) and not block[i].startswith("$ "):
            shown.append(block[i])
            i += 1
        while shown and shown[-1].strip() == "":
            shown.pop()
        found.append((command, shown))
    return found


def normalised(lines):
    return [re.sub("[\u00a0\u202f]", " ", line).rstrip() for line in lines]


def matches(printed, shown):
    """Whether the printed lines are the shown ones, each "..." standing for any run of lines."""
    if not shown:
        return not printed
    if shown[0] == "...":
        return any(matches(printed[skip:], shown[1:]) for skip in range(len(printed) + 1))
    return bool(printed) and printed[0] == shown[0] and matches(printed[1:], shown[1:])


def run_block(program, block_examples, where):
    failures = 0
    bindir = os.path.dirname(os.path.abspath(program))
    with tempfile.TemporaryDirectory(prefix="ornal-examples-") as folder:
        runtime = os.path.join(folder, ".runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ)
        env.update(
            {
                "PATH": bindir + os.pathsep + env.get("PATH", "/usr/bin:/bin"),
                "QT_QPA_PLATFORM": "offscreen",
                "ORNAL_QUIT_WHEN_SHOWN": "1",
                "XDG_RUNTIME_DIR": runtime,
                "XDG_DATA_HOME": os.path.join(folder, ".data"),
                "XDG_CONFIG_HOME": os.path.join(folder, ".config"),
                "HOME": folder,
                "LC_ALL": "C.UTF-8",
            }
        )
        for command, shown in block_examples:
            if not re.match(r"^ornal(\s|$)", command):
                print(f"{where}: not a command of this program: $ {command}")
                failures += 1
                continue
            try:
                run = subprocess.run(
                    ["bash", "-c", command], cwd=folder, env=env, capture_output=True, timeout=120
                )
            except subprocess.TimeoutExpired:
                print(f"{where}: $ {command}\n  did not end within 120 s")
                failures += 1
                continue
            printed = (run.stdout + run.stderr).decode("utf-8", errors="replace").split("\n")
            while printed and printed[-1] == "":
                printed.pop()
            if not matches(normalised(printed), normalised(shown)):
                print(f"{where}: $ {command}\n  the page shows:")
                print("".join(f"    {line}\n" for line in shown), end="")
                print(f"  the program printed (status {run.returncode}):")
                print("".join(f"    {line}\n" for line in printed), end="")
                failures += 1
            else:
                print(f"{where}: ok: $ {command.splitlines()[0]}")
    return failures


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    program = sys.argv[1]
    failures = 0
    for page in sys.argv[2:]:
        with open(page, encoding="utf-8") as handle:
            text = handle.read().replace("\r\n", "\n")
        blocks = roff_blocks(text) if re.search(r"\n\.EX\b", text) or page.endswith(".1") else markdown_blocks(text)
        count = 0
        for number, block in enumerate(blocks, 1):
            try:
                found = examples(block)
            except ValueError as error:
                print(f"{page}, block {number}: {error}")
                failures += 1
                continue
            count += len(found)
            if found:
                failures += run_block(program, found, f"{os.path.basename(page)}, block {number}")
        if count == 0:
            print(f"{page}: no example found")
            failures += 1
        print(f"{page}: {count} examples")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
