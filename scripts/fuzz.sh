#!/usr/bin/env bash
# Fuzzes one reader with libFuzzer for the given number of seconds (default
# 600): the INI reader and writer (ini, the default), text lists (listtext),
# .xlsx files (xlsx) or the XML inside a workbook it builds (xlsxxml).
#   scripts/fuzz.sh [TARGET] [SECONDS] [libFuzzer arguments, e.g. -runs=2000000]
# Installs clang for this build only; each target keeps its corpus in
# build-fuzz/ between runs (the INI one in build-fuzz/corpus), crashes land
# in build-fuzz/.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
target=ini
case "${1:-}" in ini | listtext | xlsx | xlsxxml) target=$1; shift ;; esac
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
cmake --build "$build" --target "fuzz_$target" -j"$(nproc)"
case "$target" in
  ini) corpus=corpus seeds=seeds options=(-max_len=4096) ;;
  listtext) corpus=corpus-listtext seeds=seeds-listtext options=(-max_len=4096) ;;
  xlsx) corpus=corpus-xlsx seeds=seeds-xlsx options=(-max_len=16384) ;;
  xlsxxml) corpus=corpus-xlsxxml seeds=seeds-xlsxxml options=(-max_len=8192 "-dict=$top/tests/fuzz/xlsx.dict") ;;
esac
mkdir -p "$build/$corpus"
cd "$build"
exec "./tests/fuzz/fuzz_$target" -max_total_time="$seconds" "${options[@]}" -print_final_stats=1 "$@" \
  "$corpus" "$top/tests/fuzz/$seeds"
