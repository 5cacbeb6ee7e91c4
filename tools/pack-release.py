#!/usr/bin/env python3
"""Packs a distribution folder into a zip archive that comes out the same, byte for byte, whenever
and wherever it is made: its files in name order inside one top folder, every entry with the same
date (the commit's) and the same plain attributes, nothing of the packing machine's owners or
clock.

    tools/pack-release.py DIST TOP-FOLDER SOURCE_DATE_EPOCH OUT.zip
"""
import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01, the earliest date a zip entry can hold
MSDOS = 0              # "made by" a system whose attributes are the DOS ones, as on Windows
DIRECTORY = 0x10       # the DOS attributes of a folder and of a file
ARCHIVE = 0x20


def entry(name, date, attributes):
    info = zipfile.ZipInfo(name, date)
    info.create_system = MSDOS
    info.external_attr = attributes
    return info


def main(dist, top, epoch, out):
    date = time.gmtime(max(int(epoch), ZIP_EPOCH))[:6]
    names = sorted(os.listdir(dist))
    for name in names:
        if not os.path.isfile(os.path.join(dist, name)):
            sys.exit(f'pack: {name} in {dist} is not a file; the installer copies files only')
    partial = out + '.partial'
    with zipfile.ZipFile(partial, 'w') as archive:
        archive.writestr(entry(top + '/', date, DIRECTORY), b'')
        for name in names:
            with open(os.path.join(dist, name), 'rb') as f:
                data = f.read()
            archive.writestr(entry(f'{top}/{name}', date, ARCHIVE), data,
                             compress_type=zipfile.ZIP_DEFLATED, compresslevel=9)
    os.replace(partial, out)


if __name__ == '__main__':
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
