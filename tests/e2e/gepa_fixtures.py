"""Helpers for the end-to-end tests: GEPA files built column by column,
runs of transtaleno-cli, and dBase tables read back with dbfread."""
import os
import struct
import subprocess
import tempfile

import dbfread

CLI = os.environ.get("TT_CLI", "transtaleno-cli")


def columns(*fields, kind="1"):
    """A GEPA line: `kind` in column 1, then each (column, text) pair placed
    at its 1-based column, blanks between them. Text is str (encoded as
    Windows-1252) or bytes."""
    line = bytearray(kind.encode("cp1252"))
    for column, text in fields:
        data = text.encode("cp1252") if isinstance(text, str) else text
        if len(line) < column - 1:
            line.extend(b" " * (column - 1 - len(line)))
        line[column - 1:column - 1 + len(data)] = data
    return bytes(line)


def header(upper_name, extra=b""):
    return columns((2, upper_name), (52, extra), kind="0")


def trailer(upper_name):
    return columns((2, upper_name), kind="9")


def write_gepa(folder, name, upper_name, lines, end=b"\r\n"):
    """Writes a GEPA file with its header and trailer lines."""
    body = [header(upper_name)] + list(lines) + [trailer(upper_name)]
    with open(os.path.join(folder, name), "wb") as f:
        f.write(b"".join(line + end for line in body))


def run_cli(*args, vtemp=None, env=None):
    """Runs the tool; answers (exit status, stdout lines, stderr lines)."""
    full_env = dict(os.environ)
    full_env.pop("VTEMP", None)
    if env:
        full_env.update(env)
    command = [CLI] + list(args)
    if vtemp is not None:
        command[1:1] = ["--vtemp", vtemp]
    done = subprocess.run(command, capture_output=True, env=full_env, timeout=120)
    return (done.returncode,
            done.stdout.decode("utf-8").splitlines(),
            done.stderr.decode("utf-8").splitlines())


def read_table(path):
    """Field definitions and records of a dBase file, read by dbfread."""
    table = dbfread.DBF(path, encoding="cp1252", char_decode_errors="strict")
    fields = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
    return fields, [dict(r) for r in table]


def header_record_count(path):
    with open(path, "rb") as f:
        return struct.unpack("<I", f.read(8)[4:8])[0]


def file_bytes(path):
    with open(path, "rb") as f:
        return f.read()


class Workspace:
    """A GEPA folder and a working folder, both temporary."""

    def __init__(self):
        self._tmp = tempfile.TemporaryDirectory(prefix="tt-e2e-")
        self.gepa = os.path.join(self._tmp.name, "gepa")
        self.vtemp = os.path.join(self._tmp.name, "vtemp")
        os.mkdir(self.gepa)
        os.mkdir(self.vtemp)

    def table(self, name):
        return os.path.join(self.vtemp, name + ".DBF")

    def exportar(self, **kwargs):
        return run_cli("exportar", self.gepa, vtemp=self.vtemp, **kwargs)

    def cleanup(self):
        self._tmp.cleanup()
