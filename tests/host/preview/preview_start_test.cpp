#include "preview_start.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace lumo {
namespace {

// Records the steps in order and plays the window system's answers.
class FakePreviewHost final : public PreviewHost {
  public:
    bool parentExists = true;
    int parentWidth = 152;
    int parentHeight = 112;
    std::string failingStep; // this step raises an error
    std::vector<std::string> calls;

    bool ParentSize(std::int32_t parent, int& width, int& height) override {
        Record("ParentSize " + std::to_string(parent));
        width = parentWidth;
        height = parentHeight;
        return parentExists;
    }
    void LoadForm() override { Record("LoadForm"); }
    void AddChildStyle() override { Record("AddChildStyle"); }
    void SetParent(std::int32_t parent) override { Record("SetParent " + std::to_string(parent)); }
    void PlaceForm(int w, int h) override {
        Record("PlaceForm " + std::to_string(w) + "x" + std::to_string(h));
    }
    void PlaceImage(int w, int h) override {
        Record("PlaceImage " + std::to_string(w) + "x" + std::to_string(h));
    }
    void ShowForm() override { Record("ShowForm"); }

  private:
    void Record(const std::string& call) {
        calls.push_back(call);
        if (call.rfind(failingStep, 0) == 0 && !failingStep.empty()) {
            throw std::runtime_error(call);
        }
    }
};

TEST(PreviewStart, RunsTheStepsInOrderWithTheParentsSize) {
    FakePreviewHost host;
    host.parentWidth = 200;
    host.parentHeight = 150;
    EXPECT_TRUE(StartPreview(host, 65608));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ParentSize 65608", "LoadForm", "AddChildStyle",
                                                    "SetParent 65608", "PlaceForm 200x150",
                                                    "PlaceImage 200x150", "ShowForm"}));
}

TEST(PreviewStart, AHandleThatNamesNoWindowLoadsNothing) {
    for (std::int32_t handle : {0, 12345, -1}) {
        FakePreviewHost host;
        host.parentExists = false;
        EXPECT_FALSE(StartPreview(host, handle));
        EXPECT_EQ(host.calls, std::vector<std::string>{"ParentSize " + std::to_string(handle)});
    }
    // A failing look-up counts as no window as well.
    FakePreviewHost failing;
    failing.failingStep = "ParentSize";
    EXPECT_FALSE(StartPreview(failing, 7));
    EXPECT_EQ(failing.calls.size(), 1u);
}

TEST(PreviewStart, AFailingStepIsSkippedAndTheRestRun) {
    for (const char* step : {"LoadForm", "AddChildStyle", "SetParent", "PlaceForm", "PlaceImage"}) {
        FakePreviewHost host;
        host.failingStep = step;
        EXPECT_TRUE(StartPreview(host, 1)) << step;
        ASSERT_EQ(host.calls.size(), 7u) << step;
        EXPECT_EQ(host.calls.back(), "ShowForm") << step;
    }
}

TEST(PreviewStart, ANegativeSizeBecomesZero) {
    FakePreviewHost host;
    host.parentWidth = -20;
    host.parentHeight = 30;
    EXPECT_TRUE(StartPreview(host, 1));
    EXPECT_EQ(host.calls[4], "PlaceForm 0x30");
    EXPECT_EQ(host.calls[5], "PlaceImage 0x30");
}

} // namespace
} // namespace lumo
