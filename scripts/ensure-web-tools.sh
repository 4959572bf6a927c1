#!/usr/bin/env bash
# Makes the web build and its tests possible: the Debian packages of
# CALORVIA_WEB_PACKAGES, npm where the machine has no npm command, and the npm
# packages of package-lock.json in node_modules/ (npm ci, only when they are
# missing or the lock file changed since). playwright-core drives the
# system's chromium and never downloads a browser; the variable below says so
# to any tool that would.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${CALORVIA_WEB_PACKAGES[@]}"
command -v npm >/dev/null 2>&1 || scripts/ensure-packages.sh npm
# (The web build's configure installs only the page's packages, without the
# test tools.)
if [ ! -f node_modules/.package-lock.json ] || [ ! -d node_modules/playwright-core ] ||
   [ package-lock.json -nt node_modules/.package-lock.json ]; then
    echo "Installing the npm packages of package-lock.json (npm ci)"
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi
