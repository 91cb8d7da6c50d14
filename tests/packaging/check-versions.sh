#!/usr/bin/env bash
# Every file that states the program's version states the project's: the manual page's title line, the newest
# release of the AppStream metadata (with its notes) and the newest entry of the Debian changelog.
set -euo pipefail
version=$1
packaging=$2

failures=0
compare() {
    local what=$1 found=$2
    if [ "$found" = "$version" ]; then
        echo "ok: $what says $version"
    else
        echo "FAILED: $what says '$found', the project is $version"
        failures=$((failures + 1))
    fi
}
compare "ornal.1" "$(sed -n 's/^\.TH ORNAL 1 [^ ]* "Ornal \([^"]*\)".*/\1/p' "$packaging/ornal.1")"
compare "the metainfo's newest release" \
    "$(grep -o '<release version="[^"]*"' "$packaging/fr.galopia.Ornal.metainfo.xml" | head -n 1 | cut -d'"' -f2)"
compare "the changelog" "$(sed -n '1s/^ornal (\([^)]*\)).*/\1/p' "$packaging/changelog")"

# The dates of the manual page, the release and the changelog entry are one day.
page_date=$(sed -n 's/^\.TH ORNAL 1 \([^ ]*\) .*/\1/p' "$packaging/ornal.1")
release_date=$(grep -o '<release version="[^"]*" date="[^"]*"' "$packaging/fr.galopia.Ornal.metainfo.xml" |
    head -n 1 | sed 's/.*date="\([^"]*\)"/\1/')
changelog_date=$(date -u -d "$(sed -n 's/^ -- .*>  //p' "$packaging/changelog" | head -n 1)" +%F)
if [ "$page_date" = "$release_date" ] && [ "$release_date" = "$changelog_date" ]; then
    echo "ok: the three are dated $release_date"
else
    echo "FAILED: dated $page_date (manual page), $release_date (metainfo), $changelog_date (changelog)"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
