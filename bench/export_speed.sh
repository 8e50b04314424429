#!/usr/bin/env bash
# Export speed of two builds of the tool on the full 3-zone sample run
# (3,398,880 rows), alternated round by round so that both see the same
# machine: CPU time (user + system) of the CSV export of every exportable
# file of the run and of the SQLite export of the run, the median of each,
# CSV megabytes written per CPU second, values per CPU second into SQLite,
# and the ratios new / old. The old tool writes CSV one process per file,
# as its README says (`arqaux export FILE --to csv --out F.csv`); the new
# one the whole run in one process (`arqaux export RUN --to csv --out DIR`).
# With the floor program (bench/sqlite_floor.cpp, built with
# ARQAUX_BUILD_BENCH) it also times the bare inserts of the same values and
# gives each SQLite export's ratio to that floor.
#   bench/export_speed.sh OLD_TOOL NEW_TOOL [RUNS=5] [SQLITE_FLOOR]
set -euo pipefail
antigo=$1 novo=$2 runs=${3:-5} piso=${4:-}
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
"$novo" sample "$pasta/run" --detail full >/dev/null
# The files that export: those the new tool writes a CSV of.
"$novo" export "$pasta/run" --to csv --out "$pasta/lista" >/dev/null
mapfile -t arquivos < <(cd "$pasta/lista" && ls -- *.csv | sed 's/\.csv$//')
rm -rf "$pasta/lista"
echo "run: ${#arquivos[@]} exportable files; load: $(cut -d' ' -f1-3 /proc/loadavg)"

TIMEFORMAT='%U %S'
cpu() {  # CPU seconds of the command line "$@", children included
  local t
  t=$( { time "$@" >/dev/null 2>&1; } 2>&1 )
  awk '{ printf "%.3f", $1 + $2 }' <<<"$t"
}
csv_antigo() {
  mkdir -p "$pasta/csv"
  for a in "${arquivos[@]}"; do "$antigo" export "$pasta/run/$a" --to csv --out "$pasta/csv/$a.csv"; done
}
csv_novo() { "$novo" export "$pasta/run" --to csv --out "$pasta/csv"; }
megabytes() { du -sb "$pasta/csv" | awk '{ printf "%.1f", $1 / 1e6 }'; }
sqlite_de() { "$1" export "$pasta/run" --to sqlite --out "$pasta/run.sqlite"; }

ca=() cn=() sa=() sn=() pi=()
mb_antigo=0 mb_novo=0 valores=0
rodada() {  # one tool's CSV and SQLite exports: $1 old or new
  if [[ $1 == old ]]; then
    ca+=("$(cpu csv_antigo)"); mb_antigo=$(megabytes)
    rm -rf "$pasta/csv"; sa+=("$(cpu sqlite_de "$antigo")")
  else
    cn+=("$(cpu csv_novo)"); mb_novo=$(megabytes)
    rm -rf "$pasta/csv"; sn+=("$(cpu sqlite_de "$novo")")
  fi
  rm -f "$pasta/run.sqlite"
}
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then rodada new; rodada old; else rodada old; rodada new; fi
  linha="round $((i + 1)): CSV old ${ca[-1]} s, new ${cn[-1]} s; SQLite old ${sa[-1]} s, new ${sn[-1]} s"
  if [[ -n $piso ]]; then
    saida=$("$piso" "$pasta/run" "$pasta/piso.sqlite")
    rm -f "$pasta/piso.sqlite"
    pi+=("$(sed -E 's/.* ([0-9.]+) s CPU.*/\1/' <<<"$saida")")
    valores=$(sed -E 's/.* ([0-9]+) values,.*/\1/' <<<"$saida")
    linha+="; floor ${pi[-1]} s"
  fi
  echo "$linha"
done
mediana() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
mca=$(mediana "${ca[@]}") mcn=$(mediana "${cn[@]}") msa=$(mediana "${sa[@]}") msn=$(mediana "${sn[@]}")
awk -v a="$mca" -v n="$mcn" -v ma="$mb_antigo" -v mn="$mb_novo" 'BEGIN {
  printf "CSV: median old %.3f s (%.1f MB, %.1f MB/CPU s), new %.3f s (%.1f MB, %.1f MB/CPU s); CPU new / old %.3f\n",
    a, ma, ma / a, n, mn, mn / n, n / a }'
awk -v a="$msa" -v n="$msn" 'BEGIN {
  printf "SQLite: median old %.3f s, new %.3f s; CPU new / old %.3f\n", a, n, n / a }'
if [[ -n $piso ]]; then
  mp=$(mediana "${pi[@]}")
  awk -v a="$msa" -v n="$msn" -v p="$mp" -v v="$valores" 'BEGIN {
    printf "SQLite floor: median %.3f s for %d values (%.0f values/CPU s)\n", p, v, v / p
    printf "SQLite values/CPU s: old %.0f, new %.0f; floor / old %.3f, floor / new %.3f\n",
      v / a, v / n, p / a, p / n }'
fi
