"""Files that do not read raise an exception naming the file; the
interpreter goes on."""

import shutil

import pytest

import arqaux


def cut(path, nbytes):
    data = path.read_bytes()
    path.write_bytes(data[:-nbytes])


def garble_line(path, n):
    lines = path.read_bytes().split(b"\n")
    lines[n] = b"not a line of numbers"
    path.write_bytes(b"\n".join(lines))


# (file of the run, what is done to it, the kind asked, what the message says)
DAMAGES = [
    ("zona1_temp_umi.bin", None, "climate", "climate"),
    ("zona1_temp_umi.bin", lambda p: cut(p, 3), None, "cut short"),
    ("clima.bin", lambda p: cut(p, 100), None, ""),
    ("boiler.dat", lambda p: cut(p, 4), None, ""),
    ("zona1_fancoil.dat", lambda p: garble_line(p, 10), None, ""),
    ("zona1_fancoil_consumo.dat", lambda p: cut(p, 2), None, ""),
    ("zona1_saida_cont.bin", lambda p: cut(p, 1), None, "cut short"),
    ("zona1_carga_verao.txt", lambda p: garble_line(p, 20), None, ""),
    ("zona1_temp_umi.bin", lambda p: p.write_bytes(b"\x01\x02\x03"), None, ""),
    ("zona1_temp_umi.bin", lambda p: p.write_bytes(b""), "tupmv", ""),
    ("solo.bin", lambda p: p.write_bytes(b"\x7f" * 1001), None, ""),
]


@pytest.mark.parametrize("name,damage,kind,says", DAMAGES)
def test_a_damaged_or_misread_file_raises_naming_it(run, tmp_path, name, damage, kind, says):
    path = tmp_path / name
    shutil.copy(run / name, path)
    for desc in run.glob(name + ".desc"):
        shutil.copy(desc, tmp_path / desc.name)
    if name.endswith("_consumo.dat"):
        data = name.replace("_consumo", "")
        shutil.copy(run / data, tmp_path / data)
        shutil.copy(run / (data + ".desc"), tmp_path / (data + ".desc"))
    arqaux.read(path)  # whole, the copy reads
    if damage:
        damage(path)
    with pytest.raises(arqaux.Error) as e:
        arqaux.read(path, kind=kind)
    assert str(path) in str(e.value) and says in str(e.value)


def test_what_is_not_a_file_of_records(run, tmp_path):
    with pytest.raises(FileNotFoundError) as e:
        arqaux.read(tmp_path / "nothing.bin")
    assert e.value.filename == str(tmp_path / "nothing.bin")
    with pytest.raises(arqaux.Error, match=str(tmp_path)):
        arqaux.read(tmp_path)
    with pytest.raises(arqaux.Error, match="zona1_cargas.est"):
        arqaux.read(run / "zona1_cargas.est")
    with pytest.raises(arqaux.Error, match="year"):
        arqaux.read(run / "clima.bin", year=0)
    with pytest.raises(arqaux.Error, match="pandas"):
        arqaux.read(run / "clima.bin", year=3000)
    with pytest.raises(FileNotFoundError):
        arqaux.read_run(tmp_path / "nothing")
    with pytest.raises(arqaux.Error, match="not a run folder"):
        arqaux.read_run(run / "clima.bin")
