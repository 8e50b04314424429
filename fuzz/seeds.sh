#!/usr/bin/env bash
# Writes the fuzz targets' seeds into OUT/<target>/: a short sample run and a
# sample configuration written by the tool, cut into pieces, each behind the
# argument bytes its target reads first (see the comment at the top of each
# target).
# Usage: fuzz/seeds.sh ARQAUX_TOOL OUT
set -euo pipefail
arqaux=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out"
mkdir -p "$out"/{climate_fuzz,streams_fuzz,config_readers_fuzz,config_blocks_fuzz,leitor_real_fuzz,hvac_system_fuzz,loads_fuzz,envelope_fuzz,catalogue_fuzz,epw_fuzz,file_kind_fuzz,diagnostics_fuzz,inputs_fuzz,manifest_fuzz}
work="$out/sample"
mkdir -p "$work"
(cd "$work" && "$arqaux" sample run --days 1 --zones 1 --interval 3600 >/dev/null &&
  "$arqaux" config sample config.txt >/dev/null && "$arqaux" hvac sample hvac.txt >/dev/null)

# Argument bytes: b BYTE..., i INT32... (little-endian), then a file's bytes.
b() { for v in "$@"; do printf "\\x$(printf %02x $((v & 255)))"; done; }
i() { for v in "$@"; do b $((v)) $((v >> 8)) $((v >> 16)) $((v >> 24)); done; }
seed() { cat >"$out/$1/$2"; }

# Climate: operation | repeat (8) | close (16) | name (<< 5); start; count.
run="$work/run"
{ b 0; i 0 0; head -c 80 "$run/clima.bin"; } | seed climate_fuzz header
{ b 1; i 0 24; head -c $((80 + 24 * 30)) "$run/clima.bin"; } | seed climate_fuzz climate
{ b 9; i 8750 24; head -c $((80 + 24 * 30)) "$run/clima.bin"; } | seed climate_fuzz climate-wrap
{ b 2; i 3 24; head -c $((8 * 30)) "$run/solo.bin"; } | seed climate_fuzz soil
{ b 10; i 8759 2; head -c $((8 * 30)) "$run/solo.bin"; } | seed climate_fuzz soil-wrap
{ b 19; i 0 24; head -c $((8 * 30)) "$run/interno.ti"; } | seed climate_fuzz interior-closed
for nome in 0 1 3 4; do
  { b $((4 | nome << 5)); i 0 0; head -n 40 "$run/interno.txt"; } | seed climate_fuzz "text-$nome"
done

# Streams: operation; flags (held 1 2 4, shown 8 16 32, present 64, ATS 128);
# stream numbers (binary 1, text 2); interval, outputs, index; start and end
# clocks (hour, seconds, month, day).
stream() {  # operation flags file header-bytes name
  { b "$1" "$2" 16; i 3600 2 1 0 0 1 1 23 3599 1 1; tail -c +$(($4 + 1)) "$run/$3"; } |
    seed streams_fuzz "$5"
}
stream 0 127 zona1_temp_umi.bin 7 read-temp-umi
stream 1 64 zona1_ats.bin 0 read-ats
stream 2 0 zona1_acs.bin 0 read-acs
stream 3 64 zona1_pv.bin 0 read-pv
stream 4 0 zona1_saida_cont.bin 4 read-outputs
stream 5 0 zona1_pessoas.bin 0 read-people
stream 6 63 zona1_temp_umi.bin 7 report-temp-umi
stream 6 45 zona1_temp_umi.bin 7 report-temp-umi-some
stream 7 192 zona1_ats.bin 0 report-ats
stream 7 64 zona1_ats.bin 0 report-ace
stream 8 0 zona1_acs.bin 0 report-acs
stream 9 64 zona1_pv.bin 0 report-pv
stream 10 0 zona1_saida_cont.bin 4 report-outputs

# HVAC text streams: operation 11-14; the monitoring flags in the output
# count (nine of the equipment, then eight of every component), the report
# variable plus one, the kind (<< 5) and the selected component plus one
# (<< 8) in the index; eight lines of n "%f\t" values.
hvac() {  # operation flags index values-per-line name
  { b "$1" 0 16; i 600 "$2" "$3" 0 0 1 1 23 3599 1 1; awk -v n="$4" 'BEGIN {
      for (l = 0; l < 8; l++) { for (k = 0; k < n; k++) printf "%f\t", l + k / 8; print "" } }'; } |
    seed streams_fuzz "$5"
}
hvac 11 131071 0 59 read-fancoil
hvac 13 131071 $((1 + (4 << 8))) 59 report-fancoil-temperature
hvac 13 131071 $((4 + (4 << 8))) 59 report-fancoil-heat-cooling-coil
hvac 12 511 $((3 << 5)) 10 read-boiler
hvac 14 511 $((2 + (3 << 5))) 10 report-boiler-water
hvac 14 63 $((3 + (2 << 5))) 8 report-tower-humidity

# Configuration: the sample cut at its zone lines into sections 1..8 (gains,
# PV, actuators and ventilation of zones 1 and 2).
config="$work/config.txt"
secao() { awk -v k="$1" '/^\[Zona = /{n++} n == k' "$config"; }
sem_zona() { secao "$1" | tail -n +2; }
bloco() {  # reader zone name
  { b "$1" 0; i "$2"; cat; } | seed config_readers_fuzz "$3"
}
horarios=$(grep -m1 -A1 $'^\t\\[Horarios = 1\\]' "$config")
printf '%s\n' "$horarios" | bloco 0 1 schedule
printf '%s\n' "$horarios" | sed 's/Horarios =/Horarios Ventilacao =/' | bloco 1 1 schedule-vent
sem_zona 1 | bloco 2 1 gains
secao 5 | bloco 3 2 gains-zone
sem_zona 2 | bloco 4 1 pv
secao 6 | bloco 5 2 pv-zone-empty
sem_zona 3 | bloco 6 1 actuators
secao 7 | bloco 7 2 actuators-zone
grep -m1 $'^\t\\[Controle = 1,' "$config" | bloco 8 1 control
grep -m1 $'^\t\\[Controle = 3,' "$config" | bloco 8 1 control-pid
grep -m1 $'^\t\\[Controle = 4,' "$config" | bloco 9 1 control-cooler
secao 4 | bloco 10 1 ventilation
secao 8 | bloco 10 2 ventilation-forced
cp "$config" "$out/config_blocks_fuzz/config.txt"

# Real scanner: text streams as the tool writes them, and the rarer forms of
# a "%f" value, partial ones included.
head -n 12 "$run/interno.txt" | seed leitor_real_fuzz interior-text
tail -n +4 "$run/zona1_temp_umi.txt" | head -n 9 | seed leitor_real_fuzz report
printf '0x1.8p3 -0X.8P-3\t0x1p-149\t0x1p\t0x.\t0x\n' | seed leitor_real_fuzz hex
printf 'inf -INFINITY +nan NaN(1) infin\n' | seed leitor_real_fuzz names
printf '3.40282356779733661637539395458142568448e38 7.0064923e-46 1e-99999 1e+\n' |
  seed leitor_real_fuzz edges

# Envelope: operation; flags (wall groups 1 2 4, heat 8, vapour 16, mould
# 32); region count and eight entries; N, region, step, interval; start and
# end clocks. Files built here: a wall of entries {3, 5} with every group
# (header N = 1, one entry of one pair, then three steps of 40 floats), and a
# surface stream of N = 2 with six steps of three floats per surface.
parede() { i 1 1065353216 1 7 8; for k in $(seq 1 120); do i $((1065353216 + k)); done; }
superficie() { i 2 1065353216 1073741824; for k in $(seq 1 36); do i $((1065353216 + k * 4096)); done; }
envoltoria() {  # operation flags file name
  { b "$1" "$2" 2 3 5 0 0 0 0 0 0; i 2 2 0 900 22 0 1 1 0 0 1 2; "$3"; } | seed envelope_fuzz "$4"
}
envoltoria 0 7 parede wall-header
envoltoria 1 7 parede wall-region
envoltoria 1 2 parede wall-region-humidity
envoltoria 2 0 superficie surface-header
envoltoria 3 0 superficie shading
envoltoria 4 0 superficie radiation
envoltoria 5 24 superficie flux
envoltoria 6 32 superficie mould
envoltoria 7 24 superficie flux-report
envoltoria 7 16 superficie flux-report-vapour
envoltoria 8 32 superficie mould-report

# HVAC system file: the whole sample, and its first half.
cp "$work/hvac.txt" "$out/hvac_system_fuzz/system"
head -c 2500 "$work/hvac.txt" | seed hvac_system_fuzz half

# Thermal loads: operation (0 demand, 1 HVAC demand, 2 monthly statistics,
# 3 loads, 4 gains, 5 stream lines, 6 copy); stream kind (2, 3, 8).
carga() { { b "$1" "$2"; cat "$run/$3"; } | seed loads_fuzz "$4"; }
carga 0 0 zona1_demanda.bin demand
carga 1 0 hvac_demanda.bin hvac-demand
carga 2 0 zona1_estatisticas.bin monthly
carga 3 0 zona1_cargas.est loads
carga 4 0 zona1_ganhos.est gains
{ b 5 3; head -n 6 "$run/zona1_carga_verao.txt"; } | seed loads_fuzz summer-lines
{ b 5 8; head -n 6 "$run/zona1_ganho.txt"; } | seed loads_fuzz gain-lines
{ b 6 3; head -n 4 "$run/zona1_carga_verao.txt"; } | seed loads_fuzz summer-copy
{ b 6 5; head -n 4 "$run/zona1_ganho.txt"; } | seed loads_fuzz gain-copy
# View factors: face, zone number, face count and each face's regions,
# then the sample's file of the first zone (six faces).
ff="$run/zona1_fatores_forma.txt"
{ i 1 1; b 6 1 2 1 1 1 1; cat "$ff"; } | seed diagnostics_fuzz analytic
{ i 5 1; b 6 1 1 1 1 3 1; cat "$ff"; } | seed diagnostics_fuzz numeric
{ i 1 2; b 3 1 1 1; cat "$ff"; } | seed diagnostics_fuzz other-zone
# Catalogues: every kind's sample behind its index in the tool's list.
"$arqaux" catalogue sample "$work/modelos" >/dev/null
k=0
while read -r tipo arquivo _; do
  { b "$k"; cat "$work/modelos/$arquivo"; } | seed catalogue_fuzz "$tipo"
  k=$((k + 1))
done < <("$arqaux" catalogue kinds)

# Weather import: the test file's header and first rows as they stand, then
# as templates of a whole year (bit 0), with February 29 (2), backwards (4), an
# hour left out (8) or twice (16): the hour follows in two bytes.
epw="$(dirname "$0")/../tests/data/tmy_45.000_8.000_2005_2023.epw"
{ b 0; head -n 20 "$epw"; } | seed epw_fuzz rows
{ b 1 0 0; head -n 14 "$epw"; } | seed epw_fuzz year
{ b 3 0 0; head -n 12 "$epw"; } | seed epw_fuzz leap-year
{ b 5 0 0; head -n 3 "$epw"; echo "GROUND TEMPERATURES,1,0.5,,,,1,2,3,4,5,6,7,8,9,10,11,12"; sed -n 5,12p "$epw"; } |
  seed epw_fuzz soil-backwards
{ b 9 100 0; head -n 10 "$epw"; } | seed epw_fuzz hour-missing
{ b 17 100 0; head -n 10 "$epw"; } | seed epw_fuzz hour-twice
{ b 1 0 0; head -n 14 "${epw%.epw}_savings.epw"; } | seed epw_fuzz other-header-style
# File kinds: flags (1: a description follows; 2: named ".ti"; the index of
# the kind forced in bits 2-7, 252 forcing none), the description's length
# and text, then the file's first bytes.
for nome in zona1_temp_umi.bin zona1_ats.bin zona1_acs.bin zona1_pv.bin zona1_saida_cont.bin \
  zona1_pessoas.bin solo.bin zona1_parede.bin zona1_sombras.bin zona1_radiacao.bin \
  zona1_fluxos.bin zona1_mofo.bin; do
  desc="$run/$nome.desc"
  { b 253 "$(wc -c <"$desc")"; cat "$desc"; head -c 3000 "$run/$nome"; } | seed file_kind_fuzz "$nome"
done
for nome in zona1_carga_verao.txt zona1_ganho.txt zona1_parede.bin zona1_mofo.bin \
  zona1_demanda.bin interno.txt zona1_temp_umi.txt zona1_superficies.txt zona1_superficies.dat \
  iluminacao.csv; do
  { b 252 0; head -c 3000 "$run/$nome"; } | seed file_kind_fuzz "bare_$nome"
done
{ b 254 0; head -c 3000 "$run/interno.ti"; } | seed file_kind_fuzz interno.ti
# Daylighting and rain: reader (0 schedule header, 1 schedule window, 2 rain,
# 3 interface type); two int32s (the window's start and count, or the sizes
# of the two geometry files); the file, or for the interface the path.
agenda() { head -n 60 "$run/iluminacao.csv"; }
{ b 0; i 0 0; agenda; } | seed inputs_fuzz daylight-header
{ b 1; i 10 24; agenda; } | seed inputs_fuzz daylight-window
{ b 1; i 8750 24; agenda; } | seed inputs_fuzz daylight-window-end
chuva() {
  printf '[Numero de Intervalos = 3]\n'
  printf '{[Data = %d/3][Hora_Ini = 7:30][Hora_Fim = 9:0][Intensidade = %d]}\n' 1 1 2 2 3 3
}
{ b 2; i 0 0; chuva; } | seed inputs_fuzz rain
{ b 2; i 0 0; cat "$run/chuva.txt"; } | seed inputs_fuzz rain-sample
{ b 3; i 2033 10; printf 'Casa.prj'; } | seed inputs_fuzz interface
{ b 3; i 40 -1; printf 'dir\\..\\Casa'; } | seed inputs_fuzz interface-backslash

# The sample run's manifest, whole and cut after its fifth line.
seed manifest_fuzz run <"$run/.arqaux-run"
head -n 5 "$run/.arqaux-run" | seed manifest_fuzz run-head

rm -rf "$work"
