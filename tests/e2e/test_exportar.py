"""transtaleno-cli exportar on small fixture folders: the tables written,
the messages in order, the exit statuses, and the old tables kept intact
when a builder finds no input or fails half way."""
import fcntl
import os
import unittest

from gepa_fixtures import (Workspace, columns, write_gepa, read_table, header_record_count, file_bytes,
                           run_cli)

LONG_90 = "N" * 85 + "ABCDE"          # 90 characters: the table keeps 80
LONG_50 = "D" * 45 + "VWXYZ"          # 50 characters: the table keeps 40

TEACHER_LINES = [
    columns((2, "P1"), (6, "GARCÍA LÓPEZ, ANA"), (96, "MATEMÁTICAS")),
    columns((2, "p1"), (6, "SEGUNDA LÍNEA"), (96, "PERDIDA")),      # same code in small letters
    columns((2, "Ñ1"), (6, "IBÁÑEZ"), (96, "LENGUA")),
    columns((2, "ñ1"), (6, "OTRA"), (96, "OTRO")),                   # the eñe in small letters
    columns((2, "LG"), (6, LONG_90), (96, LONG_50), (146, "NO SE LEE")),
    columns((2, "P2")),                                              # ends before column 6
    b"",                                                             # an empty line is data
    b"",                                                             # its empty code is then known
    columns((2, "gepa_prof.txt"), kind=" "),                         # a name line in small letters
    columns((2, "P3"), (6, "SIN DEPARTAMENTO")),
]
TEACHERS = [
    {"ABREV": "P1", "NOMBRE": "GARCÍA LÓPEZ, ANA", "DEPART": "MATEMÁTICAS", "DNI": None},
    {"ABREV": "Ñ1", "NOMBRE": "IBÁÑEZ", "DEPART": "LENGUA", "DNI": None},
    {"ABREV": "LG", "NOMBRE": LONG_90[:80], "DEPART": LONG_50[:40], "DNI": None},
    {"ABREV": "P2", "NOMBRE": "", "DEPART": "", "DNI": None},
    {"ABREV": "", "NOMBRE": "", "DEPART": "", "DNI": None},
    {"ABREV": "P3", "NOMBRE": "SIN DEPARTAMENTO", "DEPART": "", "DNI": None},
]

ROOM_LINES = [
    columns((2, "AULA1"), (12, "A1"), (16, "NO LLEGA A LA TABLA"), (86, "AULA DE MÚSICA")),
    columns((2, "AULA1"), (12, "A1B"), (86, "REPETIDA")),            # no duplicate test here
    columns((2, "LAB"), (12, "LABO"), (86, "R" * 95 + "FINAL")),     # 100 characters: 80 kept
    columns((2, "CORTA"), (12, "CO")),                               # ends before column 86
    b"",
]
ROOMS = [
    {"ABREV": "AULA1", "NOMBRE": "AULA DE MÚSICA", "EDIFICIO": "", "MAXALUM": None, "ABREVCORTA": "A1"},
    {"ABREV": "AULA1", "NOMBRE": "REPETIDA", "EDIFICIO": "", "MAXALUM": None, "ABREVCORTA": "A1B"},
    {"ABREV": "LAB", "NOMBRE": "R" * 80, "EDIFICIO": "", "MAXALUM": None, "ABREVCORTA": "LABO"},
    {"ABREV": "CORTA", "NOMBRE": "", "EDIFICIO": "", "MAXALUM": None, "ABREVCORTA": "CO"},
    {"ABREV": "", "NOMBRE": "", "EDIFICIO": "", "MAXALUM": None, "ABREVCORTA": ""},
]

GROUP_LINES = [
    columns((2, "U1B"), (12, "U1BC"), (22, "2"), (25, "ABC"), (35, "M")),
    columns((2, "1ESOA"), (12, "1A"), (16, "ESO"), (19, "XXX"), (22, "1"), (25, "PRIMERO A"), (35, "TAR"),
            (38, "NO SE LEE")),
    columns((2, "B")),                                                # one character: GRUPO is it
    columns((2, "GEPA_GRUPO.TXT")),                                   # not this file's name line
    columns((2, "GEPA_GRUPOS.TXT"), kind=" "),                        # this file's name line
    b"",
]


def group(abrev, turno, nivel, curso, grupo, descrip, corta):
    return {"ABREV": abrev, "TURNO": turno, "NIVEL": nivel, "CURSO": curso, "GRUPO": grupo,
            "UNIDAD": abrev, "DESCRIP": descrip, "ABREVCORTA": corta}


GROUPS = [
    group("U1B", "M", "NIV", "2", "B", "(ABC) M NIV 2 B", "U1BC"),
    group("1ESOA", "T", "ESO", "1", "A", "(PRIMERO A) TAR ESO 1 A", "1A"),
    group("B", "", "NIV", "", "B", "()  NIV  B", ""),
    group("GEPA_GRUPO", "", "NIV", "", "O", "()  NIV  O", ".TXT"),
    group("", "", "NIV", "", "", "()  NIV", ""),
]

# The missing-file messages, in the order the builders run.
MISSING_MESSAGES = [
    "No existe archivo de profesores (GEPA_PROF.TXT)",
    "No existe archivo de aulas (GEPA_AULAS.TXT)",
    "No existe archivo de grupos (GEPA_GRUPO.TXT)",
]
INPUTS = {  # table: (file name as GEPA writes it, upper-case name, lines)
    "PROFT": ("Gepa_Prof.Txt", "GEPA_PROF.TXT", TEACHER_LINES),
    "AULAT": ("GEPA_AULAS.TXT", "GEPA_AULAS.TXT", ROOM_LINES),
    "GRUPOST": ("gepa_grupo.TXT", "GEPA_GRUPOS.TXT", GROUP_LINES),
}


def write_school(folder, leave_out=()):
    for table, (name, upper, lines) in INPUTS.items():
        if table not in leave_out:
            write_gepa(folder, name, upper, lines)


def plant_old_table(ws, table):
    """An older table and index file, to see that they stay byte for byte."""
    old = {table + ".DBF": b"old table " + table.encode(), table + ".MDX": b"old index"}
    for name, data in old.items():
        with open(os.path.join(ws.vtemp, name), "wb") as f:
            f.write(data)
    return old


class ExportarTest(unittest.TestCase):
    def setUp(self):
        self.ws = Workspace()

    def tearDown(self):
        self.ws.cleanup()

    def assert_table(self, table, fields, records):
        path = self.ws.table(table)
        got_fields, got_records = read_table(path)
        self.assertEqual([f[0] for f in got_fields], fields)
        self.assertEqual(got_records, records)
        self.assertEqual(header_record_count(path), len(records))

    def test_all_files_present(self):
        write_school(self.ws.gepa)
        plant_old_table(self.ws, "PROFT")
        status, out, err = self.ws.exportar()
        self.assertEqual(err, ["Proceso finalizado"])
        self.assertEqual(status, 0)
        self.assertEqual(out, ["PROFT: 6 registros", "AULAT: 5 registros", "GRUPOST: 5 registros"])
        self.assert_table("PROFT", ["ABREV", "NOMBRE", "DEPART", "DNI"], TEACHERS)
        self.assert_table("AULAT", ["ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "ABREVCORTA"], ROOMS)
        self.assert_table("GRUPOST", ["ABREV", "TURNO", "NIVEL", "CURSO", "GRUPO", "UNIDAD", "DESCRIP",
                                      "ABREVCORTA"], GROUPS)
        self.assertFalse(os.path.exists(os.path.join(self.ws.vtemp, "PROFT.MDX")))
        self.assertEqual(sorted(os.listdir(self.ws.vtemp)), ["AULAT.DBF", "GRUPOST.DBF", "PROFT.DBF"])

    def test_field_definitions(self):
        write_school(self.ws.gepa)
        self.ws.exportar()
        fields, _ = read_table(self.ws.table("PROFT"))
        self.assertEqual(fields, [("ABREV", "C", 10, 0), ("NOMBRE", "C", 80, 0), ("DEPART", "C", 40, 0),
                                  ("DNI", "N", 11, 0)])
        fields, _ = read_table(self.ws.table("GRUPOST"))
        self.assertEqual([f[2] for f in fields], [10, 1, 5, 3, 2, 10, 80, 4])

    def test_each_file_missing(self):
        for index, table in enumerate(INPUTS):
            with self.subTest(missing=table):
                ws = Workspace()
                try:
                    write_school(ws.gepa, leave_out=[table])
                    old = plant_old_table(ws, table)
                    status, out, err = ws.exportar()
                    self.assertEqual(err, [MISSING_MESSAGES[index], "Proceso finalizado"])
                    self.assertEqual(status, 1)
                    self.assertNotIn(table, " ".join(out))
                    for name, data in old.items():
                        self.assertEqual(file_bytes(os.path.join(ws.vtemp, name)), data)
                    others = [t for t in INPUTS if t != table]
                    for other in others:
                        self.assertTrue(os.path.exists(ws.table(other)), other)
                finally:
                    ws.cleanup()

    def test_every_file_missing(self):
        status, out, err = self.ws.exportar()
        self.assertEqual(err, MISSING_MESSAGES + ["Proceso finalizado"])
        self.assertEqual(status, 1)
        self.assertEqual(out, [])
        self.assertEqual(os.listdir(self.ws.vtemp), [])

    def test_missing_folder(self):
        status, out, err = run_cli("exportar", self.ws.gepa + "/no-existe", vtemp=self.ws.vtemp)
        self.assertEqual((status, out, err), (1, [], ["No existe la carpeta"]))

    def test_missing_working_folder_stops_the_run(self):
        write_school(self.ws.gepa)
        missing = os.path.join(self.ws.vtemp, "no-existe")
        status, out, err = run_cli("exportar", self.ws.gepa, vtemp=missing)
        self.assertEqual(status, 2)
        self.assertEqual(len(err), 1)
        self.assertIn("PROFT", err[0])
        self.assertTrue(err[0].endswith("."))
        self.assertFalse(os.path.exists(missing))

    def test_failure_half_way_keeps_previous_tables(self):
        write_school(self.ws.gepa)
        self.ws.exportar()
        before = {t: file_bytes(self.ws.table(t)) for t in INPUTS}
        # Another program holds AULAT: the run stops at that builder.
        with open(self.ws.table("AULAT"), "rb") as held:
            fcntl.flock(held, fcntl.LOCK_EX)
            write_gepa(self.ws.gepa, "Gepa_Prof.Txt", "GEPA_PROF.TXT", [columns((2, "NEW"))])
            status, out, err = self.ws.exportar()
        self.assertEqual(status, 2)
        self.assertEqual(out, ["PROFT: 1 registros"])
        self.assertEqual(len(err), 1)
        self.assertIn("AULAT", err[0])
        self.assertNotIn("Proceso finalizado", err)
        self.assertEqual(file_bytes(self.ws.table("AULAT")), before["AULAT"])
        self.assertEqual(file_bytes(self.ws.table("GRUPOST")), before["GRUPOST"])
        self.assertEqual(read_table(self.ws.table("PROFT"))[1][0]["ABREV"], "NEW")
        self.assertEqual(sorted(os.listdir(self.ws.vtemp)), ["AULAT.DBF", "GRUPOST.DBF", "PROFT.DBF"])

    def test_working_folder_from_environment(self):
        write_school(self.ws.gepa)
        status, _, _ = run_cli("exportar", self.ws.gepa, env={"VTEMP": self.ws.vtemp})
        self.assertEqual(status, 0)
        self.assertTrue(os.path.exists(self.ws.table("PROFT")))


class UsageTest(unittest.TestCase):
    def test_help(self):
        status, out, _ = run_cli("--help")
        self.assertEqual(status, 0)
        self.assertTrue(out[0].startswith("Uso: transtaleno-cli"))

    def test_bad_usage(self):
        for args in [(), ("exportar",), ("borrar", "x"), ("exportar", "a", "b"), ("--vtemp",), ("-x", "exportar", "a")]:
            with self.subTest(args=args):
                status, _, err = run_cli(*args)
                self.assertEqual(status, 64)
                self.assertTrue(any("Uso:" in line for line in err))


if __name__ == "__main__":
    unittest.main()
