#!/usr/bin/python3
"""Writes the release files so that two builds of one commit give the same bytes.

  zip OUT EPOCH TOPDIR FILE...   a ZIP of FILEs under TOPDIR/, in the given order, every entry
                                 dated EPOCH, with no owner or permission from the build machine
  stage DIR EPOCH FILE...        copies FILEs into DIR dated EPOCH (wixl puts file times in the
                                 cabinet)
  fix-msi MSI EPOCH NAMESPACE    sets the times wixl took from the clock to EPOCH and the package
                                 code it drew at random to one derived from the package's content

Two wixl 0.101 runs of one source, with every code in the source fixed, differ only in the summary
information: the package code (a new random GUID each run; wixl ignores <Package Id>) and the
creation and last-save times (the clock). fix-msi rewrites these three in place, same sizes, so
nothing else in the file moves.
"""
import hashlib
import os
import shutil
import struct
import sys
import time
import uuid
import zipfile

DOS_EPOCH = 315532800  # 1980-01-01, the earliest time a ZIP entry can hold


def write_zip(out, epoch, topdir, files):
    stamp = time.gmtime(max(epoch, DOS_EPOCH))[:6]
    with zipfile.ZipFile(out + ".tmp", "w") as archive:
        for path in files:
            entry = zipfile.ZipInfo(f"{topdir}/{os.path.basename(path)}", stamp)
            entry.create_system = 0  # MS-DOS: no Unix owner or mode in the entry
            entry.external_attr = 0
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    os.replace(out + ".tmp", out)


def stage(directory, epoch, files):
    os.makedirs(directory, exist_ok=True)
    for path in files:
        target = os.path.join(directory, os.path.basename(path))
        shutil.copyfile(path, target)
        os.utime(target, (epoch, epoch))


# Summary information properties (MS-OLEPS property set) that wixl fills from the clock and at random.
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64


def property_offsets(stream):
    """Offsets in the stream of each property's value (after its type), by property id."""
    (section,) = struct.unpack_from("<I", stream, 44)  # first section's offset, after the FMTID
    _, count = struct.unpack_from("<II", stream, section)
    offsets = {}
    for index in range(count):
        pid, offset = struct.unpack_from("<II", stream, section + 8 + 8 * index)
        (kind,) = struct.unpack_from("<H", stream, section + offset)
        offsets[pid] = (kind, section + offset + 4)
    return offsets


def fix_msi(path, epoch, namespace):
    import olefile  # Debian's python3-olefile; only this step needs it

    name = "\x05SummaryInformation"
    with olefile.OleFileIO(path, write_mode=True) as msi:
        stream = bytearray(msi.openstream(name).read())
        offsets = property_offsets(stream)
        filetime = struct.pack("<Q", (epoch + 11644473600) * 10_000_000)
        for pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM):
            kind, at = offsets[pid]
            if kind != VT_FILETIME:
                sys.exit(f"{path}: summary property {pid} is not a time")
            stream[at:at + 8] = filetime
        kind, at = offsets[PID_REVNUMBER]
        (length,) = struct.unpack_from("<I", stream, at)
        if kind != VT_LPSTR or length != 39:  # "{GUID}" and its terminator
            sys.exit(f"{path}: the package code is not a GUID")
        stream[at + 4:at + 42] = b"{00000000-0000-0000-0000-000000000000}"
        msi.write_stream(name, bytes(stream))
    # A package code names one package: derive it from the content, now free of chance and clock.
    with open(path, "rb") as source:
        digest = hashlib.sha256(source.read()).hexdigest()
    code = "{" + str(uuid.uuid5(uuid.UUID(namespace), digest)).upper() + "}"
    stream[at + 4:at + 42] = code.encode("ascii")
    with olefile.OleFileIO(path, write_mode=True) as msi:
        msi.write_stream(name, bytes(stream))


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "zip":
        write_zip(args[0], int(args[1]), args[2], args[3:])
    elif command == "stage":
        stage(args[0], int(args[1]), args[2:])
    elif command == "fix-msi":
        fix_msi(args[0], int(args[1]), args[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
