"""Many runs as one dask DataFrame, for parametric studies.

    >>> import arqaux.dask
    >>> study = arqaux.dask.read_runs("study/run_*")
    >>> study[study.variable == "zone_air_temperature"].groupby("run").value.mean().compute()

read_runs gives the long layout of arqaux.read_run (run, file, zone,
component, variable, unit, time, value; the text columns as strings, not
categories, so that groups never mix partitions' categories) with one
partition per file of each run: nothing is read until the graph is computed, and then each partition
is read where it is computed. On a dask.distributed cluster, every worker
must import arqaux and see the run folders under the same paths (a shared
file system): the graph carries paths, not data.
"""

import glob
import os

import dask
import dask.dataframe as dd

from . import empty_long, long_table, read, run_files

__all__ = ["read_runs"]


def _folders(pattern_or_folders):
    if isinstance(pattern_or_folders, (str, os.PathLike)):
        given = os.fspath(pattern_or_folders)
        if not glob.has_magic(given):
            return [given]
        folders = sorted(p for p in glob.glob(given) if os.path.isdir(p))
        if not folders:
            raise FileNotFoundError(f"no run folder matches '{given}'")
        return folders
    return [os.fspath(f) for f in pattern_or_folders]


# The text columns: categories in one run's table, plain strings across
# partitions, which would each hold categories of their own.
_TEXT = ["run", "file", "zone", "component", "variable", "unit"]


def _part(run, f, year):
    part = long_table(run, f, read(f["path"], f["kind"], year))
    return part.astype({c: object for c in _TEXT})


def read_runs(pattern_or_folders, year=2001, files=None):
    """The long layout of every run folder that pattern_or_folders names (a
    glob pattern, a folder, or a list of folders), one partition per run and
    file; files (a glob pattern of file names, or a list of them) keeps the
    files that match. The folders are listed at once (a folder that does not
    read raises here); the files are read when the graph is computed."""
    parts = []
    for run in _folders(pattern_or_folders):
        for f in run_files(run, files):
            parts.append(dask.delayed(_part)(run, f, year))
    meta = empty_long().astype({c: object for c in _TEXT})
    if not parts:
        return dd.from_pandas(meta, npartitions=1)
    return dd.from_delayed(parts, meta=meta, verify_meta=False)
