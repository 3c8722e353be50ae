#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time;
# fails when any of them finds a crash, a hang, a leak or a sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${MP3_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${MP3_FUZZ_SECONDS:-60}
targets=(loader round_trip text_file)

scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMP3_FUZZ=ON -DMP3_BENCH=OFF -DMP3_WERROR=ON >/dev/null
cmake --build "$build_dir" --target fuzzers -j"$(nproc)"

# The targets write a file per run; memory-backed files keep the disk out of the figures.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

failed=()
for t in "${targets[@]}"; do
    # New inputs go to the build folder's corpus; the committed seeds are only read.
    corpus="$build_dir/corpus/$t"
    findings="$build_dir/findings"
    log="$build_dir/fuzz-$t.log"
    mkdir -p "$corpus" "$findings"
    echo "Fuzzing $t for ${seconds}s (log: $log)"
    status=0
    "$build_dir/tests/fuzz/fuzz_$t" "$corpus" "tests/fuzz/corpus/$t" \
        -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$t-" >"$log" 2>&1 || status=$?
    # The last status line and the final figures: runs, speed, coverage, corpus.
    grep -E '^#[0-9]+' "$log" | tail -n 1 || true
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$t FAILED (exit $status); the input is kept in $findings/:" >&2
        grep -E 'ERROR|fuzz check failed|SUMMARY|Test unit written' "$log" >&2 || tail -n 30 "$log" >&2
        failed+=("$t")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found faults in: ${failed[*]}" >&2
    exit 1
fi
echo "Fuzzing: no findings"
