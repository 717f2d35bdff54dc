#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a while, each from its seed corpus.
#   run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET [WORK_DIR]
# New inputs go to WORK_DIR (a scratch folder), never into the committed corpora.
set -euo pipefail
build=$1
seconds=$2
work=${3:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in "$build"/tests/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue # not the *_autogen folders
  name=$(basename "$target" | sed 's/^fuzz_//')
  seeds="$here/corpus/$name"
  mkdir -p "$work/$name" "$work/artifacts"
  echo "== $name: $seconds s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/$name-" \
        "$work/$name" ${seeds:+$( [ -d "$seeds" ] && echo "$seeds")} 2>"$work/$name.log"; then
    echo "!! $name failed; see $work/$name.log"
    tail -40 "$work/$name.log"
    status=1
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added|cov:' "$work/$name.log" | tail -3 || true
done
exit $status
