#!/usr/bin/env bash
# The file type of saved games: well-formed XML, taken by update-mime-database without a complaint, and then
# recognised by GIO, the library desktops ask, from the name (*.ornal) as well as from the content (a game renamed
# without its extension).
set -euo pipefail
declaration=$1

if ! command -v xmllint >/dev/null; then
    echo "SKIPPED: xmllint is missing (Debian package libxml2-utils)"
    exit 77
fi
# Debian ships no schema of this format; update-mime-database, below, is the reader that judges its elements.
xmllint --noout "$declaration"

if ! command -v update-mime-database >/dev/null || ! command -v gio >/dev/null; then
    echo "SKIPPED: update-mime-database or gio is missing (Debian packages shared-mime-info, libglib2.0-bin)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages" "$work/files"
cp "$declaration" "$work/mime/packages/"
# With the folder in the search path the tool is silent unless the XML has faults; it reports them on standard
# output and carries on, so its words are the test.
XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" >"$work/complaints" 2>&1
if [ -s "$work/complaints" ]; then
    echo "update-mime-database complained:"
    cat "$work/complaints"
    exit 1
fi

game='{"format": "ornal-jeu", "version": 1}'
printf '%s\n' "$game" >"$work/files/essai.ornal"
printf '%s\n' "$game" >"$work/files/copie-sans-extension"
printf 'pas du JSON\n' >"$work/files/texte.ornal"
printf '{"format": "autre-chose"}\n' >"$work/files/autre.json"
printf '{"format": "autre-chose"}\n' >"$work/files/autre-sans-extension"

failures=0
# Looked up as on an installed system: this declaration over the system's database, which knows JSON and text.
typeOf() {
    XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work:/usr/share" gio info -a standard::content-type "$work/files/$1" |
        sed -n 's/^ *standard::content-type: //p'
}
expect() {
    local name=$1 relation=$2 type=$3 found
    found=$(typeOf "$name")
    if { [ "$relation" = is ] && [ "$found" = "$type" ]; } || { [ "$relation" = not ] && [ "$found" != "$type" ]; }; then
        echo "ok: $name is $found"
    else
        echo "FAILED: $name is $found, expected $relation $type"
        failures=$((failures + 1))
    fi
}
expect essai.ornal is application/x-ornal
expect texte.ornal is application/x-ornal
expect copie-sans-extension is application/x-ornal
# The content rule must not claim every JSON file.
expect autre.json is application/json
expect autre-sans-extension not application/x-ornal
[ "$failures" -eq 0 ]
