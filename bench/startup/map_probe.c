// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and measures the time from its start to its first top-level window being mapped
// (no window manager: the map shows as a MapNotify on the root window), and its resident memory at
// that moment. Prints "milliseconds kilobytes" and ends the program.
// Usage: map-probe PROGRAM [ARG...]
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long resident_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kb = -1;
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmRSS:", 6) == 0)
            kb = strtol(line + 6, NULL, 10);
    fclose(f);
    return kb;
}

int main(int argc, char* argv[])
{
    if (argc < 2) {
        fprintf(stderr, "uso: map-probe PROGRAMMA [ARGOMENTI...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map-probe: nessuno schermo X\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                const double elapsed = now_ms() - start;
                const long kb = resident_kb(pid);
                printf("%.1f %ld\n", elapsed, kb);
                kill(pid, SIGKILL);
                waitpid(pid, NULL, 0);
                return 0;
            }
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        struct timeval tv = {10, 0};
        if (select(fd + 1, &fds, NULL, NULL, &tv) <= 0) {
            fprintf(stderr, "map-probe: nessuna finestra in 10 secondi\n");
            kill(pid, SIGKILL);
            return 1;
        }
    }
}
