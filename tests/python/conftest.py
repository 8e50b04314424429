"""What every Python test reads: short sample runs written by the tool, and
the tool's own CSV export of one of them. ARQAUX_TOOL names the tool."""

import os
import subprocess

import pytest


def tool(*args):
    """Runs the arqaux tool quietly; its failure fails the test."""
    subprocess.run([os.environ["ARQAUX_TOOL"], "-q", *map(str, args)], check=True)


@pytest.fixture(scope="session")
def run(tmp_path_factory):
    """Three days of the sample (one zone, hourly): every family of files."""
    folder = tmp_path_factory.mktemp("runs") / "base"
    tool("sample", folder, "--days", 3)
    return folder


@pytest.fixture(scope="session")
def run_csv(run):
    """The tool's CSV export of every file of run."""
    out = run.parent / "base_csv"
    tool("export", run, "--to", "csv", "--out", out)
    return out


@pytest.fixture(scope="session")
def study(tmp_path_factory):
    """Three short runs that differ: one and two zones, 10- and 30-minute steps."""
    root = tmp_path_factory.mktemp("study")
    runs = []
    for name, args in [("a", ["--zones", 1]), ("b", ["--zones", 2]),
                       ("c", ["--zones", 1, "--interval", 1800])]:
        tool("sample", root / name, "--days", 2, *args)
        runs.append(root / name)
    return runs
