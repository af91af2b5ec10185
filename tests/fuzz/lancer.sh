#!/usr/bin/env bash
# Runs every fuzz target built in BUILD_DIR for SECONDS each, one after the
# other, on a working corpus that starts from the build's seeds and grows
# from run to run. Stops at the first finding, leaving the input in
# BUILD_DIR/fuzz/trouvailles/. FUZZ_TARGETS="fen partie" runs only those.
set -euo pipefail

build=${1:?usage: lancer.sh BUILD_DIR [SECONDS]}
secondes=${2:-30}
dir="$build/fuzz"
cibles=${FUZZ_TARGETS:-$(cd "$dir" && ls fuzz_* | sed 's/^fuzz_//')}
mkdir -p "$dir/trouvailles"

for nom in $cibles; do
  corpus="$dir/corpus/$nom"
  mkdir -p "$corpus"
  cp -n "$dir/graines/$nom"/* "$corpus"/ 2>/dev/null || true
  journal="$dir/$nom.log"
  # A hang of more than 20 s on one input is a finding too.
  if ! "$dir/fuzz_$nom" -max_total_time="$secondes" -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$dir/trouvailles/$nom-" "$corpus" >"$journal" 2>&1; then
    tail -n 60 "$journal"
    echo "fuzz_$nom: finding, input kept in $dir/trouvailles/" >&2
    exit 1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
  echo "fuzz_$nom: ${executions:-?} executions in ${secondes} s, no finding"
done
