#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan into build-fuzz/, then
# runs one if asked.
#   fuzz/build.sh                       build fuzz_readingfile and fuzz_settings
#   fuzz/build.sh run TARGET [SECONDS] [LIBFUZZER_OPTION...]
#       build, then fuzz TARGET (readingfile | settings) from its seed corpus for SECONDS (600);
#       new inputs go to build-fuzz/corpus/TARGET, findings to build-fuzz/findings/TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "fuzz/build.sh needs Debian's clang: apt-get install clang" >&2; exit 2; }
build=build-fuzz
sanitizers=-fsanitize=address,undefined
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j2 --target fuzz_readingfile fuzz_settings

if [ "${1:-}" = run ]; then
    target=${2:?readingfile or settings}
    seconds=${3:-600}
    shift $(($# < 3 ? $# : 3))
    mkdir -p "$build/corpus/$target" "$build/findings/$target"
    export QT_QPA_PLATFORM=offscreen
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
    exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target/" "$@" "$build/corpus/$target" "fuzz/corpus/$target"
fi
