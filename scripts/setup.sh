#!/usr/bin/env bash
# Installs the Debian packages the build needs when they are missing,
# then configures and builds into build/. Safe to run again: it only
# installs what is absent and rebuilds what changed.
# Other scripts may name more packages in CENHE_EXTRA_PACKAGES and build
# only some targets, named in CENHE_SETUP_TARGETS (scripts/build-windows.sh).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake make g++ pkg-config
  qt6-base-dev libxkbcommon-dev qt6-translations-l10n qt6-l10n-tools
  fonts-arphic-ukai fonts-arphic-uming
  libbenchmark-dev
  libquazip1-qt6-dev zlib1g-dev
  xvfb xauth poppler-utils
  clang-format
)
read -ra extra <<<"${CENHE_EXTRA_PACKAGES:-}"
packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}" >&2
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

build="${CENHE_BUILD_DIR:-$top/build}"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE="${CENHE_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
targets=()
for target in ${CENHE_SETUP_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
