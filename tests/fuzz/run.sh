#!/bin/sh
# Runs every fuzz target of a build for SECONDS each, starting from its seed corpus.
# usage: run.sh BUILD_DIR SECONDS
# The corpus is copied to a temporary folder so that runs do not add files to the repository.
# An input that breaks a target is kept in BUILD_DIR/fuzz-crashes/ and the script fails.
set -eu

build=${1:?usage: run.sh BUILD_DIR SECONDS}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

failed=""
for target in record_file legacy_file list_file amount date_text; do
    exe="$build/tests/fuzz/fuzz_$target"
    if [ ! -x "$exe" ]; then
        echo "run.sh: $exe is missing; build the kelvora_fuzz target first" >&2
        exit 2
    fi
    mkdir -p "$work/$target" "$work/crash-$target"
    cp "$here/corpus/$target/"* "$work/$target/"
    echo "== fuzz_$target for ${seconds}s"
    # -timeout: an input that takes this long counts as a hang.
    if ! "$exe" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$work/crash-$target/" \
        "$work/$target" > "$work/$target.log" 2>&1; then
        tail -n 40 "$work/$target.log" >&2
        mkdir -p "$build/fuzz-crashes"
        cp "$work/crash-$target/"* "$build/fuzz-crashes/" 2>/dev/null || true
        failed="$failed $target"
    fi
    grep '^Done' "$work/$target.log" || true
done

if [ -n "$failed" ]; then
    echo "run.sh: failed:$failed (inputs kept in $build/fuzz-crashes/)" >&2
    exit 1
fi
echo "run.sh: every target ran clean"
