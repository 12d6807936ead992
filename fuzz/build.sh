#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan into build-fuzz/, then
# runs one if asked.
#   fuzz/build.sh                       build fuzz_readingfile and fuzz_settings
#   fuzz/build.sh run TARGET [SECONDS] [LIBFUZZER_OPTION...]
#       build, then fuzz TARGET (readingfile | settings) from its seed corpus for SECONDS (600);
#       new inputs go to build-fuzz/corpus/TARGET, findings to build-fuzz/findings/TARGET
#   fuzz/build.sh ci [SECONDS]
#       build, then fuzz each target from its seed corpus alone for SECONDS (60), keeping no
#       new inputs; fails on the first finding
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-missing.sh
install_missing clang libclang-rt-14-dev # libFuzzer and the sanitizers' runtimes
build=build-fuzz
sanitizers=-fsanitize=address,undefined
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j2 --target fuzz_readingfile fuzz_settings

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
# The settings store keeps its scratch copies in the user's runtime folder: a private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$PWD/$build/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi

fuzz() { # fuzz TARGET SECONDS NEW_INPUTS_FOLDER [LIBFUZZER_OPTION...]
    local target=$1 seconds=$2 corpus=$3
    shift 3
    mkdir -p "$corpus" "$build/findings/$target"
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target/" "$@" "$corpus" "fuzz/corpus/$target"
}

case "${1:-}" in
run)
    target=${2:?readingfile or settings}
    seconds=${3:-600}
    shift $(($# < 3 ? $# : 3))
    fuzz "$target" "$seconds" "$build/corpus/$target" "$@"
    ;;
ci)
    for target in readingfile settings; do
        # Inputs found by earlier runs stay out, so every run starts from the same seeds.
        rm -rf "$build/ci-corpus/$target"
        fuzz "$target" "${2:-60}" "$build/ci-corpus/$target" ||
            { echo "fuzz/build.sh: fuzz_$target broke a rule; the input is in $build/findings/$target" >&2; exit 1; }
    done
    ;;
esac
