"""arqaux.read and read_run against the tool's exports of the same files."""

import sqlite3

import numpy as np
import pandas as pd
import pytest

import arqaux


def heading(name, unit):
    return f"{name} [{unit}]" if unit else name


def test_every_file_reads_as_its_csv_export(run, run_csv):
    """Every exported file, value for value, with its names, units, times
    and interval; and every kind with records the sample writes is among
    them."""
    listed = {f["file"]: f["kind"] for f in arqaux.run_files(run)}
    exported = sorted(p.name[:-4] for p in run_csv.glob("*.csv"))
    assert exported == sorted(listed)
    for name in exported:
        df = arqaux.read(run / name)
        csv = pd.read_csv(run_csv / (name + ".csv"), float_precision="round_trip")
        units = df.attrs["units"]
        assert list(csv.columns) == ["time", "interval [s]", "hour_of_year [h]"] + [
            heading(c, units[c]) for c in df.columns], name
        assert (pd.DatetimeIndex(csv["time"]) == df.index).all(), name
        assert (csv["interval [s]"] == df.attrs["interval"].total_seconds()).all(), name
        np.testing.assert_array_equal(csv.iloc[:, 3:].to_numpy(), df.to_numpy(), err_msg=name)
        assert df.attrs["kind"] == listed[name]
    readable = {k["name"] for k in arqaux.kinds() if k["readable"]}
    assert set(listed.values()) <= readable
    assert len(set(listed.values())) >= 15


def test_attrs_tell_kind_units_interval_and_source(run):
    path = run / "zona1_temp_umi.bin"
    df = arqaux.read(path)
    assert df.attrs["kind"] == "tupmv"
    assert df.attrs["told_by"] == "its description"
    assert df.attrs["interval"] == pd.Timedelta(hours=1)
    assert df.attrs["source"] == str(path)
    assert df.attrs["units"]["zone_air_temperature"] == "°C"
    assert df.attrs["quantities"]["zone_humidity_ratio"] == "humidity_ratio"
    assert df.index.name == "time"
    assert df.index[0] == pd.Timestamp("2001-01-01 01:00")
    assert len(df) == 72 and df.index[-1] == pd.Timestamp("2001-01-04 00:00")
    info = arqaux.info(path)
    assert (info["records"], info["start"], info["end"]) == (72, df.index[0], df.index[-1])


def test_a_leap_year_skips_29_february(run):
    df = arqaux.read(run / "clima.bin", year=2004)
    assert df.index[1415] == pd.Timestamp("2004-03-01 00:00")
    assert not ((df.index.month == 2) & (df.index.day == 29)).any()
    assert df.index[-1] == pd.Timestamp("2005-01-01 00:00")


def test_two_kinds_join_on_the_index(run):
    """The zone stream's outdoor values are the climate's at each step's end."""
    zone = arqaux.read(run / "zona1_temp_umi.bin")
    climate = arqaux.read(run / "clima.bin")
    joined = zone.join(climate, how="inner", rsuffix="_climate")
    assert len(joined) == len(zone)
    for column in ["exterior_air_temperature", "exterior_humidity_ratio"]:
        assert zone.attrs["units"][column] == climate.attrs["units"][column]
        np.testing.assert_array_equal(joined[column], joined[column + "_climate"])


def test_the_long_layout_holds_every_value_of_the_wide_tables(run):
    wide = arqaux.read_run(run, wide=True)
    long = arqaux.read_run(run)
    assert list(long.columns) == arqaux.LONG_COLUMNS
    assert len(long) == sum(df.size for df in wide.values())
    boiler = long[long.file == "boiler.dat"]
    assert set(boiler.component) == {"boiler 1"} and boiler.zone.isna().all()
    zone = long[(long.file == "zona1_temp_umi.bin") & (long.variable == "ppd")]
    assert set(zone.zone) == {"1"} and set(zone.unit) == {"%"}
    expected = wide["zona1_temp_umi.bin"]["ppd"]
    np.testing.assert_array_equal(zone.time, expected.index)
    np.testing.assert_array_equal(zone.value, expected)


def rows(path, table):
    with sqlite3.connect(path) as db:
        columns = [r[1] for r in db.execute(f'PRAGMA table_info("{table}")')]
        keep = [c for c in columns if c != "exported_at"]
        return db.execute(f'SELECT {",".join(keep)} FROM "{table}" ORDER BY rowid').fetchall()


def test_to_sqlite_writes_the_database_the_tool_writes(run, tmp_path):
    from conftest import tool
    ours, theirs = tmp_path / "ours.sqlite", tmp_path / "theirs.sqlite"
    summary = arqaux.to_sqlite(run, ours)
    tool("export", run, "--to", "sqlite", "--out", theirs)
    with sqlite3.connect(theirs) as db:
        tables = [r[0] for r in db.execute("SELECT name FROM sqlite_master WHERE type='table'")]
    assert len(tables) > 10
    for table in tables:
        assert rows(ours, table) == rows(theirs, table), table
    assert summary["files"] == len(arqaux.read_run(run, wide=True))
    with pytest.raises(arqaux.Error, match="ours.sqlite"):
        arqaux.to_sqlite(run, ours)
    with pytest.raises(arqaux.Error, match="already"):
        arqaux.to_sqlite(run, ours, append=True)
