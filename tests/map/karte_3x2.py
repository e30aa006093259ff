#!/usr/bin/env python3
# Writes korpus/kartendatei/karte_3x2.bwk: a 3 x 2 map laid out by hand,
# record by record, from the layout of the map file (run from tests/map).
import struct, sys

def i16(v):
    return struct.pack('<h', v)

def fest(text):
    b = text.encode('cp1252')
    return (b + b' ' * 30)[:30]

def satz(nr, spieler, hort, name, terrain, bes, burg, klasse, besitzer,
         sname, rang, ober, echt, erz, drufel, namen=None):
    b = besitzer.encode('cp1252')
    feldname = namen[0] if namen else fest(name)
    spielername = namen[1] if namen else fest(sname)
    daten = (i16(nr) + i16(spieler) + i16(hort) + feldname + i16(terrain)
             + i16(bes) + i16(burg) + i16(klasse) + struct.pack('<H', len(b)) + b
             + spielername + i16(rang) + i16(ober) + i16(echt) + i16(erz) + i16(drufel))
    assert len(daten) == 86 + len(b)
    return daten + bytes(176 - len(daten))

saetze = [
    # header: columns "3" as owner, rows 2, width 5000, height 5000, names zero
    satz(0, 0, 0, '', 0, 2, 5000, 5000, '3', '', 0, 0, 0, 0, 0,
         namen=(bytes(30), bytes(30))),
    satz(1, 4, 0, 'Alte Mühle', 1, 0, 1, 3, '1', 'Tramsel', 2, 0, 1, 1, 1),
    satz(2, 4, 0, 'Vorposten', 7, 0, 2, 2, '1', 'Tramsel', 1, -3, 2, 0, 0),
    satz(3, 0, 1, 'Bucht', 5, 8, 0, 0, '12', '', 0, 0, 0, 0, 0),
    satz(0, 0, 0, '', 0, 0, 0, 0, '0', '', 0, 0, 0, 0, 0),
    satz(5, 0, 0, 'Grat', 3, 3, 0, 0, '0', '', 0, 0, 0, 0, 0),
    satz(6, -1, 0, '', 8, 0, 0, 0, '', '', 0, 0, 0, 0, 0,
         namen=(fest('Ein Name mit genau 30 Zeichen!'), fest('€ßÿ') [:3] + b'\x81\x8d' + b' ' * 25)),
]
daten = b''.join(saetze)
assert len(daten) == 1232
open(sys.argv[1] if len(sys.argv) > 1 else 'korpus/kartendatei/karte_3x2.bwk', 'wb').write(daten)
