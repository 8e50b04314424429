#!/usr/bin/env python3
"""Plants faults a developer really makes, one at a time, and tells which
ones the test suite kills: each fault of falhas.txt replaces one exact,
unique piece of one file; the build is remade and ctest runs, stopping at
the first failure; the file is put back before the next. A test that fails
is run once more before the fault counts as killed, so that a test which
fails now and then under load (one that starts processes, say) cannot
count a fault that survives as killed.

    python3 tests/falhas/planta.py [--build build/release] [--only ID,...] [--dry-run]
                                   [--faults FILE] [--matrix OUT.jsonl]
    python3 tests/falhas/planta.py --map OUT.jsonl [OUT.jsonl ...]

A fault whose build fails counts as killed by the compiler, and is listed
apart; a killed one is listed with the tests that failed. The summary ends with the count of faults killed by the tests.

--matrix runs every test for every fault, without stopping at the first
failure, and appends a line a fault to OUT.jsonl (a run stopped part way
goes on where it stood): the kill matrix, from which --map tells, for each
test, how many faults it kills and how many no other test kills, and which
faults no test kills. A test runs at most 30 s and 3 GB, so that a fault
that loops or allocates without end costs one timeout, not the machine.
Faults may come from another file (--faults), such as mutantes.py writes.
"""

import argparse
import json
import pathlib
import re
import subprocess
import sys
import time

RAIZ = pathlib.Path(__file__).resolve().parents[2]


def le_falhas(caminho):
    """The faults of caminho: blocks of '== ID: what', 'file: PATH', '- OLD',
    '+ NEW' (OLD and NEW may each be given over several '-'/'+' lines)."""
    falhas, atual = [], None
    for linha in caminho.read_text(encoding="utf-8").splitlines():
        if linha.startswith("== "):
            ident, _, oque = linha[3:].partition(": ")
            atual = {"id": ident, "oque": oque, "arquivo": None, "velho": [], "novo": []}
            falhas.append(atual)
        elif atual is None or not linha.strip() or linha.startswith("#"):
            continue
        elif linha.startswith("file: "):
            atual["arquivo"] = linha[6:].strip()
        elif linha.startswith("- "):
            atual["velho"].append(linha[2:])
        elif linha.startswith("+ "):
            atual["novo"].append(linha[2:])
    for f in falhas:
        f["velho"], f["novo"] = "\n".join(f["velho"]), "\n".join(f["novo"])
    return falhas


def confere(f):
    texto = (RAIZ / f["arquivo"]).read_text(encoding="latin-1")
    n = texto.count(f["velho"])
    return None if n == 1 else f"{f['id']}: '{f['velho']}' found {n} times in {f['arquivo']}"


def roda(comando, build):
    return subprocess.run(comando, cwd=RAIZ, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode


def falhos(build):
    """ctest's run of build: the names of the tests that failed (none when all
    passed)."""
    r = subprocess.run(["ctest", "--test-dir", build, "-j2", "--stop-on-failure",
                        "--repeat", "until-pass:2"], cwd=RAIZ, capture_output=True, text=True)
    nomes = re.findall(r"^\s*\d+ - (\S+) \(", r.stdout, re.M)
    return nomes or (["ctest"] if r.returncode else [])


def matriz(f, build):
    """Every test's run of build with f planted: the tests that failed,
    or None when the build failed."""
    caminho = RAIZ / f["arquivo"]
    original = caminho.read_bytes()
    caminho.write_bytes(
        original.decode("latin-1").replace(f["velho"], f["novo"], 1).encode("latin-1"))
    try:
        if roda(["cmake", "--build", build, "-j2"], build) != 0:
            return None
        r = subprocess.run(["bash", "-c", 'ulimit -v 3000000; exec "$@"', "ctest", "ctest",
                            "--test-dir", build, "-j2", "--timeout", "30"],
                           cwd=RAIZ, capture_output=True, text=True)
        nomes = re.findall(r"^\s*\d+ - (\S+) \(", r.stdout, re.M)
        return nomes or (["ctest"] if r.returncode else [])
    finally:
        caminho.write_bytes(original)


def mapa(arquivos):
    """Prints each test's kills and unique kills, then the faults no test
    killed, from kill matrices."""
    linhas = [json.loads(l) for a in arquivos for l in pathlib.Path(a).read_text().splitlines()
              if l.strip()]
    mortas = [l for l in linhas if l["testes"]]
    por_teste = {}
    for l in mortas:
        for t in l["testes"]:
            por_teste.setdefault(t, [0, 0])[0] += 1
            por_teste[t][1] += len(l["testes"]) == 1
    print(f"{len(linhas)} faults: {len(mortas)} killed, "
          f"{sum(l['testes'] is None for l in linhas)} refused by the compiler")
    for t, (n, unicas) in sorted(por_teste.items(), key=lambda x: (-x[1][1], -x[1][0])):
        print(f"{n:4} {unicas:4}  {t}")
    print("survived:", " ".join(l["id"] for l in linhas if l["testes"] == []) or "none")


def planta(f, build):
    caminho = RAIZ / f["arquivo"]
    original = caminho.read_bytes()
    texto = original.decode("latin-1")
    caminho.write_bytes(texto.replace(f["velho"], f["novo"], 1).encode("latin-1"))
    try:
        if roda(["cmake", "--build", build, "-j2"], build) != 0:
            return "compiler"
        nomes = falhos(build)
        return "killed by " + ", ".join(nomes) if nomes else "SURVIVED"
    finally:
        caminho.write_bytes(original)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--build", default="build/release")
    p.add_argument("--only", default="")
    p.add_argument("--dry-run", action="store_true")
    p.add_argument("--faults", default=str(pathlib.Path(__file__).with_name("falhas.txt")))
    p.add_argument("--matrix")
    p.add_argument("--map", nargs="+")
    a = p.parse_args()
    if a.map:
        return mapa(a.map)
    falhas = le_falhas(pathlib.Path(a.faults))
    if a.only:
        falhas = [f for f in falhas if f["id"] in a.only.split(",")]
    erros = [e for e in map(confere, falhas) if e]
    if erros:
        print("\n".join(erros))
        return 1
    if a.dry_run:
        print(f"{len(falhas)} faults, each found once")
        return 0
    if a.matrix:
        saida = pathlib.Path(a.matrix)
        feitas = {json.loads(l)["id"] for l in saida.read_text().splitlines()
                  if l.strip()} if saida.exists() else set()
        for f in (f for f in falhas if f["id"] not in feitas):
            linha = {"id": f["id"], "testes": matriz(f, a.build)}
            with saida.open("a") as o:
                o.write(json.dumps(linha) + "\n")
            print(linha["id"], linha["testes"], flush=True)
        roda(["cmake", "--build", a.build, "-j2"], a.build)
        return 0
    mortas = 0
    for f in falhas:
        t0 = time.time()
        r = planta(f, a.build)
        mortas += r.startswith("killed")
        print(f"{f['id']:4} {time.time() - t0:4.0f} s  {f['arquivo']}: {f['oque']}\n     {r}",
              flush=True)
    roda(["cmake", "--build", a.build, "-j2"], a.build)
    print(f"killed by the tests: {mortas} of {len(falhas)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
