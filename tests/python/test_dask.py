"""Three runs read with dask and reduced give what pandas gives."""

import pandas as pd

import arqaux
import arqaux.dask


def test_a_study_reduced_on_dask_is_the_same_reduced_in_pandas(study):
    lazy = arqaux.dask.read_runs([str(r) for r in study])
    files = sum(len(arqaux.read_run(r, wide=True)) for r in study)
    assert lazy.npartitions == files
    assert list(lazy.columns) == arqaux.LONG_COLUMNS
    keys = ["run", "file", "variable"]
    lazy_sums = lazy.groupby(keys).value.agg(["sum", "count", "max"]).compute()
    eager = pd.concat([arqaux.read_run(r) for r in study], ignore_index=True)
    eager = eager.astype({k: str for k in keys})
    eager_sums = eager.groupby(keys).value.agg(["sum", "count", "max"])
    pd.testing.assert_frame_equal(lazy_sums.sort_index(), eager_sums.sort_index(), rtol=1e-12)
    assert set(lazy_sums.index.get_level_values("run")) == {str(r) for r in study}
    hot = lazy[lazy.variable == "zone_air_temperature"].groupby("run").value.max().compute()
    assert len(hot) == 3 and hot.notna().all()


def test_a_pattern_names_the_runs(study):
    pattern = str(study[0].parent / "[ab]")
    lazy = arqaux.dask.read_runs(pattern, files=["zona1_temp_umi.bin", "zona2_*.bin"])
    assert sorted(lazy.run.unique().compute()) == [str(study[0]), str(study[1])]
    zone2 = len(arqaux.run_files(study[1], "zona2_*.bin"))
    assert zone2 > 5 and lazy.npartitions == 2 + zone2
