#!/usr/bin/env python3
"""Speed of arqaux.read on a year of 10-minute zone conditions (52,560 rows
of zona1_temp_umi.bin) against pandas.read_csv of the tool's CSV export of
the same file, read as the same table (a DatetimeIndex and float columns).
The two alternate round by round (ABAB...) so both see the same machine; it
prints the median wall time of each and their ratio, after checking that
both tables hold the same index and the same values.

    PYTHONPATH=build/release/python python3 bench/python_read.py \\
        [--tool build/release/arqaux] [--rounds 15]
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import numpy as np
import pandas as pd

import arqaux

RAIZ = Path(__file__).resolve().parent.parent


def le_csv(caminho):
    return pd.read_csv(caminho, index_col=0, parse_dates=[0], float_precision="round_trip")


def confere(binario, csv):
    """The two tables hold the same times and values. The CSV adds the
    interval and the hour of the year, and names each column with its unit."""
    a, b = arqaux.read(binario), le_csv(csv)
    b = b.drop(columns=["interval [s]", "hour_of_year [h]"])
    falhas = []
    if [c.rsplit(" [", 1)[0] for c in b.columns] != list(a.columns):
        falhas.append(f"columns {list(a.columns)} and {list(b.columns)}")
    if not a.index.equals(b.index):
        falhas.append("the times differ")
    if a.shape != b.shape or not np.array_equal(a.to_numpy(), b.to_numpy(dtype=float)):
        falhas.append("the values differ")
    if falhas:
        sys.exit(f"python_read.py: {binario} and its CSV: " + "; ".join(falhas))
    return a.shape


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--tool", default=shutil.which("arqaux") or str(RAIZ / "build/release/arqaux"))
    p.add_argument("--rounds", type=int, default=15)
    a = p.parse_args()
    with tempfile.TemporaryDirectory() as pasta:
        run = os.path.join(pasta, "run")
        subprocess.run([a.tool, "sample", run, "--interval", "600", "-q"], check=True)
        binario = os.path.join(run, "zona1_temp_umi.bin")
        csv = os.path.join(pasta, "zona1_temp_umi.csv")
        subprocess.run([a.tool, "export", binario, "--to", "csv", "--out", csv, "-q"], check=True)
        linhas, colunas = confere(binario, csv)
        tempos = {"read": [], "read_csv": []}
        for _ in range(a.rounds):
            for nome, ler, caminho in (("read", arqaux.read, binario), ("read_csv", le_csv, csv)):
                t = time.perf_counter()
                ler(caminho)
                tempos[nome].append(time.perf_counter() - t)
    med = {nome: statistics.median(t) for nome, t in tempos.items()}
    print(f"{linhas} rows x {colunas} columns, {a.rounds} rounds; "
          f"load: {' '.join(open('/proc/loadavg').read().split()[:3])}")
    print(f"arqaux.read      median {med['read'] * 1e3:8.1f} ms  min {min(tempos['read']) * 1e3:8.1f} ms")
    print(f"pandas.read_csv  median {med['read_csv'] * 1e3:8.1f} ms  "
          f"min {min(tempos['read_csv']) * 1e3:8.1f} ms")
    print(f"ratio read / read_csv: {med['read'] / med['read_csv']:.2f}")


if __name__ == "__main__":
    main()
