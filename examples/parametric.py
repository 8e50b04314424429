#!/usr/bin/env python3
"""A parametric study on a dask cluster: the sample building over a grid of
zone counts and two climates, each run's annual heating and cooling energy,
and a plot of them.

    PYTHONPATH=build/release/python examples/parametric.py --out study

Each run is `arqaux sample RUN --zones N [--interval S]` at the sample's light detail (a
whole year in hourly steps, about half a second of CPU per zone), once on
the built-in climate and once on an EPW file imported with `arqaux import
epw`. The runs are stepped on the cluster's workers and read back there with
arqaux.dask.read_runs; only the sums come back to this process.

A zone's energy comes from its two load streams, zonaN_carga_inverno.txt and
zonaN_carga_verao.txt, which share the year between them: heating is the sum
over their rows of heating_sensible_heat + heating_latent_heat times the
stream's interval, cooling the same of the cooling columns (heat taken out of
the zone, negative in the stream, shown as a positive energy here).

With --scheduler tcp://HOST:8786 the same code runs on a dask.distributed
cluster of many machines: every worker must import arqaux, run the tool at
the --tool path and see --out under the same path (a shared file system).
"""

import argparse
import contextlib
import importlib.util
import logging
import math
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

PROGRAMA = Path(__file__).name
RAIZ = Path(__file__).resolve().parent.parent
EPW_PADRAO = RAIZ / "tests" / "data" / "tmy_45.000_8.000_2005_2023.epw"
CLIMAS = ("built-in", "EPW")

# A zone's load streams and the columns summed from them (W).
CARGAS = ["zona*_carga_inverno.txt", "zona*_carga_verao.txt"]
AQUECIMENTO = ("heating_sensible_heat", "heating_latent_heat")
RESFRIAMENTO = ("cooling_sensible_heat", "cooling_latent_heat")


class Falha(Exception):
    """A cause that ends the study, told in one line."""


def importa_arqaux():
    """Imports arqaux, from the build tree beside this script when it is not
    on the path; the path goes into PYTHONPATH too, so that the local
    cluster's worker processes, which inherit the environment, import it."""
    if importlib.util.find_spec("arqaux"):
        return
    pacote = RAIZ / "build" / "release" / "python"
    if not (pacote / "arqaux").is_dir():
        raise Falha("arqaux does not import: set PYTHONPATH=build/release/python")
    sys.path.insert(0, str(pacote))
    os.environ["PYTHONPATH"] = os.pathsep.join(
        p for p in (str(pacote), os.environ.get("PYTHONPATH")) if p)


def acha_ferramenta(dada):
    if dada:
        caminho = shutil.which(dada)
        if not caminho:
            raise Falha(f"--tool {dada}: not an executable")
        return os.path.abspath(caminho)
    caminho = shutil.which("arqaux") or shutil.which(RAIZ / "build" / "release" / "arqaux")
    if not caminho:
        raise Falha("no arqaux tool on PATH nor in build/release: give --tool")
    return os.path.abspath(caminho)


def monta_grade(n):
    """The first n runs of zone counts 1, 2, 3, ... each on both climates:
    (name, zones, climate)."""
    grade = []
    zonas = 1
    while len(grade) < n:
        grade += [(f"z{zonas}-{c.lower()}", zonas, c) for c in CLIMAS]
        zonas += 1
    return grade[:n]


def executa(linha):
    """Runs the tool's command line: None when it succeeds, else the tool's
    last line of error."""
    r = subprocess.run(linha, capture_output=True, text=True)
    if r.returncode == 0:
        return None
    return (r.stderr.strip().splitlines() or [f"exit status {r.returncode}"])[-1]


def roda_sample(ferramenta, pasta, zonas, intervalo, clima):
    """One run, on a worker: the sample year into pasta. Returns the tool's
    error, None when the run succeeds (a plain string crosses from the
    worker whatever the cluster)."""
    linha = [ferramenta, "sample", pasta, "--zones", str(zonas), "--interval", str(intervalo),
             "-q"]
    if clima:
        linha += ["--climate", clima]
    return executa(linha)


@contextlib.contextmanager
def abre_cliente(endereco):
    """A client of the scheduler at endereco, or of a local cluster that
    closes with it."""
    from dask.distributed import Client, LocalCluster

    if endereco:
        try:
            cliente = Client(endereco, timeout="10s")
        except (OSError, TimeoutError) as e:
            raise Falha(f"scheduler {endereco} does not answer: {e}") from None
        with cliente:
            yield cliente
        return
    # Small: two worker processes of one thread, each stepping one run or
    # reading one file at a time. The status page listens on a port the system
    # picks: on the default one, taken by any other cluster on the machine,
    # dask warns on stderr and a failure would no longer be one line.
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=":0", silence_logs=logging.ERROR) as cluster, \
            Client(cluster) as cliente:
        yield cliente


def soma_cargas(pastas):
    """Per run, file, variable and unit: the sum and the count of the load
    columns, computed on the cluster."""
    import arqaux.dask

    longa = arqaux.dask.read_runs(pastas, files=CARGAS)
    cargas = longa[longa.variable.isin(AQUECIMENTO + RESFRIAMENTO)]
    somas = cargas.groupby(["run", "file", "variable", "unit"]).value.agg(["sum", "count"])
    return somas.compute().reset_index()


def calcula_energias(grade, pastas, somas):
    """Each run's heating and cooling in kWh: each stream's sums times its
    interval, which its file says. A run short of a zone's load stream, a
    column not in W, rows missing or a value not finite end the study."""
    import arqaux

    linhas = []
    for (nome, zonas, clima), pasta in zip(grade, pastas):
        da_run = somas[somas.run == pasta]
        esperados = {f"zona{z}_carga_{e}.txt" for z in range(1, zonas + 1)
                     for e in ("inverno", "verao")}
        faltam = esperados - set(da_run.file)
        if faltam:
            raise Falha(f"run {nome}: no load stream {sorted(faltam)[0]}")
        energia = {"heating": 0.0, "cooling": 0.0}
        for arquivo, grupo in da_run.groupby("file"):
            dados = arqaux.info(os.path.join(pasta, arquivo))
            if (grupo.unit != "W").any() or (grupo["count"] != dados["records"]).any():
                raise Falha(f"run {nome}: {arquivo}: load columns not in W or rows missing")
            horas = dados["interval"].total_seconds() / 3600.0
            for variavel, soma in zip(grupo.variable, grupo["sum"]):
                kwh = soma * horas / 1000.0
                if variavel in AQUECIMENTO:
                    energia["heating"] += kwh
                else:
                    energia["cooling"] -= kwh
        for tipo, kwh in energia.items():
            if not math.isfinite(kwh):
                raise Falha(f"run {nome}: the {tipo} energy is not finite")
        linhas.append({"run": nome, "zones": zonas, "climate": clima,
                       "heating kWh": energia["heating"], "cooling kWh": energia["cooling"]})
    return linhas


def imprime_tabela(linhas):
    print(f"{'run':<12} {'zones':>5}  {'climate':<9} {'heating kWh':>12} {'cooling kWh':>12}")
    for l in linhas:
        print(f"{l['run']:<12} {l['zones']:>5}  {l['climate']:<9} "
              f"{l['heating kWh']:>12.1f} {l['cooling kWh']:>12.1f}")


def desenha(linhas, destino, epw):
    """Heating and cooling side by side, each with its runs' bars grouped by
    climate, one bar per zone count."""
    import matplotlib

    matplotlib.use("Agg")  # a file is drawn, never a window
    import matplotlib.pyplot as plt

    climas = [c for c in CLIMAS if any(l["climate"] == c for l in linhas)]
    contagens = sorted({l["zones"] for l in linhas})
    largura = 0.8 / len(contagens)
    fig, eixos = plt.subplots(1, 2, figsize=(10, 4.5), sharey=True)
    for eixo, tipo in zip(eixos, ("heating", "cooling")):
        for i, zonas in enumerate(contagens):
            xs, ys = [], []
            for j, clima in enumerate(climas):
                for l in linhas:
                    if l["zones"] == zonas and l["climate"] == clima:
                        xs.append(j + (i - (len(contagens) - 1) / 2) * largura)
                        ys.append(l[f"{tipo} kWh"])
            eixo.bar(xs, ys, largura, label=f"{zonas} zone{'s' if zonas > 1 else ''}")
        eixo.set_title(f"Annual {tipo}")
        eixo.set_xticks(range(len(climas)), climas)
        eixo.set_xlabel("climate")
        eixo.grid(axis="y", alpha=0.3)
    eixos[0].set_ylabel("energy (kWh)")
    eixos[1].legend(title="run")
    titulo = "Sample building: annual heating and cooling energy per run"
    if "EPW" in climas:
        titulo += f"\nEPW: {epw}"
    fig.suptitle(titulo)
    fig.tight_layout()
    fig.savefig(destino, dpi=100)
    plt.close(fig)


def argumentos():
    p = argparse.ArgumentParser(
        description="Parametric study of the sample building on a dask cluster: runs "
        "`arqaux sample` over zone counts 1, 2, 3, ... on the built-in climate and on an "
        "EPW file, prints each run's annual heating and cooling energy (kWh) from its zones' "
        "load streams and plots them into OUT/parametric.png. Each run is short: the light "
        "detail, a whole year in hourly steps (unless --interval), about half a second of CPU "
        "per zone.")
    p.add_argument("--runs", type=int, default=4,
                   help="how many runs: zone counts 1, 2, ... each on both climates, in that "
                   "order (default 4: 1 and 2 zones)")
    p.add_argument("--interval", type=int, default=3600, metavar="SECONDS",
                   help="each run's step (default 3600: hourly)")
    p.add_argument("--tool", help="the arqaux program (default: arqaux on PATH, else "
                   "build/release/arqaux beside this script's folder)")
    p.add_argument("--out", help="folder for the runs and the plot (default: a new folder "
                   "parametric-* in the current one)")
    p.add_argument("--scheduler", metavar="ADDRESS",
                   help="a dask.distributed scheduler, e.g. tcp://host:8786 (default: a local "
                   "cluster of two worker processes)")
    p.add_argument("--epw", default=str(EPW_PADRAO),
                   help="the EPW weather file of the second climate (default: the one in "
                   "tests/data)")
    a = p.parse_args()
    if a.runs < 1:
        p.error("--runs must be at least 1")
    return a


def estuda(a):
    importa_arqaux()
    ferramenta = acha_ferramenta(a.tool)
    if a.out:
        saida = Path(a.out).resolve()
        saida.mkdir(parents=True, exist_ok=True)
    else:
        saida = Path(tempfile.mkdtemp(prefix="parametric-", dir=os.getcwd()))
    grade = monta_grade(a.runs)
    clima_epw = None
    if any(c == "EPW" for _, _, c in grade):
        erro = executa([ferramenta, "import", "epw", a.epw, str(saida / "clima-epw"), "-q"])
        if erro:
            raise Falha(f"import of {a.epw} failed: {erro}")
        clima_epw = str(saida / "clima-epw" / "clima.bin")
    pastas = [str(saida / nome) for nome, _, _ in grade]

    with abre_cliente(a.scheduler) as cliente:
        tarefas = [cliente.submit(roda_sample, ferramenta, pasta, zonas, a.interval,
                                  clima_epw if clima == "EPW" else None, pure=False)
                   for (_, zonas, clima), pasta in zip(grade, pastas)]
        for (nome, _, _), erro in zip(grade, cliente.gather(tarefas)):
            if erro:
                raise Falha(f"run {nome} failed: {erro}")
        somas = soma_cargas(pastas)
    linhas = calcula_energias(grade, pastas, somas)
    imprime_tabela(linhas)
    grafico = saida / "parametric.png"
    desenha(linhas, grafico, Path(a.epw).name)
    print(f"plot: {grafico}")


def main():
    a = argumentos()
    try:
        estuda(a)
    except Falha as e:
        sys.exit(f"{PROGRAMA}: {e}")
    except Exception as e:  # a worker's or the cluster's error, also in one line
        sys.exit(f"{PROGRAMA}: {type(e).__name__}: {str(e).splitlines()[0] if str(e) else ''}")


if __name__ == "__main__":
    main()
