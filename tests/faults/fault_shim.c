// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded with LD_PRELOAD, makes the file calls of a save fail as a full disk, a dying device or a
// locked folder would. Read from the environment at every call, so a test can arm and disarm it:
//   QUINTAVIA_FAULT_CALL   open | write | fsync | rename  (nothing set: every call passes)
//   QUINTAVIA_FAULT_ERRNO  ENOSPC | EIO | EACCES
//   QUINTAVIA_FAULT_DIR    only files under this folder are touched
//   QUINTAVIA_FAULT_AFTER  so many matching calls succeed first (default 0)
//   QUINTAVIA_FAULT_SHORT  set: the first failing write writes half its bytes instead, as a disk
//                          filling up does, and only the next one fails
// "open" is an open for writing (reading the old file must keep working); "fsync" covers
// fdatasync; "rename" covers renameat, renameat2 and linkat, every way of giving a file its name.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static char armedAs[PATH_MAX + 64];  // the settings the counters belong to
static long matched;                 // matching calls since the settings last changed
static long injected;                // faults given since the library was loaded
static int halfWritten;              // the short write has been given for these settings

// For a test to see that the faults really happened.
long quintavia_faults_injected(void)
{
    pthread_mutex_lock(&lock);
    const long n = injected;
    pthread_mutex_unlock(&lock);
    return n;
}

static int errnoNamed(const char* name)
{
    if (!name || strcmp(name, "ENOSPC") == 0)
        return ENOSPC;
    if (strcmp(name, "EIO") == 0)
        return EIO;
    if (strcmp(name, "EACCES") == 0)
        return EACCES;
    return atoi(name) > 0 ? atoi(name) : ENOSPC;
}

static int under(const char* path, const char* dir)
{
    const size_t n = strlen(dir);
    return path && strncmp(path, dir, n) == 0 && (path[n] == '/' || path[n] == '\0' || dir[n - 1] == '/');
}

static int fdPath(int fd, char* out, size_t size)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, out, size - 1);
    if (n < 0)
        return 0;
    out[n] = '\0';
    return 1;
}

// The absolute form of `path` as seen from `dirfd`.
static const char* absolutePath(int dirfd, const char* path, char* out, size_t size)
{
    if (!path || path[0] == '/')
        return path;
    char base[PATH_MAX];
    if (dirfd == AT_FDCWD) {
        if (!getcwd(base, sizeof base))
            return path;
    } else if (!fdPath(dirfd, base, sizeof base)) {
        return path;
    }
    snprintf(out, size, "%s/%s", base, path);
    return out;
}

// 0 when the call may go ahead, the errno it must fail with, or -1 for a short write.
static int faultFor(const char* call, const char* path)
{
    const char* wanted = getenv("QUINTAVIA_FAULT_CALL");
    const char* dir = getenv("QUINTAVIA_FAULT_DIR");
    if (!wanted || strcmp(wanted, call) != 0 || !dir || !*dir || !under(path, dir))
        return 0;
    const char* errnoName = getenv("QUINTAVIA_FAULT_ERRNO");
    const char* afterText = getenv("QUINTAVIA_FAULT_AFTER");
    const long after = afterText ? atol(afterText) : 0;
    char settings[sizeof armedAs];
    snprintf(settings, sizeof settings, "%s|%s|%s|%ld", wanted, errnoName ? errnoName : "", dir, after);
    int fault = 0;
    pthread_mutex_lock(&lock);
    if (strcmp(settings, armedAs) != 0) {
        strcpy(armedAs, settings);
        matched = 0;
        halfWritten = 0;
    }
    if (++matched > after) {
        fault = errnoNamed(errnoName);
        ++injected;
        if (getenv("QUINTAVIA_FAULT_SHORT") && strcmp(call, "write") == 0 && !halfWritten) {
            halfWritten = 1;
            fault = -1;
        }
    }
    pthread_mutex_unlock(&lock);
    return fault;
}

static int fdFault(const char* call, int fd)
{
    if (!getenv("QUINTAVIA_FAULT_CALL"))
        return 0;
    char path[PATH_MAX];
    return fdPath(fd, path, sizeof path) ? faultFor(call, path) : 0;
}

static int writesTo(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

static int openFault(int dirfd, const char* path, int flags)
{
    if (!getenv("QUINTAVIA_FAULT_CALL") || !writesTo(flags))
        return 0;
    char full[PATH_MAX * 2];
    return faultFor("open", absolutePath(dirfd, path, full, sizeof full));
}

static int renameFault(int dirfd, const char* path)
{
    if (!getenv("QUINTAVIA_FAULT_CALL"))
        return 0;
    char full[PATH_MAX * 2];
    return faultFor("rename", absolutePath(dirfd, path, full, sizeof full));
}

#define NEXT(name) ((name##_fn)dlsym(RTLD_NEXT, #name))
#define FAIL_WITH(e)                                                                                         \
    do {                                                                                                     \
        errno = (e);                                                                                         \
        return -1;                                                                                           \
    } while (0)

static mode_t modeOf(int flags, va_list args)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? (mode_t)va_arg(args, int) : 0;
}

typedef int (*open_fn)(const char*, int, ...);
typedef int (*openat_fn)(int, const char*, int, ...);
typedef int (*open64_fn)(const char*, int, ...);
typedef int (*openat64_fn)(int, const char*, int, ...);
typedef ssize_t (*write_fn)(int, const void*, size_t);
typedef int (*fsync_fn)(int);
typedef int (*fdatasync_fn)(int);
typedef int (*rename_fn)(const char*, const char*);
typedef int (*renameat_fn)(int, const char*, int, const char*);
typedef int (*renameat2_fn)(int, const char*, int, const char*, unsigned);
typedef int (*linkat_fn)(int, const char*, int, const char*, int);

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    const int e = openFault(AT_FDCWD, path, flags);
    if (e)
        FAIL_WITH(e);
    return NEXT(open)(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    const int e = openFault(AT_FDCWD, path, flags);
    if (e)
        FAIL_WITH(e);
    return NEXT(open64)(path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    const int e = openFault(dirfd, path, flags);
    if (e)
        FAIL_WITH(e);
    return NEXT(openat)(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    const int e = openFault(dirfd, path, flags);
    if (e)
        FAIL_WITH(e);
    return NEXT(openat64)(dirfd, path, flags, mode);
}

ssize_t write(int fd, const void* data, size_t size)
{
    const int e = fdFault("write", fd);
    if (e > 0)
        FAIL_WITH(e);
    return NEXT(write)(fd, data, e < 0 && size > 1 ? size / 2 : size);
}

int fsync(int fd)
{
    const int e = fdFault("fsync", fd);
    if (e)
        FAIL_WITH(e);
    return NEXT(fsync)(fd);
}

int fdatasync(int fd)
{
    const int e = fdFault("fsync", fd);
    if (e)
        FAIL_WITH(e);
    return NEXT(fdatasync)(fd);
}

int rename(const char* from, const char* to)
{
    const int e = renameFault(AT_FDCWD, to);
    if (e)
        FAIL_WITH(e);
    return NEXT(rename)(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    const int e = renameFault(toDir, to);
    if (e)
        FAIL_WITH(e);
    return NEXT(renameat)(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    const int e = renameFault(toDir, to);
    if (e)
        FAIL_WITH(e);
    return NEXT(renameat2)(fromDir, from, toDir, to, flags);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    const int e = renameFault(toDir, to);
    if (e)
        FAIL_WITH(e);
    return NEXT(linkat)(fromDir, from, toDir, to, flags);
}
