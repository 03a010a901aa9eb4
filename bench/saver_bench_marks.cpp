// The saver benchmark build's measuring points: the wall-clock time of each session load step,
// with the process's creation time, written as "name seconds" lines (seconds since 1601, the
// system clock shared with every other process) to the file named by LUMO_SAVER_BENCH_REPORT.

#include "bench_marks.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace lumo::bench {
namespace {

double Seconds(const FILETIME& t) {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<double>(ticks) / 1e7;
}

double Now() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return Seconds(now);
}

std::array<double, 5> marks{};

} // namespace

void Mark(SaverMark mark) {
    marks[static_cast<std::size_t>(mark)] = Now();
    if (mark != SaverMark::MusicStarted) {
        return;
    }
    // The load is over: write now, since the program later ends without any clean-up.
    const char* path = std::getenv("LUMO_SAVER_BENCH_REPORT");
    std::FILE* out = std::fopen(path != nullptr ? path : "saver-bench.txt", "w");
    if (out == nullptr) {
        return;
    }
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    std::fprintf(out, "process_created %.6f\n", Seconds(created));
    const char* names[] = {"load_begins", "captured", "snapshot_written", "renderer_started",
                           "music_started"};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        std::fprintf(out, "%s %.6f\n", names[i], marks[i]);
    }
    std::fclose(out);
}

} // namespace lumo::bench
