#!/usr/bin/env bash
# `cmake --install` into an empty folder, under two prefixes: the files are exactly the ones the package must hold,
# with the modes Debian wants, the icons have the size their folder names, the compressed texts carry no time stamp,
# and the files that name one another (menu entry, metainfo, file type, icon, program) agree.
set -euo pipefail
build=$1
with_window=$2
module_dir=$3

expected_files() {
    cat <<'LIST'
bin/ornal
share/applications/fr.galopia.Ornal.desktop
share/doc/ornal/LICENSE
share/doc/ornal/README.md
share/doc/ornal/changelog.gz
share/doc/ornal/copyright
share/icons/hicolor/128x128/apps/fr.galopia.Ornal.png
share/icons/hicolor/16x16/apps/fr.galopia.Ornal.png
share/icons/hicolor/256x256/apps/fr.galopia.Ornal.png
share/icons/hicolor/32x32/apps/fr.galopia.Ornal.png
share/icons/hicolor/48x48/apps/fr.galopia.Ornal.png
share/icons/hicolor/scalable/apps/fr.galopia.Ornal.svg
share/man/man1/ornal.1.gz
share/metainfo/fr.galopia.Ornal.metainfo.xml
share/mime/packages/fr.galopia.Ornal.xml
LIST
    echo "$module_dir/ornal-bureau.so"
    echo "$module_dir/ornal-classeur.so"
    if [ "$with_window" = 1 ]; then
        echo libexec/ornal/ornal-fenetre
        echo "$module_dir/ornal-impression.so"
    fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# A big-endian 32-bit number of a file, at a byte offset.
number_at() { od -A n -t u1 -j "$2" -N 4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }

check_tree() {
    local prefix=$1 root=$2
    local found
    found=$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$found" != "$(expected_files | LC_ALL=C sort)" ]; then
        fail "prefix $prefix: the installed files differ from the package's list (< expected, > installed):"
        diff <(expected_files | LC_ALL=C sort) <(echo "$found") || true
        return
    fi
    echo "ok: prefix $prefix holds the $(echo "$found" | wc -l) expected files"

    local file mode
    while read -r file; do
        mode=$(stat -c %a "$root/$file")
        case "$file" in
        bin/* | libexec/*) [ "$mode" = 755 ] || fail "$file has mode $mode, not 755" ;;
        *) [ "$mode" = 644 ] || fail "$file has mode $mode, not 644" ;;
        esac
    done <<<"$found"

    local size png
    for size in 16 32 48 128 256; do
        png=$root/share/icons/hicolor/${size}x${size}/apps/fr.galopia.Ornal.png
        # PNG signature, then the IHDR chunk: width at byte 16, height at byte 20.
        if [ "$(head -c 8 "$png" | od -A n -t x1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
            fail "the ${size}x${size} icon is not a PNG"
        elif [ "$(number_at "$png" 16)x$(number_at "$png" 20)" != "${size}x${size}" ]; then
            fail "the ${size}x${size} icon is $(number_at "$png" 16)x$(number_at "$png" 20)"
        fi
    done

    local gz
    for gz in share/man/man1/ornal.1.gz share/doc/ornal/changelog.gz; do
        gzip -t "$root/$gz" || fail "$gz is not a sound gzip file"
        # Bytes 4 to 7 of a gzip header are its time stamp; gzip -n leaves them at zero.
        [ "$(number_at "$root/$gz" 4)" = 0 ] || fail "$gz carries a time stamp"
    done

    local entry=$root/share/applications/fr.galopia.Ornal.desktop
    local command icon types type
    command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$root/bin/$command" ] || fail "the menu entry starts '$command', which is not in bin/"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the menu entry's icon '$icon' is not installed"
    types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' ')
    for type in $types; do
        grep -q "<mime-type type=\"$type\">" "$root"/share/mime/packages/*.xml ||
            fail "the menu entry opens $type, which no installed declaration defines"
    done
    local metainfo=$root/share/metainfo/fr.galopia.Ornal.metainfo.xml launchable
    grep -q '<id>fr.galopia.Ornal</id>' "$metainfo" || fail "the metainfo's id is not the entry's name"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [ -f "$root/share/applications/$launchable" ] || fail "the metainfo launches '$launchable', which is not installed"
}

for prefix in /usr /opt/ornal; do
    root=$work/root$(echo "$prefix" | tr / _)
    if ! DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
        cat "$work/install.log"
        fail "cmake --install with the prefix $prefix"
        continue
    fi
    check_tree "$prefix" "$root$prefix"
    leftovers=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name "$(echo "$prefix" | cut -d/ -f2)")
    [ -z "$leftovers" ] || fail "prefix $prefix: files outside the prefix: $leftovers"
done

if command -v appstreamcli >/dev/null; then
    # As a software centre sees the installed tree: the metainfo, its menu entry and its icons together.
    appstreamcli validate-tree --no-net "$work/root_usr" || fail "appstreamcli validate-tree"
else
    echo "note: appstreamcli is missing (Debian package appstream); the installed tree was not validated as a whole"
fi
[ "$failures" -eq 0 ]
