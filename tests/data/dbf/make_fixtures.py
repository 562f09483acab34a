#!/usr/bin/python3
"""Writes the dBase tables that another program (the python3-dbf package)
makes, for the tests that read foreign tables:

  dbase3_mixed.dbf  dBase III: C, N (whole and with decimals), L and D
                    fields; the second record is deleted; the last is blank.
  vfp_binary.dbf    Visual FoxPro: C, I, B, Y, T and N fields.

Run it with /usr/bin/python3 from this folder; the outputs are committed."""
import datetime
import os

import dbf

HERE = os.path.dirname(os.path.abspath(__file__))


def make(name, fields, kind, rows, deleted=()):
    path = os.path.join(HERE, name)
    if os.path.exists(path):
        os.remove(path)
    table = dbf.Table(path, fields, dbf_type=kind, codepage='cp1252')
    table.open(dbf.READ_WRITE)
    for row in rows:
        table.append(row)
    for index in deleted:
        dbf.delete(table[index])
    table.close()


make('dbase3_mixed.dbf',
     'NOMBRE C(12); CANT N(5,0); PRECIO N(8,2); ACTIVO L; ALTA D',
     'db3',
     [('Jos\xe9 Mar\xeda', 3, 2.5, True, datetime.date(2024, 3, 15)),
      ('borrado', 1, 1, False, None),
      ('Pe\xf1a', -42, -0.75, False, datetime.date(1999, 12, 31)),
      (None, None, None, None, None)],
     deleted=[1])

make('vfp_binary.dbf',
     'CODIGO C(6); TOTAL I; MEDIA B; IMPORTE Y; MOMENTO T; NOTA N(6,2)',
     'vfp',
     [('A1', -7, 2.25, 12.5, datetime.datetime(2024, 3, 15, 13, 45, 30), 1.5),
      ('B2', -2147483647, -1e300, -0.0001, datetime.datetime(1970, 1, 1, 0, 0, 0), -3)])
