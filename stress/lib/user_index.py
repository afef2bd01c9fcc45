"""Checks the key index of a pool's user file: when its stamp says it
describes the user file as it is now, every hash must be that of the
record's e-mail key. Exits 1 naming the first wrong one."""
import os
import struct
import sys

RECORD = 1695
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


def main(folder):
    index_path = os.path.join(folder, "ZRP__UserIndex.dat")
    users_path = os.path.join(folder, "ZRPform_user.dat")
    if not os.path.isfile(index_path) or not os.path.isfile(users_path):
        return 0
    index = open(index_path, "rb").read()
    st = os.stat(users_path)
    if len(index) < HEADER.size:
        return 0
    magic, size, mtime, ctime, inode, device, count, _ = HEADER.unpack_from(index)
    if (magic, size, mtime, ctime, inode, device) != (b"ZRPUIX01", st.st_size, st.st_mtime_ns, st.st_ctime_ns,
                                                      st.st_ino, st.st_dev):
        return 0
    users = open(users_path, "rb").read()
    if count != len(users) // RECORD or len(index) != HEADER.size + 4 * count:
        print(f"{index_path}: stamped for the user file but holds {count} hashes for {len(users) // RECORD} records")
        return 1
    for n in range(count):
        stored, = struct.unpack_from("=I", index, HEADER.size + 4 * n)
        if stored != key_hash(users[n * RECORD:n * RECORD + 40]):
            print(f"{index_path}: stamped for the user file but the hash of record {n + 1} is not its e-mail's")
            return 1
    return 0


sys.exit(main(sys.argv[1]))
