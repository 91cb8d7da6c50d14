#!/usr/bin/env bash
# The menu entry as desktop-file-validate reads it: errors fail, hints are shown.
set -euo pipefail
entry=$1

if ! command -v desktop-file-validate >/dev/null; then
    echo "SKIPPED: desktop-file-validate is missing (Debian package desktop-file-utils)"
    exit 77
fi
desktop-file-validate "$entry"
echo "desktop-file-validate: $entry is valid"
