"""Checks the files derived from a pool's user file: when the stamp of the key
index or of the copy of the fields says it describes the user file as it is
now, each entry must be that record's (the hash of its e-mail key, its 195
field bytes). Exits 1 naming the first wrong one."""
import os
import struct
import sys

RECORD = 1695
FIELDS = 195
HEADER = struct.Struct("=8sQqqQQII")


def upper(c):
    if ord("a") <= c <= ord("z") or (0xE0 <= c <= 0xFE and c != 0xF7):
        return c - 32
    return {0x9A: 0x8A, 0x9C: 0x8C, 0x9E: 0x8E, 0xFF: 0x9F}.get(c, c)


def key_hash(field):
    h = 2166136261
    for c in field.strip(b" "):
        h = ((h ^ upper(c)) * 16777619) & 0xFFFFFFFF
    return h


def index_entry(record):
    return struct.pack("=I", key_hash(record[:40]))


def fields_entry(record):
    return record[:FIELDS]


def check(folder, name, magic, width, entry_of):
    path = os.path.join(folder, name)
    users_path = os.path.join(folder, "ZRPform_user.dat")
    if not os.path.isfile(path) or not os.path.isfile(users_path):
        return 0
    data = open(path, "rb").read()
    st = os.stat(users_path)
    if len(data) < HEADER.size:
        return 0
    found, size, mtime, ctime, inode, device, count, _ = HEADER.unpack_from(data)
    if (found, size, mtime, ctime, inode, device) != (magic, st.st_size, st.st_mtime_ns, st.st_ctime_ns,
                                                      st.st_ino, st.st_dev):
        return 0
    users = open(users_path, "rb").read()
    if count != len(users) // RECORD or len(data) != HEADER.size + width * count:
        print(f"{path}: stamped for the user file but holds {count} entries for {len(users) // RECORD} records")
        return 1
    for n in range(count):
        at = HEADER.size + width * n
        if data[at:at + width] != entry_of(users[n * RECORD:(n + 1) * RECORD]):
            print(f"{path}: stamped for the user file but the entry of record {n + 1} is not that record's")
            return 1
    return 0


def main(folder):
    return (check(folder, "ZRP__UserIndex.dat", b"ZRPUIX01", 4, index_entry) or
            check(folder, "ZRP__UserFields.dat", b"ZRPUFD01", FIELDS, fields_entry))


sys.exit(main(sys.argv[1]))
