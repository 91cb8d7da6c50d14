#!/usr/bin/env bash
# The package brings what the program loads by name at run time, which dpkg-shlibdeps cannot see: Qt's display
# plugins, and Liberation Sans, the font with Arial's metrics that the window's labels are measured for.
set -euo pipefail
config=$1
depends=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$config")
failures=0
for package in qt6-qpa-plugins fonts-liberation2; do
    if tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qx "$package"; then
        echo "ok: the package depends on $package"
    else
        echo "FAILED: the package does not depend on $package (Depends: $depends)"
        failures=$((failures + 1))
    fi
done
# The font the window asks for when Arial is absent is the one that package installs.
if dpkg-query -L fonts-liberation2 >/dev/null 2>&1; then
    if dpkg-query -L fonts-liberation2 | grep -q '/LiberationSans-Regular\.ttf$'; then
        echo "ok: fonts-liberation2 installs Liberation Sans"
    else
        echo "FAILED: fonts-liberation2 installs no LiberationSans-Regular.ttf"
        failures=$((failures + 1))
    fi
fi
exit $((failures > 0))
