#!/usr/bin/env bash
# CPU time (user + system) of `arqaux sample --detail full --zones Z` (the full
# detail: 10-minute steps, every stream and report, at Z zones) for two builds
# of the tool, alternated run by run so that both see the same machine; prints
# every run, the median of each build and their ratio.
#   bench/compara_sample.sh OLD_TOOL NEW_TOOL [RUNS=5] [ZONES=30]
set -euo pipefail
antigo=$1 novo=$2 runs=${3:-5} zonas=${4:-30}
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
TIMEFORMAT='%U %S'
cpu() {  # seconds of CPU of one run of tool $1
  local t
  t=$( { time "$1" sample --detail full --zones "$zonas" "$pasta/saida" >/dev/null; } 2>&1 )
  rm -rf "$pasta/saida"
  awk '{ printf "%.3f", $1 + $2 }' <<<"$t"
}
a=() n=()
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then n+=("$(cpu "$novo")"); a+=("$(cpu "$antigo")")
  else a+=("$(cpu "$antigo")"); n+=("$(cpu "$novo")"); fi
  echo "run $((i + 1)): old ${a[-1]} s, new ${n[-1]} s"
done
mediana() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ma=$(mediana "${a[@]}") mn=$(mediana "${n[@]}")
awk -v a="$ma" -v n="$mn" 'BEGIN { printf "median old %.3f s, new %.3f s, new / old %.2f\n", a, n, n / a }'
