#!/usr/bin/env bash
# Fuzzes the INI reader and writer with libFuzzer for the given number of
# seconds (default 600); further arguments go to libFuzzer (for example
# -runs=10000000). Installs clang for this build only; the corpus is kept in
# build-fuzz/corpus between runs, crashes land in build-fuzz/.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds="${1:-600}"
shift || true
"$top/scripts/setup.sh" >/dev/null
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-dev 2>/dev/null | grep -q 'install ok installed'; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-dev </dev/null
fi
build="$top/build-fuzz"
cmake -S "$top" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCENHE_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_ini -j"$(nproc)"
mkdir -p "$build/corpus"
cd "$build"
exec ./tests/fuzz/fuzz_ini -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$@" corpus "$top/tests/fuzz/seeds"
