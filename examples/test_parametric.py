"""The parametric example, run as a user runs it: two short runs give the
energies the tool's own database export gives, and a plot; a failure is one
line naming its cause. ARQAUX_TOOL names the tool, ARQAUX_EXAMPLE_OUT the
folder the study writes (under the build tree)."""

import math
import os
import re
import shutil
import sqlite3
import subprocess
import sys
from pathlib import Path

import pytest

EXEMPLO = Path(__file__).with_name("parametric.py")
FERRAMENTA = os.environ["ARQAUX_TOOL"]
LINHA = re.compile(r"^(z\d+-\S+) +(\d+) +(\S+) +(\S+) +(\S+)$", re.M)


def roda(*args):
    return subprocess.run([sys.executable, str(EXEMPLO), *map(str, args)],
                          capture_output=True, text=True, timeout=240)


def energias_do_banco(pastas, banco):
    """Each run's heating and cooling (kWh) from the tool's SQLite export of
    zone 1's two load streams, with the interval the times table holds."""
    subprocess.run([FERRAMENTA, "-q", "export", *pastas, "--to", "sqlite", "--out", banco],
                   check=True)
    uniao = " UNION ALL ".join(
        f"SELECT run_id, time_id, heating_sensible_heat + heating_latent_heat AS h, "
        f"cooling_sensible_heat + cooling_latent_heat AS c FROM {t}"
        for t in ("zona1_carga_inverno", "zona1_carga_verao"))
    with sqlite3.connect(banco) as db:
        return {Path(pasta).name: (h, -c) for pasta, h, c in db.execute(
            f"SELECT r.folder, SUM(u.h * t.interval) / 3.6e6, SUM(u.c * t.interval) / 3.6e6 "
            f"FROM ({uniao}) u JOIN times t USING (time_id) JOIN runs r USING (run_id) "
            f"GROUP BY r.run_id")}


def test_two_runs_give_the_databases_energies_and_a_plot(tmp_path):
    saida = Path(os.environ["ARQAUX_EXAMPLE_OUT"])
    grafico = saida / "parametric.png"
    # The study's folder is this test's own: what a run stopped halfway left
    # in it (the tool's partial folders) would make the tool refuse the next.
    shutil.rmtree(saida, ignore_errors=True)
    # Two-hour steps: what the energies count is the streams' own interval.
    r = roda("--runs", 2, "--interval", 7200, "--tool", FERRAMENTA, "--out", saida)
    assert r.returncode == 0, r.stderr
    linhas = LINHA.findall(r.stdout)
    assert [(nome, zonas, clima) for nome, zonas, clima, _, _ in linhas] == [
        ("z1-built-in", "1", "built-in"), ("z1-epw", "1", "EPW")]
    impressas = {nome: (float(h), float(c)) for nome, _, _, h, c in linhas}
    esperadas = energias_do_banco([saida / n for n in impressas], tmp_path / "study.sqlite")
    assert impressas.keys() == esperadas.keys()
    for nome, energias in impressas.items():
        assert all(math.isfinite(e) and e > 0 for e in energias), nome
        assert energias == pytest.approx(esperadas[nome], abs=0.051), nome
    # The EPW climate is another year of weather: another heating load.
    assert impressas["z1-built-in"][0] != pytest.approx(impressas["z1-epw"][0], rel=0.05)
    assert f"plot: {grafico}" in r.stdout
    assert grafico.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n" and grafico.stat().st_size > 10000


def ferramenta_que_falha_no_sample(pasta):
    """The tool, but its sample command fails as a full disk would."""
    script = pasta / "arqaux"
    script.write_text(f'#!/bin/sh\nif [ "$1" = sample ]; then echo "arqaux: {pasta}/x: '
                      f'No space left on device" >&2; exit 1; fi\nexec "{FERRAMENTA}" "$@"\n')
    script.chmod(0o755)
    return script


# (what breaks, the arguments after --out, the one line the example prints)
FALHAS = [
    ("a run", lambda p: ["--runs", 1, "--tool", ferramenta_que_falha_no_sample(p)],
     r"run z1-built-in failed: arqaux: .*/x: No space left on device"),
    ("the import", lambda p: ["--runs", 2, "--tool", FERRAMENTA, "--epw", p / "none.epw"],
     r"import of .*none\.epw failed: .*none\.epw'?"),
    ("the tool", lambda p: ["--tool", p / "none"], r"--tool .*none: not an executable"),
]


@pytest.mark.parametrize("causa,args,mensagem", FALHAS, ids=[f[0] for f in FALHAS])
def test_a_failure_is_one_line_naming_its_cause(tmp_path, causa, args, mensagem):
    r = roda("--out", tmp_path / "study", *args(tmp_path))
    assert r.returncode != 0
    assert re.fullmatch(r"parametric\.py: " + mensagem + "\n", r.stderr), r.stderr
    assert not (tmp_path / "study" / "parametric.png").exists()
