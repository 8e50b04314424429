#!/usr/bin/env python3
"""Writes mutants of the lines the test suite runs, in the format of
falhas.txt, for planta.py --matrix: a relational, logical or arithmetic
operator turned into its neighbour, an integer one more, an increment turned
into a decrement, true into false. Only lines some test executes are
mutated, since a fault in a line no test reaches tells nothing of the tests.

    cmake -S . -B build/cov -G Ninja -DCMAKE_BUILD_TYPE=Debug \\
          -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \\
          -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DARQAUX_BUILD_PYTHON=OFF
    cmake --build build/cov && build/cov/tests/arqaux_tests
    python3 tests/falhas/mutantes.py build/cov N SEED > mutantes.txt

The mutants are spread over the files of src/ and tools/ in turn, so that
no large file takes them all; a line found more than once in its file is
passed over, as planta.py needs each piece found once.
"""

import json
import os
import pathlib
import random
import re
import subprocess
import sys

RAIZ = pathlib.Path(__file__).resolve().parents[2]

# (pattern, replacement); None: the integer matched, plus one.
OPERADORES = [
    (r"(?<![<>=!-])<(?![<=])", "<="), (r"<=", "<"), (r"(?<![->=])>(?![>=])", ">="),
    (r">=", ">"), (r"==", "!="), (r"!=", "=="), (r"&&", "||"), (r"\|\|", "&&"),
    (r"\+ 1\b", "+ 2"), (r"\+ 1\b", ""), (r"- 1\b", ""), (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"), (r"(?<![\w.])([2-9]|[1-9]\d+)(?![\w.])", None),
    (r"\+\+", "--"), (r" \* ", " / "), (r" - ", " + "), (r" \+ ", " - "),
]


def linhas_executadas(build):
    """{file under src/ or tools/: [line numbers some test ran]} from the
    coverage counts of build."""
    cobertas = {}
    for gcda in pathlib.Path(build).rglob("*.gcda"):
        r = subprocess.run(["gcov", "--json-format", "--stdout", gcda.name], cwd=gcda.parent,
                           capture_output=True, text=True)
        for doc in filter(str.strip, r.stdout.splitlines()):
            d = json.loads(doc)
            for f in d["files"]:
                caminho = os.path.join(d["current_working_directory"], f["file"])
                rel = os.path.relpath(os.path.normpath(caminho), RAIZ)
                if rel.startswith(("src/", "tools/")) and rel.endswith(".cpp"):
                    cobertas.setdefault(rel, set()).update(
                        l["line_number"] for l in f["lines"] if l["count"] > 0)
    return cobertas


def mutantes_da_linha(texto):
    codigo = texto.split("//")[0]
    if "#" in codigo.lstrip()[:1] or "template" in codigo or "static_assert" in codigo:
        return
    for padrao, troca in OPERADORES:
        for m in re.finditer(padrao, codigo):
            if codigo[:m.start()].count('"') % 2:  # inside a string
                continue
            novo = str(int(m.group(0)) + 1) if troca is None else troca
            yield texto[:m.start()] + novo + texto[m.end():]


def main():
    build, n, semente = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    por_arquivo = {}
    for arquivo, numeros in sorted(linhas_executadas(build).items()):
        linhas = (RAIZ / arquivo).read_text(encoding="latin-1").split("\n")
        for k in sorted(numeros):
            texto = linhas[k - 1].strip()
            if not texto or texto.startswith(("//", "*", "/*")):
                continue
            if "\n".join(linhas).count(texto) != 1:
                continue
            por_arquivo.setdefault(arquivo, []).extend(
                (k, texto, novo.strip()) for novo in mutantes_da_linha(texto))
    random.seed(semente)
    for lista in por_arquivo.values():
        random.shuffle(lista)
    escolhidos = []
    while len(escolhidos) < n and any(por_arquivo.values()):
        for arquivo, lista in por_arquivo.items():
            if lista and len(escolhidos) < n:
                escolhidos.append((arquivo, *lista.pop()))
    for i, (arquivo, k, velho, novo) in enumerate(escolhidos, 1):
        print(f"== M{i:03d}: line {k}\nfile: {arquivo}\n- {velho}\n+ {novo}\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
