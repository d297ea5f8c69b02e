#!/usr/bin/env bash
# Runs the benchmarks of a build (the programs named *_bench under BUILD/bench) one after the other and
# prints every figure they report in one table beside its target, misses marked MISS, then one summary
# line. A benchmark that fails counts as a miss. Exit status 1 when anything missed.
#
#   bench/report.sh BUILD [name_bench ...]
set -uo pipefail

build_dir=${1:?usage: bench/report.sh BUILD [name_bench ...]}
shift
export QT_QPA_PLATFORM=offscreen

mapfile -t benches < <(find "$build_dir/bench" -type f -name '*_bench' -perm -u+x 2>/dev/null | sort)
if [ $# -gt 0 ]; then
  wanted=()
  for b in "${benches[@]}"; do
    for name in "$@"; do [ "$(basename "$b")" = "$name" ] && wanted+=("$b"); done
  done
  benches=("${wanted[@]}")
fi
if [ ${#benches[@]} -eq 0 ]; then
  echo "bench: no benchmarks found under $build_dir/bench" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
figures="$work/figures"
: >"$figures"

for b in "${benches[@]}"; do
  name=$(basename "$b")
  echo "== $name"
  start=$(date +%s)
  "$b" >"$work/out" 2>&1
  status=$?
  # The details as the benchmark printed them; its figures go to the table.
  grep -v -e '^@figure' -e '^QStandardPaths: XDG_RUNTIME_DIR' -e 'does not support propagateSizeHints' \
    "$work/out" | sed 's/^/   /'
  grep '^@figure' "$work/out" | sed "s/^@figure/$name/" >>"$figures"
  if [ $status -ne 0 ]; then
    printf '%s\t%s\texit\t%s\t%s\tMISS\n' "$name" "the benchmark itself (failed)" "$status" "exit 0" >>"$figures"
  fi
  echo "   ($(($(date +%s) - start)) s)"
done

echo
awk -F'\t' '
  BEGIN { printf "%-16s %-54s %14s  %-18s %s\n", "benchmark", "figure", "value", "target", "result"
          printf "%s\n", "--------------------------------------------------------------------------------------------------------------" }
  {
    value = ($3 == "-") ? "-" : $3 " " $4
    printf "%-16s %-54s %14s  %-18s %s\n", ($1 == last ? "" : $1), $2, value, $5, $6
    last = $1
    if ($6 == "ok") ok++
    else if ($6 == "MISS") miss++
    else shown++
  }
  END {
    printf "\n"
    if (miss > 0) printf "bench: %d of %d targets MISSED (%d met; %d figures for orientation)\n", miss, ok + miss, ok, shown
    else printf "bench: all %d targets met (%d figures for orientation)\n", ok, shown
    exit (miss > 0)
  }' "$figures"
