"""Results of a building simulation's runs as pandas tables.

Every file the arqaux library reads (result streams, HVAC outputs, loads,
envelope files, climate and other hourly inputs) is told by its kind and read
as a table: one column per variable, named as the library names it, indexed
by the end of the interval each row describes. That is the one time rule of
every export: a row is stamped at its interval's end, in a 365-day reference
year (29 February never appears), so two files that hold the same quantity
join on the index alone.

    >>> import arqaux
    >>> zone = arqaux.read("arqaux-sample/zona1_temp_umi.bin")
    >>> zone.attrs["units"]["zone_air_temperature"]
    '°C'
    >>> daily = zone["zone_air_temperature"].resample("D", closed="right", label="left").mean()

(each row's interval ends at its stamp, so a day's means take the rows
after its midnight up to the next one: 365 days in a year)

The values are those the tool's CSV export and SQLite database hold: the
decimal number nearest each stored value's shortest text (22.1, not
22.100000381).

A file that cannot be read (not of the kind asked, cut short, damaged)
raises arqaux.Error, a ValueError whose message names the file; a path that
is not there raises FileNotFoundError.
"""

import fnmatch
import os

import numpy as np
import pandas as pd

from ._arqaux import Error, __version__

Error.__module__ = "arqaux"
from . import _arqaux

__all__ = ["Error", "info", "kinds", "read", "read_run", "run_files", "to_sqlite", "__version__"]

# The columns of the long layout, in order.
LONG_COLUMNS = ["run", "file", "zone", "component", "variable", "unit", "time", "value"]


def kinds():
    """Every kind of file the library tells, as dicts: name, description,
    readable (whether it has records that read as a table) and command (the
    tool's command that converts or shows it)."""
    return _arqaux.kinds()


def _table(r, path, year):
    df = pd.DataFrame(r["values"], index=pd.DatetimeIndex(r["times"], name="time"),
                      columns=r["columns"], copy=False)
    df.attrs = {
        "kind": r["name"],
        "kind_description": r["description"],
        "told_by": r["told_by"],
        "interval": pd.Timedelta(seconds=r["interval"]),
        "units": dict(zip(r["columns"], r["units"])),
        "quantities": dict(zip(r["columns"], r["quantities"])),
        "source": os.fspath(path),
        "year": year,
    }
    return df


def read(path, kind=None, year=2001):
    """Reads the file at path as a DataFrame.

    The index is a DatetimeIndex named "time": the end of each row's
    interval, dated in year. Each column is a variable; df.attrs gives
    "units" and "quantities" (column -> unit or quantity), "kind",
    "kind_description", "told_by" (how the kind was told), "interval" (a
    Timedelta), "source" (path) and "year". kind names the file's kind when
    the library cannot tell it (see kinds()).
    """
    path = os.fspath(path)
    return _table(_arqaux.read(path, kind or "", year), path, year)


def info(path, kind=None, year=2001):
    """What the file at path is: its kind, how that was told, and for a kind
    with records its columns with their units, interval, record count and the
    first and last row's time."""
    path = os.fspath(path)
    d = _arqaux.detect(path, kind or "")
    r = {"path": path, "kind": d["name"], "kind_description": d["description"],
         "told_by": d["told_by"], "command": d["command"]}
    if d["readable"]:
        df = read(path, d["name"], year)
        r.update(columns=list(df.columns), units=df.attrs["units"],
                 interval=df.attrs["interval"], records=len(df),
                 start=df.index[0] if len(df) else None,
                 end=df.index[-1] if len(df) else None)
    return r


def run_files(folder, files=None):
    """The files of records of a run folder, in name order, as dicts: path,
    file (its name), kind, zone ("1", or None) and component ("boiler 1",
    or None). files, a glob pattern or a list of them ("zona*_carga_*.txt"),
    keeps the files whose names match one. A folder that is not there raises
    FileNotFoundError; one that does not read, or a file in it, arqaux.Error.
    """
    folder = os.fspath(folder)
    if not os.path.exists(folder):
        raise FileNotFoundError(2, "No such file or directory", folder)
    listed = _arqaux.run_files(folder)
    if files is None:
        return listed
    patterns = [files] if isinstance(files, str) else list(files)
    return [f for f in listed if any(fnmatch.fnmatchcase(f["file"], p) for p in patterns)]


def read_run(folder, wide=False, year=2001, files=None):
    """Reads every file of records of a run folder (those run_files keeps,
    given files).

    The long layout (the default) is one DataFrame of the columns run,
    file, zone, component, variable, unit, time and value: one row per value
    of every column of every file, run being folder as given, zone the
    zone's number ("1") and component an HVAC stream's kind and number
    ("boiler 1"), None where they do not apply. With wide=True, a dict of
    file name -> the DataFrame read() gives.
    """
    folder = os.fspath(folder)
    listed = run_files(folder, files)
    if wide:
        return {f["file"]: read(f["path"], f["kind"], year) for f in listed}
    return _concat_long([long_table(folder, f, read(f["path"], f["kind"], year)) for f in listed])


def long_table(run, f, df):
    """The long layout of one file's table df: f is the file's entry of the
    run folder (file, zone, component)."""
    rows, ncols = df.shape
    codes = np.repeat(np.arange(ncols, dtype=np.int32), rows)
    units = [df.attrs["units"][c] for c in df.columns]
    out = pd.DataFrame({
        "run": pd.Categorical([run]).repeat(rows * ncols),
        "file": pd.Categorical([f["file"]]).repeat(rows * ncols),
        "zone": pd.Categorical([f["zone"]]).repeat(rows * ncols),
        "component": pd.Categorical([f["component"]]).repeat(rows * ncols),
        "variable": pd.Categorical.from_codes(codes, categories=list(df.columns)),
        "unit": pd.Categorical(np.array(units, dtype=object)[codes]),
        "time": np.tile(df.index.values, ncols),
        "value": df.to_numpy().T.ravel(),
    })
    return out


def _concat_long(tables):
    if not tables:
        return empty_long()
    # Categories differ from file to file: unite them, so the columns stay
    # categorical.
    return pd.concat(tables, ignore_index=True).astype(
        {c: "category" for c in ("run", "file", "zone", "component", "variable", "unit")})


def empty_long():
    """The long layout with no rows: its columns and their types."""
    cat = pd.Categorical([])
    return pd.DataFrame({"run": cat, "file": cat, "zone": cat, "component": cat,
                         "variable": cat, "unit": cat,
                         "time": np.array([], dtype="datetime64[ns]"),
                         "value": np.array([], dtype=float)})


def to_sqlite(folders, path, append=False, year=2001):
    """Writes the run folders into the SQLite database at path, as the tool's
    `arqaux export RUN... --to sqlite` does. Without append, path must not
    exist: the database is built beside it and moved into place whole. With
    append, path must be a database this export made; a run already in it
    is refused before anything is written. Returns the counts of files
    exported, files passed over and rows written."""
    if isinstance(folders, (str, os.PathLike)):
        folders = [folders]
    return _arqaux.to_sqlite([os.fspath(f) for f in folders], os.fspath(path), append, year)
