#!/usr/bin/env bash
# CPU time (user + system, gnuplot's included) of plotting for two builds of
# the tool, alternated run by run so that both see the same machine:
# - a carpet of a year of 10-minute zone air temperatures, each build
#   drawing the file its own sample wrote (the column names differ);
# - what `sample --plots` adds to the same sample without it: three zones of
#   10-minute steps (the old build's default run, the new one's --detail full).
# Prints every run, the median of each build and their ratio new / old.
#   bench/plot_speed.sh OLD_TOOL NEW_TOOL [RUNS=3]
set -euo pipefail
antigo=$1 novo=$2 runs=${3:-3}
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
TIMEFORMAT='%U %S'
declare -A opcoes=([$antigo]="" [$novo]="--detail full")
declare -A coluna=([$antigo]=temperature_C [$novo]=zone_air_temperature)
"$antigo" sample --zones 1 "$pasta/ano-antigo" >/dev/null
"$novo" sample --zones 1 --interval 600 "$pasta/ano-novo" >/dev/null
declare -A ano=([$antigo]="$pasta/ano-antigo" [$novo]="$pasta/ano-novo")
cpu() {  # seconds of CPU of the command given
  local t
  t=$( { time "$@" >/dev/null; } 2>&1 )
  awk '{ printf "%.3f", $1 + $2 }' <<<"$t"
}
carpete() {  # $1: the tool
  cpu "$1" plot "${ano[$1]}/zona1_temp_umi.bin" --column "${coluna[$1]}" --carpet \
    --out "$pasta/c.png"
  rm -f "$pasta/c.png"
}
extra() {  # $1: the tool; CPU of sample --plots minus sample
  local com sem
  # shellcheck disable=SC2086
  sem=$(cpu "$1" sample ${opcoes[$1]} "$pasta/s")
  rm -rf "$pasta/s"
  # shellcheck disable=SC2086
  com=$(cpu "$1" sample ${opcoes[$1]} --plots "$pasta/s")
  rm -rf "$pasta/s"
  awk -v c="$com" -v s="$sem" 'BEGIN { printf "%.3f", c - s }'
}
mediana() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for medida in carpete extra; do
  a=() n=()
  for ((i = 0; i < runs; i++)); do
    if ((i % 2)); then n+=("$($medida "$novo")"); a+=("$($medida "$antigo")")
    else a+=("$($medida "$antigo")"); n+=("$($medida "$novo")"); fi
    echo "$medida run $((i + 1)): old ${a[-1]} s, new ${n[-1]} s"
  done
  ma=$(mediana "${a[@]}") mn=$(mediana "${n[@]}")
  awk -v m="$medida" -v a="$ma" -v n="$mn" \
    'BEGIN { printf "%s: median old %.3f s, new %.3f s, new / old %.2f\n", m, a, n, n / a }'
done
