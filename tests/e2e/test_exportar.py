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

SUBJECT_LINES = [
    columns((2, "MAT"), (6, "MATEMATICAS-LARGO-20"), (26, "MATEMÁTICAS")),
    columns((2, "mat"), (6, "OTRA"), (26, "REPETIDA")),                 # same code in small letters
    columns((2, "LEN"), (26, "L" * 85)),                                 # name cut to 80
    columns((2, "*X")),                                                  # meets the activity X
]
ACTIVITY_LINES = [
    columns((2, "GUA"), (6, "GUARDIA DE RECREO LARGA"), (66, "GUA")),
    columns((2, "GUA"), (6, "REPETIDA"), (66, "REP")),
    columns((2, "X"), (6, "EQUIS")),                                     # "*X" is a subject already
    columns((2, "TUT"), (6, "TUTORÍA")),                                 # ends before column 66
    columns((2, "MAT"), (6, "MATE ACT")),                                # "*MAT" is not "MAT"
]


def subject(cod, codlargo, nombre, estarea, codtarea=""):
    return {"COD": cod, "CODLARGO": codlargo, "NOMBRE": nombre, "ESTAREA": estarea, "CODTAREA": codtarea}


SUBJECTS = [
    subject("MAT", "MATEMATICA", "MATEMÁTICAS", False),
    subject("LEN", "", "L" * 80, False),
    subject("*X", "", "", False),
    subject("*GUA", "GUARDIA DE", "GUARDIA DE RECREO LARGA", True, "GUA"),
    subject("*TUT", "TUTORÍA", "TUTORÍA", True),
    subject("*MAT", "MATE ACT", "MATE ACT", True),
]

ASSIGNMENT_LINES = [
    columns((2, "U1B"), (16, "MAT")),
    columns((2, "1ESOA"), (16, "MAT")),
    columns((2, "1ESOA"), (16, "MAT")),        # the same line twice gives two records
    columns((2, "1esoa"), (16, "LEN")),        # groups match with letter case
    columns((2, "NOGRP"), (16, "LEN")),
    columns((2, "1ESOA"), (16, "len")),        # subjects match with letter case
    b"",                                        # matches the GRUPOST record of an empty line
]
COURSE_LINES = [
    columns((2, "NIV"), (8, "2"), (24, "MAT"), (28, "   2,5")),
    columns((2, "ESO"), (8, "1"), (24, "MAT"), (28, "    15")),
    columns((2, "ESO"), (8, "1"), (24, "MAT"), (28, "     3")),   # a later line never counts
    columns((24, "LEN"), (28, "   0,5")),                        # blank level and course
    columns((2, "ESO"), (8, "1"), (24, "LEN"), (28, "     7")),
    columns((2, "NIV")),                                          # blank hours
]


def assignment(casig, cgrup, group_data, horas, sesiones):
    turno, nivel, curso, grupo = group_data
    return {"CASIG": casig, "CPROF": "", "CGRUP": cgrup, "CAULA": "", "CTAREA": "*LEC", "TURNO": turno,
            "NIVEL": nivel, "CURSO": curso, "GRUPO": grupo, "HORAS": horas, "SESIONES": sesiones}


NO_GROUP = ("", "", "", "")
ESO_1A = ("T", "ESO", "1", "A")
ASSIGNMENTS = [
    assignment("MAT", "U1B", ("M", "NIV", "2", "B"), 2.5, "11½"),
    assignment("MAT", "1ESOA", ESO_1A, 15, "2" + "1" * 13),
    assignment("MAT", "1ESOA", ESO_1A, 15, "2" + "1" * 13),
    assignment("LEN", "1esoa", NO_GROUP, 1, "1"),
    assignment("LEN", "NOGRP", NO_GROUP, 1, "1"),
    assignment("len", "1ESOA", ESO_1A, 1, "1"),
    assignment("", "", ("", "NIV", "", ""), 1, "1"),
]

SESSION_LINES = [
    columns((5, "0001"), (9, "L"), (10, "0800"), (14, "0855")),
    columns((5, "0002"), (9, "L"), (10, "0855"), (14, "0950")),
    columns((5, "0003"), (9, "L"), (10, "0950"), (14, "1045")),
    columns((5, "0004"), (9, "M"), (10, "0800"), (14, "0830")),
    columns((5, "0005"), (9, "M"), (10, "0830"), (14, "0900")),
    columns((5, "0006"), (9, "X"), (10, " 900"), (14, "1000")),   # no leading zero: after 0950
    columns((5, "0007"), (9, "J"), (10, "0900"), (14, "0855")),   # ends before it starts
]


def slot(dia, hora, cod, desde, hasta, minutos):
    return {"DIHO": dia + hora, "CODDIHO": cod, "DIA": dia, "TEXTODIA": "", "HORA": hora,
            "HORADESDE": desde, "HORAHASTA": hasta, "MINUTOS": minutos}


# Start times in order: 0800 0830 0855 0900 0950 900.
SLOTS = [
    slot("L", "1", "0001", "0800", "0855", "15"),
    slot("L", "3", "0002", "0855", "0950", "55"),
    slot("L", "5", "0003", "0950", "1045", "55"),
    slot("M", "1", "0004", "0800", "0830", "-10"),
    slot("M", "2", "0005", "0830", "0900", "30"),
    slot("X", "6", "0006", "900", "1000", "60"),
    slot("J", "4", "0007", "0900", "0855", "-85"),
]

# The tables in the order the builders write them, with the message each
# shows when its required file is missing.
MISSING_MESSAGES = {
    "ASIGNOMT": "No existe archivo de asignaturas (GEPA_ASIGNAT.TXT)",
    "PROFT": "No existe archivo de profesores (GEPA_PROF.TXT)",
    "AULAT": "No existe archivo de aulas (GEPA_AULAS.TXT)",
    "GRUPOST": "No existe archivo de grupos (GEPA_GRUPO.TXT)",
    "ASIGT": "No existe archivo de grupos (GEPA_ASIGNATGRUPO.TXT)",
    "DIASHORAST": "No existe archivo de grupos (GEPA_SESIONES.TXT)",
}
TABLES = list(MISSING_MESSAGES)
# Each input file: (name as GEPA writes it, its upper-case name, lines,
# the table whose required input it is, or None when optional).
INPUTS = [
    ("gepa_asignat.txt", "GEPA_ASIGNAT.TXT", SUBJECT_LINES, "ASIGNOMT"),
    ("Gepa_Actividades.TXT", "GEPA_ACTIVIDADES.TXT", ACTIVITY_LINES, None),
    ("Gepa_Prof.Txt", "GEPA_PROF.TXT", TEACHER_LINES, "PROFT"),
    ("GEPA_AULAS.TXT", "GEPA_AULAS.TXT", ROOM_LINES, "AULAT"),
    ("gepa_grupo.TXT", "GEPA_GRUPOS.TXT", GROUP_LINES, "GRUPOST"),
    ("GEPA_ASIGNATGRUPO.TXT", "GEPA_ASIGNATGRUPO.TXT", ASSIGNMENT_LINES, "ASIGT"),
    ("GEPA_ASIGNATCURSO.TXT", "GEPA_ASIGNATCURSO.TXT", COURSE_LINES, None),
    ("gepa_sesiones.txt", "GEPA_SESIONES.TXT", SESSION_LINES, "DIASHORAST"),
]
COUNTS = ["ASIGNOMT: 6 registros", "PROFT: 6 registros", "AULAT: 5 registros", "GRUPOST: 5 registros",
          "ASIGT: 7 registros", "DIASHORAST: 7 registros"]


def write_school(folder, leave_out=()):
    for name, upper, lines, _ in INPUTS:
        if name not in leave_out:
            # The sessions file is read as a list: a lone CR ends a line there.
            end = b"\r" if name == "gepa_sesiones.txt" else b"\r\n"
            write_gepa(folder, name, upper, lines, end=end)


def remove_input(folder, name):
    os.remove(os.path.join(folder, name))


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
        self.assertEqual(out, COUNTS)
        self.assert_table("ASIGNOMT", ["COD", "CODLARGO", "NOMBRE", "ESTAREA", "CODTAREA"], SUBJECTS)
        self.assert_table("PROFT", ["ABREV", "NOMBRE", "DEPART", "DNI"], TEACHERS)
        self.assert_table("AULAT", ["ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "ABREVCORTA"], ROOMS)
        self.assert_table("GRUPOST", ["ABREV", "TURNO", "NIVEL", "CURSO", "GRUPO", "UNIDAD", "DESCRIP",
                                      "ABREVCORTA"], GROUPS)
        self.assert_table("ASIGT", ["CASIG", "CPROF", "CGRUP", "CAULA", "CTAREA", "TURNO", "NIVEL", "CURSO",
                                    "GRUPO", "HORAS", "SESIONES"], ASSIGNMENTS)
        self.assert_table("DIASHORAST", ["DIHO", "CODDIHO", "DIA", "TEXTODIA", "HORA", "HORADESDE", "HORAHASTA",
                                         "MINUTOS"], SLOTS)
        self.assertEqual(sorted(os.listdir(self.ws.vtemp)), sorted(t + ".DBF" for t in TABLES))

    def test_field_definitions(self):
        write_school(self.ws.gepa)
        self.ws.exportar()
        expected = {
            "ASIGNOMT": [("COD", "C", 10), ("CODLARGO", "C", 10), ("NOMBRE", "C", 80), ("ESTAREA", "L", 1),
                         ("CODTAREA", "C", 10)],
            "PROFT": [("ABREV", "C", 10), ("NOMBRE", "C", 80), ("DEPART", "C", 40), ("DNI", "N", 11)],
            "AULAT": [("ABREV", "C", 10), ("NOMBRE", "C", 80), ("EDIFICIO", "C", 1), ("MAXALUM", "N", 11),
                      ("ABREVCORTA", "C", 4)],
            "GRUPOST": [("ABREV", "C", 10), ("TURNO", "C", 1), ("NIVEL", "C", 5), ("CURSO", "C", 3),
                        ("GRUPO", "C", 2), ("UNIDAD", "C", 10), ("DESCRIP", "C", 80), ("ABREVCORTA", "C", 4)],
            "ASIGT": [("CASIG", "C", 10), ("CPROF", "C", 10), ("CGRUP", "C", 10), ("CAULA", "C", 10),
                      ("CTAREA", "C", 10), ("TURNO", "C", 1), ("NIVEL", "C", 5), ("CURSO", "C", 3),
                      ("GRUPO", "C", 2), ("HORAS", "N", 20), ("SESIONES", "C", 20)],
            "DIASHORAST": [("DIHO", "C", 10), ("CODDIHO", "C", 10), ("DIA", "C", 20), ("TEXTODIA", "C", 20),
                           ("HORA", "C", 8), ("HORADESDE", "C", 8), ("HORAHASTA", "C", 8), ("MINUTOS", "C", 8)],
        }
        for table, fields in expected.items():
            with self.subTest(table=table):
                got, _ = read_table(self.ws.table(table))
                self.assertEqual([f[:3] for f in got], fields)

    def test_each_required_file_missing(self):
        """The builder shows its message, sets status -1 and leaves its old
        files byte for byte; the others run. A missing groups file leaves
        the older GRUPOST, from which the assignments are completed."""
        write_school(self.ws.gepa)
        self.ws.exportar()
        for name, _, _, table in INPUTS:
            if table is None:
                continue
            with self.subTest(missing=name):
                write_school(self.ws.gepa)
                remove_input(self.ws.gepa, name)
                with open(os.path.join(self.ws.vtemp, table + ".MDX"), "wb") as f:
                    f.write(b"old index")
                before = file_bytes(self.ws.table(table))
                status, out, err = self.ws.exportar()
                self.assertEqual(err, [MISSING_MESSAGES[table], "Proceso finalizado"])
                self.assertEqual(status, 1)
                self.assertEqual(out, [line for line in COUNTS if not line.startswith(table + ":")])
                self.assertEqual(file_bytes(self.ws.table(table)), before)
                self.assertEqual(file_bytes(os.path.join(self.ws.vtemp, table + ".MDX")), b"old index")
                os.remove(os.path.join(self.ws.vtemp, table + ".MDX"))
                self.assertEqual(read_table(self.ws.table("ASIGT"))[1], ASSIGNMENTS)

    def test_every_file_missing(self):
        status, out, err = self.ws.exportar()
        self.assertEqual(err, list(MISSING_MESSAGES.values()) + ["Proceso finalizado"])
        self.assertEqual(status, 1)
        self.assertEqual(out, [])
        self.assertEqual(os.listdir(self.ws.vtemp), [])

    def test_optional_files_missing(self):
        write_school(self.ws.gepa, leave_out=["GEPA_ASIGNATCURSO.TXT", "Gepa_Actividades.TXT"])
        status, out, err = self.ws.exportar()
        self.assertEqual(err, ["No existe archivo de grupos (GEPA_ASIGNATCURSO.TXT)", "Proceso finalizado"])
        self.assertEqual(status, 0)
        _, subjects = read_table(self.ws.table("ASIGNOMT"))
        self.assertEqual(subjects, SUBJECTS[:3])
        _, assignments = read_table(self.ws.table("ASIGT"))
        self.assertEqual([(a["HORAS"], a["SESIONES"]) for a in assignments], [(None, "")] * len(ASSIGNMENTS))
        self.assertEqual([a["NIVEL"] for a in assignments], [a["NIVEL"] for a in ASSIGNMENTS])

    def test_no_groups_table_at_all_stops_at_the_assignments(self):
        write_school(self.ws.gepa, leave_out=["gepa_grupo.TXT"])
        status, out, err = self.ws.exportar()
        self.assertEqual(status, 2)
        self.assertEqual(err[0], MISSING_MESSAGES["GRUPOST"])
        self.assertEqual(len(err), 2)
        self.assertIn("GRUPOST", err[1])
        self.assertEqual(out, COUNTS[:3])
        self.assertEqual(sorted(os.listdir(self.ws.vtemp)), ["ASIGNOMT.DBF", "AULAT.DBF", "PROFT.DBF"])

    def test_bad_numbers_stop_the_run_and_keep_the_previous_table(self):
        cases = [  # file, a line that replaces the file's lines, the table it stops, the message
            ("GEPA_ASIGNATCURSO.TXT", columns((2, "NIV"), (8, "2"), (24, "MAT"), (28, " 1,5,0")), "ASIGT",
             "'1.5.0' no es un valor punto flotante válido."),
            ("GEPA_ASIGNATCURSO.TXT", columns((2, "NIV"), (8, "2"), (24, "MAT"), (28, "    2h")), "ASIGT",
             "'2h' no es un valor punto flotante válido."),
            ("gepa_sesiones.txt", columns((5, "0001"), (9, "L"), (10, "9:00"), (14, "9:55")), "DIASHORAST",
             "'9:55' no es un valor entero válido."),
            ("gepa_sesiones.txt", columns((5, "0001"), (9, "L"), (10, "0800"), (14, "08 5")), "DIASHORAST",
             "'08 5' no es un valor entero válido."),
            ("gepa_sesiones.txt", b"", "DIASHORAST", "'' no es un valor entero válido."),
        ]
        write_school(self.ws.gepa)
        self.ws.exportar()
        for name, line, table, message in cases:
            with self.subTest(line=line):
                write_school(self.ws.gepa)
                upper = next(i[1] for i in INPUTS if i[0] == name)
                write_gepa(self.ws.gepa, name, upper, [line])
                before = file_bytes(self.ws.table(table))
                status, out, err = self.ws.exportar()
                self.assertEqual(status, 2)
                self.assertEqual(err, [message])
                self.assertEqual(out, COUNTS[:TABLES.index(table)])
                self.assertEqual(file_bytes(self.ws.table(table)), before)
                self.assertEqual(sorted(os.listdir(self.ws.vtemp)), sorted(t + ".DBF" for t in TABLES))

    def test_missing_folder(self):
        status, out, err = run_cli("exportar", self.ws.gepa + "/no-existe", vtemp=self.ws.vtemp)
        self.assertEqual((status, out, err), (1, [], ["No existe la carpeta"]))

    def test_missing_working_folder_stops_the_run(self):
        write_school(self.ws.gepa)
        missing = os.path.join(self.ws.vtemp, "no-existe")
        status, out, err = run_cli("exportar", self.ws.gepa, vtemp=missing)
        self.assertEqual(status, 2)
        self.assertEqual(len(err), 1)
        self.assertIn("ASIGNOMT", err[0])
        self.assertTrue(err[0].endswith("."))
        self.assertFalse(os.path.exists(missing))

    def test_failure_half_way_keeps_previous_tables(self):
        write_school(self.ws.gepa)
        self.ws.exportar()
        before = {t: file_bytes(self.ws.table(t)) for t in TABLES}
        # Another program holds AULAT: the run stops at that builder.
        with open(self.ws.table("AULAT"), "rb") as held:
            fcntl.flock(held, fcntl.LOCK_EX)
            write_gepa(self.ws.gepa, "Gepa_Prof.Txt", "GEPA_PROF.TXT", [columns((2, "NEW"))])
            status, out, err = self.ws.exportar()
        self.assertEqual(status, 2)
        self.assertEqual(out, COUNTS[:1] + ["PROFT: 1 registros"])
        self.assertEqual(len(err), 1)
        self.assertIn("AULAT", err[0])
        for table in ["AULAT", "GRUPOST", "ASIGT", "DIASHORAST"]:
            self.assertEqual(file_bytes(self.ws.table(table)), before[table], table)
        self.assertEqual(read_table(self.ws.table("PROFT"))[1][0]["ABREV"], "NEW")
        self.assertEqual(sorted(os.listdir(self.ws.vtemp)), sorted(t + ".DBF" for t in TABLES))

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
