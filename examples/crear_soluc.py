#!/usr/bin/python3
"""Writes SOLUC.DBF, the timetable solution that Vestrano would leave in its
working folder, for the example school of escuela-ejemplo/.

Usage: crear_soluc.py WORKING_FOLDER

The table is written with python3-dbf, a dBase writer of its own, so that
the program reads a table it did not make itself. Every group gets a full
week of six hours a day; at any hour the three groups have different
subjects, so no teacher is in two places. Teacher P06 also has one guard
duty (an activity, which GEPA knows by its task code), and one lesson is
left unplaced (day 0), which the export skips."""
import os
import sys

import dbf

SUBJECTS = ["MAT", "LEN", "ING", "CNA", "GEH", "EFI"]
TEACHER = {"MAT": "P01", "LEN": "P02", "ING": "P03", "CNA": "P04", "GEH": "P05", "EFI": "P06"}
GROUPS = [("1ESOA", "AULA101"), ("1ESOB", "AULA102"), ("2ESOA", "AULA201")]
ROOM_OF_SUBJECT = {"EFI": "GIMNASIO", "CNA": "LABCIEN"}
DAYS = range(1, 6)
HOURS = range(1, 7)  # the hours as the conversion numbers them in DIASHORAST


def entries():
    for group_index, (group, home_room) in enumerate(GROUPS):
        for day in DAYS:
            for hour in HOURS:
                subject = SUBJECTS[(day + hour + 2 * group_index) % len(SUBJECTS)]
                room = ROOM_OF_SUBJECT.get(subject, home_room)
                # Lessons carry no activity code: the export writes "LEC".
                yield (day, str(hour), TEACHER[subject], group, "", subject, room)
    yield (1, "4", "P06", "", "*GUA", "", "")       # guard duty, Monday 4th hour
    yield (0, "", "P01", "1ESOA", "", "MAT", "AULA101")  # not placed


def main():
    if len(sys.argv) != 2:
        sys.exit("uso: crear_soluc.py CARPETA_DE_TRABAJO")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "SOLUC.DBF")
    if os.path.exists(path):
        os.remove(path)
    table = dbf.Table(path, "DIA N(2,0); HORA C(2); PROF C(5); CODGRUPO C(10); TAREA C(10); "
                            "ASIG C(5); AULA C(10)", dbf_type="db3", codepage="cp1252")
    table.open(dbf.READ_WRITE)
    try:
        for entry in entries():
            table.append(entry)
    finally:
        table.close()
    print(path)


if __name__ == "__main__":
    main()
