#!/usr/bin/env bash
# Builds the program and starts it in its data folder: the folder named as
# the first argument, or ~/.local/share/cenhe (created when missing).
# sys.ini and the page files live in that folder.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
data="${1:-${XDG_DATA_HOME:-$HOME/.local/share}/cenhe}"
mkdir -p "$data"
cd "$data"
exec "${CENHE_BUILD_DIR:-$top/build}/cenhe"
