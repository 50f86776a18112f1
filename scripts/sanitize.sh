#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there. Any report fails the run.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh" >/dev/null
build="$top/build-asan"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
# verify_asan_link_order=0: the crash-safety test preloads its failing-sync
# library ahead of the sanitizer runtime. CENHE_SLOWDOWN widens the tests'
# bounds on runaway work, as everything here runs several times slower.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:verify_asan_link_order=0"
export CENHE_SLOWDOWN=10
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
