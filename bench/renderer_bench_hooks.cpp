// The benchmark build's measuring points: start-up steps, snapshot load and frame times, written
// as "name value" lines when the program ends, to the file named by LUMO_BENCH_REPORT (or
// renderer-bench.txt in the working folder); a figure not measured is written as -1. After the
// second frame it also times the system's mipmap builder on the very picture the program loaded,
// into a scratch texture, so that both builders are compared on the same picture in the same
// run. With LUMO_BENCH_DARK_AFTER_S set, the display is reported off that many seconds after the
// first frame, and the CPU time the program takes while it is dark is recorded.
//
// Pacing: from LUMO_BENCH_STEADY_AFTER_S (1 s) after the first frame, each monitor's frames and
// their intervals, and the process's CPU time over the same span, sampled a few times a second on
// the primary's frames so that the sampling costs nothing that counts. LUMO_BENCH_UNPACED=1 turns
// the loop's pacing off: every monitor drawn on every pass, no swap asked to wait.

#include "bench_hooks.h"

#include <windows.h>

#include <psapi.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace lumo::bench {
namespace {

struct Record {
    double frequency = 1.0;
    double entryCount = 0.0;
    double processAgeAtEntry = 0.0; // seconds from process creation to WinMain
    double snapshotRead = -1.0;
    double textureBuild = -1.0;      // the primary's
    double textureStorage = -1.0;    // the primary's
    double otherTextureBuild = -1.0; // the other monitors' together
    std::size_t view = 0;            // whose scene is being set up
    std::vector<bool> textured;      // per monitor
    std::vector<int> framesDrawn;    // per monitor, up to 2
    double firstFrame = -1.0;        // seconds from process creation
    double visibleFrame = -1.0;      // the second frame: the first on which stars shine
    double everyVisibleFrame = -1.0; // the second frame of the last monitor to draw it
    double darkAfter = -1.0;         // seconds after the first frame; -1: never
    bool darkAsked = false;
    double darkSince = -1.0;
    double darkCpuSince = 0.0;
    double darkSeconds = -1.0;
    double darkCpuSeconds = -1.0;
    std::array<double, static_cast<std::size_t>(Step::Count)> steps; // from process creation
    std::shared_ptr<const void> pictureStorage;
    const std::uint8_t* picture = nullptr;
    std::int32_t pictureWidth = 0;
    std::int32_t pictureHeight = 0;
    double systemBuilder = -1.0;
    bool skipNextFrame = false; // the frame that paid for the system builder's run
    std::vector<float> frames;
    bool unpaced = false;
    double steadyAfter = 1.0;
    std::vector<std::uint32_t> refreshHz;        // per monitor
    std::vector<std::vector<double>> frameTimes; // per monitor, from the steady span's start
    std::vector<std::vector<float>> frameSteps;  // per monitor, alike
    double steadyStart = -1.0;
    double steadyEnd = -1.0;
    double steadyCpuStart = 0.0;
    double steadyCpuEnd = 0.0;
};

constexpr std::size_t kSteadyFramesKept = 200'000;
constexpr double kCpuSampleSeconds = 0.25;

Record record = [] {
    Record r;
    r.steps.fill(-1.0); // not reached
    return r;
}();

// Milliseconds of a figure in seconds; one not measured stays -1, never 0 or -1000.
double Ms(double seconds) {
    return seconds < 0.0 ? -1.0 : seconds * 1000.0;
}

double FileTimeSeconds(const FILETIME& t) {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<double>(ticks) / 1e7;
}

double SinceProcessStart() {
    return record.processAgeAtEntry + (Now() - record.entryCount);
}

// User and kernel time of the whole process so far.
double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return 0.0;
    }
    return FileTimeSeconds(kernel) + FileTimeSeconds(user);
}

double Percentile(std::vector<float> values, double p) {
    if (values.empty()) {
        return -1.0;
    }
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return static_cast<double>(values[at]);
}

} // namespace

double Now() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / record.frequency;
}

void OnEntry() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    record.frequency = static_cast<double>(frequency.QuadPart);
    record.entryCount = Now();
    FILETIME created, exited, kernel, user, now;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        GetSystemTimeAsFileTime(&now);
        record.processAgeAtEntry = FileTimeSeconds(now) - FileTimeSeconds(created);
    }
    // Reserved up front so that recording a frame never allocates.
    record.frames.reserve(4'000'000);
    if (const char* dark = std::getenv("LUMO_BENCH_DARK_AFTER_S")) {
        record.darkAfter = std::atof(dark);
    }
    if (const char* steady = std::getenv("LUMO_BENCH_STEADY_AFTER_S")) {
        record.steadyAfter = std::atof(steady);
    }
    const char* unpaced = std::getenv("LUMO_BENCH_UNPACED");
    record.unpaced = unpaced != nullptr && std::atoi(unpaced) == 1;
}

namespace {

// The system's builder as the loader used it: 4-byte row alignment, padded rows. The texture
// bound before is bound again afterwards.
void TimeSystemBuilder() {
    if (record.picture == nullptr) {
        return;
    }
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLuint scratch = 0;
    glGenTextures(1, &scratch);
    glBindTexture(GL_TEXTURE_2D, scratch);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const double start = Now();
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, record.pictureWidth, record.pictureHeight, GL_BGR_EXT,
                      GL_UNSIGNED_BYTE, record.picture);
    record.systemBuilder = Now() - start;
    glDeleteTextures(1, &scratch);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    record.picture = nullptr;
    record.pictureStorage.reset();
}

} // namespace

void Mark(Step step) {
    double& at = record.steps[static_cast<std::size_t>(step)];
    if (at < 0.0) {
        at = SinceProcessStart();
    }
}

void KeepPicture(std::shared_ptr<const void> storage, const std::uint8_t* pixels,
                 std::int32_t width, std::int32_t height) {
    record.pictureStorage = std::move(storage);
    record.picture = pixels;
    record.pictureWidth = width;
    record.pictureHeight = height;
}

void BeginView(std::size_t view) {
    record.view = view;
    if (record.textured.size() <= view) {
        record.textured.resize(view + 1, false);
        record.framesDrawn.resize(view + 1, 0);
        record.refreshHz.resize(view + 1, 0);
        record.frameTimes.resize(view + 1);
        record.frameSteps.resize(view + 1);
        record.frameTimes[view].reserve(kSteadyFramesKept);
        record.frameSteps[view].reserve(kSteadyFramesKept);
    }
}

void OnSnapshotRead(double seconds) {
    record.snapshotRead = seconds;
}

void OnTextureStorage(double seconds) {
    if (record.view == 0) {
        record.textureStorage = seconds;
    }
}

void OnTextureBuilt(double seconds, bool textured) {
    if (record.view == 0) {
        record.textureBuild = seconds;
    } else {
        record.otherTextureBuild = std::max(record.otherTextureBuild, 0.0) + seconds;
    }
    if (record.view < record.textured.size()) {
        record.textured[record.view] = textured;
    }
}

bool WantsDarkDisplay() {
    if (record.darkAfter < 0.0 || record.darkAsked || record.firstFrame < 0.0 ||
        SinceProcessStart() - record.firstFrame < record.darkAfter) {
        return false;
    }
    record.darkAsked = true;
    return true;
}

void OnDisplayRest(bool dark) {
    if (dark) {
        record.darkSince = Now();
        record.darkCpuSince = ProcessCpuSeconds();
    } else if (record.darkSince >= 0.0) {
        record.darkSeconds = std::max(record.darkSeconds, 0.0) + (Now() - record.darkSince);
        record.darkCpuSeconds =
            std::max(record.darkCpuSeconds, 0.0) + (ProcessCpuSeconds() - record.darkCpuSince);
        record.darkSince = -1.0;
    }
}

bool PacingOff() {
    return record.unpaced;
}

void OnRefreshRate(std::size_t view, std::uint32_t hz) {
    if (view < record.refreshHz.size()) {
        record.refreshHz[view] = hz;
    }
}

namespace {

// The steady span: begun on a primary's frame once the start-up has settled, moved on by the
// primary's frames a few times a second, with the process's CPU time at both ends.
void RecordSteadyFrame(std::size_t view, float frameSeconds) {
    const double now = Now();
    if (view == 0 && record.firstFrame >= 0.0) {
        if (record.steadyStart < 0.0 &&
            SinceProcessStart() - record.firstFrame >= record.steadyAfter) {
            record.steadyStart = record.steadyEnd = now;
            record.steadyCpuStart = record.steadyCpuEnd = ProcessCpuSeconds();
            return;
        }
        if (record.steadyStart >= 0.0 && now - record.steadyEnd >= kCpuSampleSeconds) {
            record.steadyEnd = now;
            record.steadyCpuEnd = ProcessCpuSeconds();
        }
    }
    if (record.steadyStart >= 0.0 && view < record.frameTimes.size() &&
        record.frameTimes[view].size() < kSteadyFramesKept) {
        record.frameTimes[view].push_back(now);
        record.frameSteps[view].push_back(frameSeconds);
    }
}

} // namespace

void OnFrameDrawn(std::size_t view, float frameSeconds) {
    RecordSteadyFrame(view, frameSeconds);
    if (view < record.framesDrawn.size() && record.framesDrawn[view] < 2 &&
        ++record.framesDrawn[view] == 2 &&
        std::all_of(record.framesDrawn.begin(), record.framesDrawn.end(),
                    [](int n) { return n == 2; })) {
        record.everyVisibleFrame = SinceProcessStart();
    }
    if (view != 0) {
        // The frame figures are the primary's: each of its frames spans every monitor's draw.
        return;
    }
    if (record.firstFrame < 0.0) {
        record.firstFrame = SinceProcessStart();
    } else if (record.visibleFrame < 0.0) {
        record.visibleFrame = SinceProcessStart();
        // The start-up is measured; the next frame's step, which pays for this, is not counted.
        TimeSystemBuilder();
        record.skipNextFrame = true;
    } else if (record.skipNextFrame) {
        record.skipNextFrame = false;
    } else if (record.frames.size() < record.frames.capacity()) {
        // The first two steps hold the start-up and the load; they are reported above.
        record.frames.push_back(frameSeconds);
    }
}

void OnExit() {
    // A run that ends in the dark (Esc pressed while the display is off) counts up to here.
    OnDisplayRest(false);
    const char* path = std::getenv("LUMO_BENCH_REPORT");
    std::FILE* out = std::fopen(path != nullptr ? path : "renderer-bench.txt", "w");
    if (out == nullptr) {
        return;
    }
    std::fprintf(out, "process_age_at_entry_ms %.3f\n", Ms(record.processAgeAtEntry));
    std::fprintf(out, "first_frame_ms %.3f\n", Ms(record.firstFrame));
    std::fprintf(out, "first_visible_frame_ms %.3f\n", Ms(record.visibleFrame));
    std::fprintf(out, "snapshot_read_ms %.3f\n", Ms(record.snapshotRead));
    std::fprintf(out, "texture_build_ms %.3f\n", Ms(record.textureBuild));
    std::fprintf(out, "texture_storage_ms %.3f\n", Ms(record.textureStorage));
    std::fprintf(out, "system_builder_ms %.3f\n", Ms(record.systemBuilder));
    std::fprintf(out, "first_every_monitor_visible_frame_ms %.3f\n", Ms(record.everyVisibleFrame));
    std::fprintf(out, "other_texture_build_ms %.3f\n", Ms(record.otherTextureBuild));
    // Textured only when every monitor's texture was made.
    const bool textured =
        !record.textured.empty() &&
        std::all_of(record.textured.begin(), record.textured.end(), [](bool t) { return t; });
    std::fprintf(out, "textured %d\n", textured ? 1 : 0);
    std::fprintf(out, "monitors %zu\n", record.textured.size());
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const double peak = GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)
                            ? static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0)
                            : -1.0;
    std::fprintf(out, "peak_working_set_mb %.3f\n", peak);
    std::fprintf(out, "dark_s %.3f\n", record.darkSeconds);
    std::fprintf(out, "dark_cpu_s %.3f\n", record.darkCpuSeconds);
    // The whole run's CPU time, beside which the dark figure can be judged.
    std::fprintf(out, "process_cpu_s %.3f\n", ProcessCpuSeconds());
    constexpr const char* kStepNames[] = {"window_begins", "context_made", "window_shown",
                                          "scene_begins",  "scene_ready",  "frame_issued"};
    static_assert(std::size(kStepNames) == record.steps.size());
    for (std::size_t i = 0; i < record.steps.size(); ++i) {
        std::fprintf(out, "at_%s_ms %.3f\n", kStepNames[i], Ms(record.steps[i]));
    }
    std::fprintf(out, "frames %zu\n", record.frames.size());
    std::fprintf(out, "frame_median_ms %.3f\n", Ms(Percentile(record.frames, 0.5)));
    std::fprintf(out, "frame_p99_ms %.3f\n", Ms(Percentile(record.frames, 0.99)));
    std::fprintf(out, "unpaced %d\n", record.unpaced ? 1 : 0);
    // Pacing, over the steady span; each monitor's figures end in its number (0 the primary).
    const double span = record.steadyEnd - record.steadyStart;
    const bool steady = record.steadyStart >= 0.0 && span > 0.0;
    std::fprintf(out, "steady_s %.3f\n", steady ? span : -1.0);
    std::fprintf(out, "cpu_s_per_min %.3f\n",
                 steady ? (record.steadyCpuEnd - record.steadyCpuStart) / span * 60.0 : -1.0);
    for (std::size_t v = 0; v < record.frameTimes.size(); ++v) {
        std::vector<float> steps;
        for (std::size_t i = 0; i < record.frameTimes[v].size(); ++i) {
            const double t = record.frameTimes[v][i];
            if (t > record.steadyStart && t <= record.steadyEnd) {
                steps.push_back(record.frameSteps[v][i]);
            }
        }
        std::fprintf(out, "refresh_hz_%zu %u\n", v, record.refreshHz[v]);
        std::fprintf(out, "steady_frames_%zu %zu\n", v, steps.size());
        std::fprintf(out, "frames_per_s_%zu %.3f\n", v,
                     steady ? static_cast<double>(steps.size()) / span : -1.0);
        std::fprintf(out, "interval_p50_ms_%zu %.3f\n", v, Ms(Percentile(steps, 0.5)));
        std::fprintf(out, "interval_p99_ms_%zu %.3f\n", v, Ms(Percentile(steps, 0.99)));
        // The interval in which a moment picked at random falls, on average: the sum of the
        // squared intervals over their sum. What a frame costs at a given moment of the
        // animation (how large the stars are) is this over the mean interval, where the loop
        // keeps the processor as busy all the time; see bench/RESULTS-renderer.md.
        double sum = 0.0;
        double squares = 0.0;
        for (const float step : steps) {
            sum += static_cast<double>(step);
            squares += static_cast<double>(step) * static_cast<double>(step);
        }
        std::fprintf(out, "interval_time_weighted_ms_%zu %.3f\n", v,
                     sum > 0.0 ? Ms(squares / sum) : -1.0);
    }
    std::fclose(out);
}

} // namespace lumo::bench
