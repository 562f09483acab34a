"""transtaleno-cli importar: a school converted with exportar, a SOLUC
written by another program, and the GEPA_HORARIO.TXT that comes out."""
import datetime
import fcntl
import os
import re
import unittest

from gepa_fixtures import Workspace, file_bytes, run_cli
from soluc_writer import write_dbf_soluc, write_dbase7_soluc
from test_exportar import write_school

# Entries whose codes come from the tables of the fixture school.
ENTRIES = [
    (1, 1, "P1", "1ESOA", "*GUA", "MAT", "LAB"),
    (2, 2, "Ñ1", "U1B", "*TUT", "LEN", "AULA1"),
    (0, 1, "NO", "1ESOA", "*GUA", "MAT", "LAB"),        # day 0: no line
    (3, 6, "BORRADO", "1ESOA", "*GUA", "MAT", "LAB"),   # deleted below
    (4, 4, "LG", "NOGRP", "NOPE", "MAT", "NOROOM"),
    (3, 6, "P3", "B", "MAT", "MAT", "CORTA"),
    (2, 9, "P4", "1ESOA", "*GUA", "MAT", "LAB"),        # no such slot: blanks, not the last one's
]
DELETED = [3]
DETAILS = [
    "10001LP1  1A  GUA MAT LABO",
    "10005MÑ1  U1BC    LEN A1  ",
    "10007JLG  NOGRLEC MAT NORO",
    "10006XP3          MAT CO  ",
    "1    MP4  1A  GUA MAT LABO",
]
HEAD = "GEPA_HORARIO.TXT" + " " * 34 + " " * 8


def stamp_range(before, after):
    return {t.strftime("%d%m%Y%H%M") for t in (before, after)}


class ImportarTest(unittest.TestCase):
    def setUp(self):
        self.ws = Workspace()
        write_school(self.ws.gepa)
        status, _, _ = self.ws.exportar()
        self.assertEqual(status, 0)
        self.soluc = os.path.join(self.ws.vtemp, "SOLUC.DBF")
        self.horario = os.path.join(self.ws.gepa, "GEPA_HORARIO.TXT")

    def tearDown(self):
        self.ws.cleanup()

    def importar(self):
        return run_cli("importar", self.ws.gepa, vtemp=self.ws.vtemp)

    def check_horario(self, details, before, after):
        data = file_bytes(self.horario)
        self.assertTrue(data.endswith(b"\r\n"))
        lines = data.decode("cp1252").split("\r\n")
        self.assertEqual(lines[-1], "")
        lines = lines[:-1]
        self.assertEqual(len(lines), len(details) + 2)
        stamps = stamp_range(before, after)
        self.assertEqual(len(lines[0]), 71)
        self.assertEqual(lines[0][:59], "0" + HEAD)
        self.assertIn(lines[0][59:], stamps)
        self.assertEqual(lines[1:-1], details)
        self.assertEqual(lines[-1][:59], "9" + HEAD)
        self.assertIn(lines[-1][59:71], stamps)
        self.assertEqual(lines[-1][71:], str(len(details)))

    def test_solucs_of_every_kind_give_the_same_timetable(self):
        writers = {
            "dBase III, numeric day": lambda: write_dbf_soluc(self.soluc, ENTRIES, "N", DELETED),
            "dBase III, character day": lambda: write_dbf_soluc(self.soluc, ENTRIES, "C", DELETED),
            "dBase 7, long integers": lambda: write_dbase7_soluc(self.soluc, ENTRIES, DELETED),
        }
        for kind, write in writers.items():
            with self.subTest(kind=kind):
                write()
                before = datetime.datetime.now()
                status, out, err = self.importar()
                after = datetime.datetime.now()
                self.assertEqual((status, out, err), (0, ["GEPA_HORARIO.TXT: 5 líneas"], ["Proceso finalizado"]))
                self.check_horario(DETAILS, before, after)

    def test_empty_solution(self):
        write_dbf_soluc(self.soluc, [(0, 1, "P", "G", "T", "A", "R")])
        with open(self.horario, "wb") as f:
            f.write(b"an older and much longer timetable\r\n" * 50)
        before = datetime.datetime.now()
        status, _, _ = self.importar()
        self.assertEqual(status, 0)
        self.check_horario([], before, datetime.datetime.now())

    def test_failures_write_nothing(self):
        cases = {
            "SOLUC": lambda: os.remove(self.soluc),
            "DIASHORAST": lambda: os.remove(self.ws.table("DIASHORAST")),
        }
        for table, break_it in cases.items():
            with self.subTest(missing=table):
                write_dbf_soluc(self.soluc, ENTRIES)
                break_it()
                status, out, err = self.importar()
                self.assertEqual(status, 2)
                self.assertEqual(out, [])
                self.assertEqual(len(err), 1)
                self.assertIn(table, err[0])
                self.assertFalse(os.path.exists(self.horario))

    def test_a_table_held_by_another_program(self):
        write_dbf_soluc(self.soluc, ENTRIES)
        inputs = sorted(os.listdir(self.ws.gepa))
        with open(self.ws.table("PROFT"), "rb") as held:
            fcntl.flock(held, fcntl.LOCK_SH)
            status, _, err = self.importar()
        self.assertEqual(status, 2)
        self.assertIn("PROFT", err[0])
        self.assertFalse(os.path.exists(self.horario))
        self.assertEqual(sorted(os.listdir(self.ws.gepa)), inputs)  # no temporary file left

    def test_missing_folder(self):
        status, out, err = run_cli("importar", self.ws.gepa + "/no", vtemp=self.ws.vtemp)
        self.assertEqual((status, out, err), (1, [], ["No existe la carpeta"]))

    def test_round_trip_codes_come_back_as_the_school_wrote_them(self):
        """Every teacher, group, subject and room code of the school goes out
        through the tables and back: the slot of each day and hour is the one
        the sessions file gave."""
        sessions = {("L", "1"): "0001", ("L", "3"): "0002", ("L", "5"): "0003", ("M", "1"): "0004",
                    ("M", "2"): "0005", ("X", "6"): "0006", ("J", "4"): "0007"}
        days = {"L": 1, "M": 2, "X": 3, "J": 4}
        entries = [(days[d], int(h), "P1", "1ESOA", "*GUA", "MAT", "LAB") for d, h in sessions]
        write_dbf_soluc(self.soluc, entries)
        self.assertEqual(self.importar()[0], 0)
        lines = file_bytes(self.horario).decode("cp1252").split("\r\n")[1:-2]
        self.assertEqual([(line[5], line[1:5]) for line in lines],
                         [(d, code) for (d, _), code in sessions.items()])
        self.assertTrue(all(re.fullmatch(r"1\d{4}[LMXJ]P1  1A  GUA MAT LABO", line) for line in lines))


if __name__ == "__main__":
    unittest.main()
