#!/usr/bin/python3
"""A read-only share of a folder, served by this process over FUSE: stop the process (SIGSTOP)
and every call into the mount waits, as on a network share whose server stopped answering.
Nothing is cached, so the first call after the stop already waits.

    share.py FOLDER MOUNTPOINT
"""
import os
import sys

from fusepy import FUSE, FuseOSError, Operations


class Share(Operations):
    def __init__(self, root):
        self.root = root

    def _path(self, path):
        return os.path.join(self.root, path.lstrip('/'))

    def getattr(self, path, fh=None):
        try:
            st = os.lstat(self._path(path))
        except OSError as error:
            raise FuseOSError(error.errno)
        return {key: getattr(st, key) for key in ('st_atime', 'st_ctime', 'st_gid', 'st_mode', 'st_mtime', 'st_nlink', 'st_size', 'st_uid')}

    def readdir(self, path, fh):
        return ['.', '..'] + os.listdir(self._path(path))

    def open(self, path, flags):
        return os.open(self._path(path), flags)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def release(self, path, fh):
        os.close(fh)


FUSE(Share(sys.argv[1]), sys.argv[2], foreground=True, ro=True, attr_timeout=0, entry_timeout=0, negative_timeout=0)
