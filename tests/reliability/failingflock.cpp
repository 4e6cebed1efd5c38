// Loaded before the C library into the program under test: every flock fails as on an NFS mount
// without a lock daemon.
#include <cerrno>

extern "C" int flock(int, int)
{
    errno = ENOLCK;
    return -1;
}
