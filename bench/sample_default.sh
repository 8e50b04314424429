#!/usr/bin/env bash
# The default run, `arqaux sample DIR` with no options, of two builds of the
# tool, alternated run by run so that both see the same machine: the CPU time
# (user + system) of every run, the median of each build and their ratio, and
# the files and bytes each writes (regular files of DIR but its run manifest,
# and `du -b` of DIR).
#   bench/sample_default.sh OLD_TOOL NEW_TOOL [RUNS=5]
set -euo pipefail
antigo=$1 novo=$2 runs=${3:-5}
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
TIMEFORMAT='%U %S'
cpu() {  # seconds of CPU of one run of tool $1 into a fresh folder
  local t
  rm -rf "$pasta/saida"
  t=$( { time "$1" sample "$pasta/saida" >/dev/null; } 2>&1 )
  awk '{ printf "%.3f", $1 + $2 }' <<<"$t"
}
escrito() {  # the files and bytes of the last run
  find "$pasta/saida" -type f ! -name .arqaux-run -printf '%s\n' |
    awk -v du="$(du -sb "$pasta/saida" | cut -f1)" '{ n++; b += $1 } END { printf "%d files, %d bytes (du -b %d)", n, b, du }'
}
a=() n=()
for ((i = 0; i < runs; i++)); do
  a+=("$(cpu "$antigo")"); wa=$(escrito)
  n+=("$(cpu "$novo")"); wn=$(escrito)
  echo "run $((i + 1)): old ${a[-1]} s, new ${n[-1]} s"
done
mediana() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ma=$(mediana "${a[@]}") mn=$(mediana "${n[@]}")
echo "old: $wa"
echo "new: $wn"
awk -v a="$ma" -v n="$mn" 'BEGIN { printf "median CPU old %.3f s, new %.3f s, new / old %.3f\n", a, n, n / a }'
