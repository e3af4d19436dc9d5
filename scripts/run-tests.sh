#!/usr/bin/env bash
# Builds the project and runs every test, headless: first a plain build, then an AddressSanitizer and
# UndefinedBehaviorSanitizer build (with clang, which also builds the fuzz targets) whose tests and fuzz
# runs must not report anything. Installs the apt packages it needs first.
#
# Environment: QUELLOR_FUZZ_SECONDS (default 20) per fuzz target; QUELLOR_SKIP_SANITIZE=1 runs only the
# plain build; QUELLOR_BUILD_DIR (default build) holds both build trees.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh

jobs=$(nproc)
build=${QUELLOR_BUILD_DIR:-build}
fuzz_seconds=${QUELLOR_FUZZ_SECONDS:-20}
export QT_QPA_PLATFORM=offscreen

run_ctest() {
    bash scripts/in-netns.sh ctest --test-dir "$1" --output-on-failure --timeout 600 -j "$jobs"
}

echo "== plain build =="
cmake -S . -B "$build/plain" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLOR_WERROR=ON
cmake --build "$build/plain" -j "$jobs"
run_ctest "$build/plain"

[ "${QUELLOR_SKIP_SANITIZE:-0}" = 1 ] && exit 0

echo "== sanitizer build =="
fuzz=OFF
compilers=()
if command -v clang++ >/dev/null; then
    fuzz=ON
    compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
else
    echo "clang is missing: sanitizer build with g++, no fuzz runs"
fi
cmake -S . -B "$build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${compilers[@]}" \
    -DQUELLOR_SANITIZE=ON -DQUELLOR_FUZZ=$fuzz -DQUELLOR_WERROR=ON
cmake --build "$build/sanitize" -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_ctest "$build/sanitize"

[ "$fuzz" = ON ] || exit 0
echo "== fuzz runs (${fuzz_seconds} s each) =="
for target in "$build"/sanitize/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$build/sanitize/fuzz-corpus/$name"
    mkdir -p "$corpus"
    [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "-- $name"
    log="$build/sanitize/fuzz-corpus/$name.log"
    if ! "$target" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/sanitize/fuzz-corpus/$name-" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $name failed"
        exit 1
    fi
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$log" || tail -n 2 "$log"
done
echo "== all tests passed =="
