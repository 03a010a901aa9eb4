// The benchmark build's measuring points: start-up steps, snapshot load and frame times, written
// as "name value" lines when the program ends, to the file named by LUMO_BENCH_REPORT (or
// renderer-bench.txt in the working folder). After the second frame it also times the system's
// mipmap builder on the very picture the program loaded, into a scratch texture, so that both
// builders are compared on the same picture in the same run.

#include "bench_hooks.h"

#include <windows.h>

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
    double textureBuild = -1.0;
    double textureStorage = -1.0;
    bool textured = false;
    double firstFrame = -1.0;   // seconds from process creation
    double visibleFrame = -1.0; // the second frame: the first on which stars shine
    std::array<double, static_cast<std::size_t>(Step::Count)> steps{}; // from process creation
    std::shared_ptr<const void> pictureStorage;
    const std::uint8_t* picture = nullptr;
    std::int32_t pictureWidth = 0;
    std::int32_t pictureHeight = 0;
    double systemBuilder = -1.0;
    bool skipNextFrame = false; // the frame that paid for the system builder's run
    std::vector<float> frames;
};

Record record;

double FileTimeSeconds(const FILETIME& t) {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<double>(ticks) / 1e7;
}

double SinceProcessStart() {
    return record.processAgeAtEntry + (Now() - record.entryCount);
}

double Percentile(std::vector<float> values, double p) {
    if (values.empty()) {
        return 0.0;
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
    if (at == 0.0) {
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

void OnSnapshotRead(double seconds) {
    record.snapshotRead = seconds;
}

void OnTextureStorage(double seconds) {
    record.textureStorage = seconds;
}

void OnTextureBuilt(double seconds, bool textured) {
    record.textureBuild = seconds;
    record.textured = textured;
}

void OnFrameDrawn(float frameSeconds) {
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
    const char* path = std::getenv("LUMO_BENCH_REPORT");
    std::FILE* out = std::fopen(path != nullptr ? path : "renderer-bench.txt", "w");
    if (out == nullptr) {
        return;
    }
    const double ms = 1000.0;
    std::fprintf(out, "process_age_at_entry_ms %.3f\n", record.processAgeAtEntry * ms);
    std::fprintf(out, "first_frame_ms %.3f\n", record.firstFrame * ms);
    std::fprintf(out, "first_visible_frame_ms %.3f\n", record.visibleFrame * ms);
    std::fprintf(out, "snapshot_read_ms %.3f\n", record.snapshotRead * ms);
    std::fprintf(out, "texture_build_ms %.3f\n", record.textureBuild * ms);
    std::fprintf(out, "texture_storage_ms %.3f\n", record.textureStorage * ms);
    std::fprintf(out, "system_builder_ms %.3f\n", record.systemBuilder * ms);
    std::fprintf(out, "textured %d\n", record.textured ? 1 : 0);
    constexpr const char* kStepNames[] = {"window_begins", "context_made", "window_shown",
                                          "scene_begins",  "scene_ready",  "frame_issued"};
    static_assert(std::size(kStepNames) == record.steps.size());
    for (std::size_t i = 0; i < record.steps.size(); ++i) {
        std::fprintf(out, "at_%s_ms %.3f\n", kStepNames[i], record.steps[i] * ms);
    }
    std::fprintf(out, "frames %zu\n", record.frames.size());
    std::fprintf(out, "frame_median_ms %.3f\n", Percentile(record.frames, 0.5) * ms);
    std::fprintf(out, "frame_p99_ms %.3f\n", Percentile(record.frames, 0.99) * ms);
    std::fclose(out);
}

} // namespace lumo::bench
