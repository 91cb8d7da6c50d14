#!/usr/bin/env bash
# The manual page renders without a warning under both formatters Debian offers, and documents every option the
# program's own help lists (the help is the program's word; a new option without its paragraph fails here).
set -euo pipefail
page=$1
program=$2

checked=0
if command -v mandoc >/dev/null; then
    # -W warning leaves out mandoc's style remarks, which are matters of taste.
    mandoc -T lint -W warning "$page"
    echo "mandoc: no warning"
    checked=1
fi
if command -v groff >/dev/null; then
    # As man-db runs it: preconv for the UTF-8 accents, tbl for the table of bet types.
    warnings=$(LC_ALL=C.UTF-8 groff -k -t -ww -man -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "groff warns:"
        echo "$warnings"
        exit 1
    fi
    echo "groff: no warning"
    checked=1
fi
if [ "$checked" -eq 0 ]; then
    echo "SKIPPED: neither mandoc nor groff is installed (Debian packages mandoc, groff-base)"
    exit 77
fi

options() { grep -o -e '--[a-z0-9][a-z0-9-]*' | sort -u; }
helped=$("$program" --help | options)
documented=$(sed 's/\\-/-/g' "$page" | options)
missing=$(comm -23 <(echo "$helped") <(echo "$documented"))
if [ -n "$missing" ]; then
    echo "options in 'ornal --help' that the manual page does not document:"
    echo "$missing"
    exit 1
fi
echo "every option of 'ornal --help' is documented:" $helped
