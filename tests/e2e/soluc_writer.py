"""Writes SOLUC tables the way another program would: dBase III files
through Debian's python3-dbf, and a dBase 7 file byte by byte from the
documented layout (68-byte header, 48-byte field descriptors)."""
import datetime
import struct

import dbf

SOLUC_FIELDS = ["DIA", "HORA", "PROF", "CODGRUPO", "TAREA", "ASIG", "AULA"]


def write_dbf_soluc(path, entries, day_kind="N", deleted=()):
    """entries: tuples in SOLUC_FIELDS order. day_kind "N" gives numeric DIA
    and HORA, "C" character ones. Records whose index is in `deleted` are
    marked deleted."""
    if day_kind == "N":
        field_list = "DIA N(1,0); HORA N(2,0)"
    else:
        field_list = "DIA C(2); HORA C(2)"
    field_list += "; PROF C(10); CODGRUPO C(10); TAREA C(10); ASIG C(10); AULA C(10); OTRO N(5,2)"
    table = dbf.Table(path, field_list, dbf_type="db3", codepage="cp1252")
    table.open(mode=dbf.READ_WRITE)
    for entry in entries:
        dia, hora = entry[0], entry[1]
        if day_kind == "C":
            dia, hora = str(dia), str(hora)
        table.append((dia, hora) + tuple(entry[2:]) + (1.5,))
    for index in deleted:
        dbf.delete(table[index])
    table.close()


def _dbase7_long(value):
    """dBase 7 long integers: big-endian with the sign bit flipped."""
    return struct.pack(">I", (value + 0x80000000) & 0xFFFFFFFF)


def write_dbase7_soluc(path, entries, deleted=()):
    fields = [("DIA", "I", 4), ("HORA", "I", 4)] + [(name, "C", 10) for name in SOLUC_FIELDS[2:]]
    record_length = 1 + sum(f[2] for f in fields)
    header_length = 68 + 48 * len(fields) + 1
    today = datetime.date.today()
    header = struct.pack("<B3BIHH", 0x04, today.year - 1900, today.month, today.day, len(entries),
                         header_length, record_length)
    header += b"\0" * (29 - len(header)) + b"\x03" + b"\0\0"
    header += b"DBWINUS0".ljust(32, b"\0") + b"\0" * 4
    assert len(header) == 68
    for name, kind, length in fields:
        descriptor = name.encode().ljust(32, b"\0") + kind.encode() + bytes([length, 0])
        header += descriptor.ljust(48, b"\0")
    header += b"\x0d"
    records = b""
    for index, entry in enumerate(entries):
        records += b"*" if index in deleted else b" "
        records += _dbase7_long(entry[0]) + _dbase7_long(entry[1])
        for text in entry[2:]:
            records += text.encode("cp1252").ljust(10, b" ")
    with open(path, "wb") as f:
        f.write(header + records + b"\x1a")
