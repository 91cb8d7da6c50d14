#!/usr/bin/env bash
# The AppStream metadata as software centres read it, without the network: pedantic remarks are shown, errors and
# warnings fail.
set -euo pipefail
metainfo=$1

if ! command -v appstreamcli >/dev/null; then
    echo "SKIPPED: appstreamcli is missing (Debian package appstream)"
    exit 77
fi
appstreamcli validate --no-net --pedantic "$metainfo"
