#!/usr/bin/python3
"""Prints a dBase table as the dbfread package reads it, for comparing
with what our writer meant to write. Output, in Windows-1252:

  FIELD <name> <type> <length> <decimals>     one line per field
  RECORD <value>|<value>|...                  one line per live record
  DELETED <count>

Values: text as it is, numbers as Python prints them, True/False, None
for empty values, dates as yyyy-mm-dd."""
import sys

import dbfread


def shown(value):
    if value is None:
        return 'None'
    if isinstance(value, float):
        return repr(value)
    return str(value)


def main(path):
    table = dbfread.DBF(path, encoding='cp1252', char_decode_errors='strict', load=True)
    lines = []
    for field in table.fields:
        lines.append('FIELD %s %s %d %d' % (field.name, field.type, field.length, field.decimal_count))
    for record in table.records:
        lines.append('RECORD ' + '|'.join(shown(value) for value in record.values()))
    lines.append('DELETED %d' % len(table.deleted))
    sys.stdout.buffer.write(('\n'.join(lines) + '\n').encode('cp1252'))


if __name__ == '__main__':
    main(sys.argv[1])
