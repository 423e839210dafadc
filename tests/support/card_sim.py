#!/usr/bin/python3
"""A simulated camera card as a FUSE file system, for tests and benchmarks.

The card keeps its files in memory in front of a physical store of its real size;
file data lives in 4 KiB clusters. Names are case-insensitive and case-keeping, as
on FAT. A test steers the card through its control file "/.PIXACARD", which no
listing shows: each line written to it is a command, reading it gives the calls
the card has seen since the last format, one per line (create, write PATH OFFSET
LENGTH, fsync, flush, release, rename OLD NEW, unlink, mkdir, rmdir, truncate).

  format CAPACITY_MB [REAL_MB]  an empty card reporting CAPACITY_MB; with REAL_MB
                                smaller it is counterfeit: a cluster past the real
                                size lands on cluster % real, so later writes wrap
                                round onto earlier data
  speed WRITE_MBS READ_MBS      the medium's pace (0: unlimited)
  fail-writes-after N           every write after N more bytes fails (EIO)
  vanish-after N                after N more bytes written the card is gone
  vanish / return               the card is gone (every call fails) / back
  flip PATH OFFSET              one bit of the stored file turns (a worn cell)
  flip-write-at N               the byte N bytes from now is stored with one bit turned

Start: /usr/bin/python3 card_sim.py MOUNTPOINT [--capacity MB] [--real MB]
[--write-speed MBS] [--read-speed MBS]; end with fusermount -u MOUNTPOINT.
"""
import argparse
import errno
import os
import stat
import sys
import threading
import time

import fuse

fuse.fuse_python_api = (0, 2)

CLUSTER = 4096


class Node:
    def __init__(self, name, folder):
        self.name = name  # as stored
        self.folder = folder
        self.children = {} if folder else None  # upper-cased name -> Node
        self.size = 0
        self.clusters = []  # logical cluster numbers
        self.mode = (stat.S_IFDIR | 0o755) if folder else (stat.S_IFREG | 0o644)
        self.mtime = time.time()


class Medium:
    """Clusters, the physical store and the medium's pace."""

    def __init__(self, capacity, real, write_speed, read_speed):
        self.total = capacity // CLUSTER
        self.real = max(1, real // CLUSTER)
        self.store = bytearray(self.real * CLUSTER)
        self.free = list(range(self.total - 1, -1, -1))  # lowest number handed out first
        self.write_speed = write_speed
        self.read_speed = read_speed
        self.busy_until = time.monotonic()

    def take(self):
        if not self.free:
            raise OSError(errno.ENOSPC, "card full")
        return self.free.pop()

    def give_back(self, clusters):
        self.free.extend(clusters)
        self.free.sort(reverse=True)

    def physical(self, cluster):
        return (cluster % self.real) * CLUSTER

    def pace(self, size, speed):
        if speed <= 0:
            return
        now = time.monotonic()
        self.busy_until = max(self.busy_until, now) + size / (speed * 1048576.0)
        delay = self.busy_until - now
        if delay > 0:
            time.sleep(delay)


CONTROL = "/.PIXACARD"


class CardFS(fuse.Fuse):
    def __init__(self, options, *args, **kw):
        super().__init__(*args, **kw)
        self.mutex = threading.Lock()
        self.format(options.capacity, options.real)
        self.medium.write_speed, self.medium.read_speed = options.write_speed, options.read_speed

    def format(self, capacity_mb, real_mb=0):
        self.root = Node("", True)
        self.medium = Medium(capacity_mb * 1048576, (real_mb or capacity_mb) * 1048576, 0, 0)
        self.written = 0
        self.fail_after = None  # bytes written from which writes fail
        self.vanish_after = None
        self.flip_at = None  # the written byte that is stored wrong
        self.gone = False
        self.calls = []

    # --- control file ----------------------------------------------------------
    def command(self, line):
        words = line.split()
        if not words:
            return
        verb, args = words[0], words[1:]
        speed = self.medium.write_speed, self.medium.read_speed
        if verb == "format":
            self.format(int(args[0]), int(args[1]) if len(args) > 1 else 0)
            self.medium.write_speed, self.medium.read_speed = speed
        elif verb == "speed":
            self.medium.write_speed, self.medium.read_speed = float(args[0]), float(args[1])
        elif verb == "fail-writes-after":
            self.fail_after = self.written + int(args[0])
        elif verb == "flip-write-at":
            self.flip_at = self.written + int(args[0])
        elif verb == "vanish-after":
            self.vanish_after = self.written + int(args[0])
        elif verb in ("vanish", "return"):
            self.gone = verb == "vanish"
        elif verb == "flip":
            node = self.find(args[0], control=True)
            cluster, inside = divmod(int(args[1]), CLUSTER)
            self.medium.store[self.medium.physical(node.clusters[cluster]) + inside] ^= 0x01
        else:
            raise OSError(errno.EINVAL, line)

    def is_control(self, path):
        return path.upper() == CONTROL

    def control_text(self):
        return ("\n".join(self.calls) + "\n").encode() if self.calls else b""

    # --- helpers -------------------------------------------------------------
    def note(self, *parts):
        self.calls.append(" ".join(str(p) for p in parts))

    def find(self, path, control=False):
        if self.gone and not control:
            raise OSError(errno.EIO, "card gone")
        node = self.root
        for part in [p for p in path.split("/") if p]:
            if not node.folder or part.upper() not in node.children:
                raise OSError(errno.ENOENT, path)
            node = node.children[part.upper()]
        return node

    def parent_and_name(self, path):
        head, name = path.rstrip("/").rsplit("/", 1)
        parent = self.find(head or "/")
        if not parent.folder:
            raise OSError(errno.ENOTDIR, path)
        return parent, name

    def resize(self, node, size):
        need = (size + CLUSTER - 1) // CLUSTER
        while len(node.clusters) < need:
            cluster = self.medium.take()
            start = self.medium.physical(cluster)
            self.medium.store[start:start + CLUSTER] = bytes(CLUSTER)
            node.clusters.append(cluster)
        if len(node.clusters) > need:
            self.medium.give_back(node.clusters[need:])
            del node.clusters[need:]
        node.size = size

    def guarded(self, action):
        try:
            with self.mutex:
                return action()
        except OSError as e:
            return -e.errno

    # --- file system calls ---------------------------------------------------
    def getattr(self, path):
        def run():
            st = fuse.Stat()
            if self.is_control(path):
                st.st_mode, st.st_nlink, st.st_size = stat.S_IFREG | 0o666, 1, len(self.control_text())
                return st
            node = self.find(path)
            st.st_mode = node.mode
            st.st_nlink = 2 if node.folder else 1
            st.st_size = node.size
            st.st_blocks = len(node.clusters) * CLUSTER // 512
            st.st_atime = st.st_mtime = st.st_ctime = int(node.mtime)
            return st
        return self.guarded(run)

    def readdir(self, path, offset):
        with self.mutex:
            try:
                node = self.find(path)
            except OSError:
                return
            names = [".", ".."] + [child.name for child in node.children.values()]
        for name in names:
            yield fuse.Direntry(name)

    def statfs(self):
        st = fuse.StatVfs()
        st.f_bsize = st.f_frsize = CLUSTER
        st.f_blocks = self.medium.total
        st.f_bfree = st.f_bavail = len(self.medium.free)
        st.f_files = 65536
        st.f_ffree = 65536
        st.f_namemax = 255
        return st

    def mknod(self, path, mode, dev):
        return self.create_node(path, False)

    def create(self, path, flags, mode):
        return self.create_node(path, False)

    def mkdir(self, path, mode):
        return self.create_node(path, True)

    def create_node(self, path, folder):
        def run():
            parent, name = self.parent_and_name(path)
            if name.upper() in parent.children:
                raise OSError(errno.EEXIST, path)
            parent.children[name.upper()] = Node(name, folder)
            self.note("mkdir" if folder else "create", path)
            return 0
        return self.guarded(run)

    def open(self, path, flags):
        return 0 if self.is_control(path) else self.guarded(lambda: (self.find(path), 0)[1])

    def read(self, path, size, offset):
        if self.is_control(path):
            with self.mutex:
                return self.control_text()[offset:offset + size]

        def run():
            node = self.find(path)
            end = min(node.size, offset + size)
            out = bytearray()
            position = offset
            while position < end:
                cluster, inside = divmod(position, CLUSTER)
                take = min(CLUSTER - inside, end - position)
                start = self.medium.physical(node.clusters[cluster]) + inside
                out += self.medium.store[start:start + take]
                position += take
            return bytes(out)
        data = self.guarded(run)
        if isinstance(data, bytes):
            self.medium.pace(len(data), self.medium.read_speed)
        return data

    def write(self, path, buf, offset):
        if self.is_control(path):
            def steer():
                for line in bytes(buf).decode().splitlines():
                    self.command(line)
                return len(buf)
            return self.guarded(steer)

        def run():
            node = self.find(path)
            if self.fail_after is not None and self.written >= self.fail_after:
                raise OSError(errno.EIO, "write fault")
            if self.vanish_after is not None and self.written >= self.vanish_after:
                self.gone = True
                raise OSError(errno.EIO, "card gone")
            if offset + len(buf) > node.size:
                self.resize(node, offset + len(buf))
            position = offset
            view = memoryview(buf)
            while view:
                cluster, inside = divmod(position, CLUSTER)
                take = min(CLUSTER - inside, len(view))
                start = self.medium.physical(node.clusters[cluster]) + inside
                self.medium.store[start:start + take] = view[:take]
                view = view[take:]
                position += take
            if self.flip_at is not None and offset <= offset + self.flip_at - self.written < offset + len(buf):
                at = offset + self.flip_at - self.written
                cluster, inside = divmod(at, CLUSTER)
                self.medium.store[self.medium.physical(node.clusters[cluster]) + inside] ^= 0x01
                self.flip_at = None
            node.mtime = time.time()
            self.written += len(buf)
            self.note("write", path, offset, len(buf))
            return len(buf)
        result = self.guarded(run)
        if isinstance(result, int) and result > 0:
            self.medium.pace(result, self.medium.write_speed)
        return result

    def truncate(self, path, size):
        if self.is_control(path):
            return 0

        def run():
            self.resize(self.find(path), size)
            self.note("truncate", path, size)
            return 0
        return self.guarded(run)

    def ftruncate(self, path, size, fh=None):
        return self.truncate(path, size)

    def fsync(self, path, datasync, fh=None):
        return self.guarded(lambda: (self.find(path), self.note("fsync", path), 0)[2])

    def flush(self, path, fh=None):
        if self.is_control(path):
            return 0
        return self.guarded(lambda: (self.find(path), self.note("flush", path), 0)[2])

    def release(self, path, flags, fh=None):
        if not self.is_control(path):
            with self.mutex:
                self.note("release", path)
        return 0

    def unlink(self, path):
        def run():
            parent, name = self.parent_and_name(path)
            node = parent.children.get(name.upper())
            if node is None or node.folder:
                raise OSError(errno.ENOENT if node is None else errno.EISDIR, path)
            self.medium.give_back(node.clusters)
            del parent.children[name.upper()]
            self.note("unlink", path)
            return 0
        return self.guarded(run)

    def rmdir(self, path):
        def run():
            parent, name = self.parent_and_name(path)
            node = parent.children.get(name.upper())
            if node is None or not node.folder:
                raise OSError(errno.ENOENT if node is None else errno.ENOTDIR, path)
            if node.children:
                raise OSError(errno.ENOTEMPTY, path)
            del parent.children[name.upper()]
            self.note("rmdir", path)
            return 0
        return self.guarded(run)

    def rename(self, old, new):
        def run():
            old_parent, old_name = self.parent_and_name(old)
            node = old_parent.children.get(old_name.upper())
            if node is None:
                raise OSError(errno.ENOENT, old)
            new_parent, new_name = self.parent_and_name(new)
            existing = new_parent.children.get(new_name.upper())
            if existing is not None and existing is not node:
                if existing.folder:
                    raise OSError(errno.EISDIR, new)
                self.medium.give_back(existing.clusters)
            del old_parent.children[old_name.upper()]
            node.name = new_name
            new_parent.children[new_name.upper()] = node
            self.note("rename", old, new)
            return 0
        return self.guarded(run)

    def chmod(self, path, mode):
        def run():
            node = self.find(path)
            node.mode = (node.mode & ~0o7777) | (mode & 0o7777)
            return 0
        return self.guarded(run)

    def chown(self, path, uid, gid):
        return 0

    def utime(self, path, times):
        if self.is_control(path):
            return 0
        return self.guarded(lambda: (self.find(path), 0)[1])

    def utimens(self, path, ts_acc, ts_mod):
        if self.is_control(path):
            return 0

        def run():
            node = self.find(path)
            if ts_mod is not None:
                node.mtime = ts_mod.tv_sec + ts_mod.tv_nsec / 1e9
            return 0
        return self.guarded(run)

    def access(self, path, mode):
        if self.is_control(path):
            return 0
        return self.guarded(lambda: (self.find(path), 0)[1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("mountpoint")
    parser.add_argument("--capacity", type=int, default=64)
    parser.add_argument("--real", type=int, default=0)
    parser.add_argument("--write-speed", type=float, default=0)
    parser.add_argument("--read-speed", type=float, default=0)
    options = parser.parse_args()

    server = CardFS(options, version="card_sim", usage=__doc__, dash_s_do="setsingle")
    server.fuse_args.mountpoint = options.mountpoint
    server.fuse_args.add("fsname=pixacard")
    server.fuse_args.add("big_writes")
    server.fuse_args.add("max_write=131072")
    server.fuse_args.setmod("foreground")
    server.multithreaded = False
    server.parse(args=[], errex=1)
    server.main()


if __name__ == "__main__":
    sys.exit(main())
