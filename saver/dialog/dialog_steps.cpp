#include "dialog_steps.h"

#include "skip_on_error.h"
#include "track_text.h"
#include "zoom.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace lumo {

namespace {

std::int64_t WholeTwips(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value));
}

// A screen coordinate as a 16-bit zoom origin; one that does not fit fails its statement.
std::int16_t ToZoomCoordinate(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw std::out_of_range("zoom origin beyond 16 bits");
    }
    return static_cast<std::int16_t>(value);
}

} // namespace

DialogPlace PlaceDialog(double screenWidth, double screenHeight, double windowWidth,
                        double windowHeight) {
    // Integer division truncates towards zero, also for a window larger than the screen.
    return DialogPlace{WholeTwips(screenWidth - windowWidth) / 2,
                       WholeTwips(screenHeight - windowHeight) / 3};
}

void SettingsDialogSteps::ShowMarks(int selected) {
    for (int mark = kBgmKindNone; mark <= kBgmKindFile; ++mark) {
        SkipOnError([&] { host_.SetMarkPicture(mark, 0); });
    }
    // A kind without a mark (5, read from the file) fails here and leaves all three unselected.
    SkipOnError([&] { host_.SetMarkPicture(selected, 1); });
}

void SettingsDialogSteps::Form_Load() {
    SkipOnError([&] {
        const DialogPlace place = PlaceDialog(host_.ScreenWidth(), host_.ScreenHeight(),
                                              host_.WindowWidth(), host_.WindowHeight());
        host_.MoveWindow(static_cast<double>(place.left), static_cast<double>(place.top));
    });
    SkipOnError([&] { host_.InitializeCommandButtons(); });
    SkipOnError([&] { host_.SetRepeatEnabled(false); });
    ShowMarks(settings_.BgmKind);
    if (settings_.BgmKind == kBgmKindCd) {
        SkipOnError([&] { host_.SetRepeatEnabled(true); });
    }
    SkipOnError([&] { host_.SetFileButtonEnabled(0, settings_.BgmKind == kBgmKindFile); });
    // The text goes in while the list is still empty: the box takes texts that are no entry.
    SkipOnError([&] { host_.SetRepeatText(FormatTrack(settings_.BgmRepeat)); });
    for (int track = 0; track <= 30; ++track) {
        SkipOnError([&] { host_.AddRepeatItem(FormatTrack(track)); });
    }
    SkipOnError([&] { host_.SetFileCaption(0, settings_.BgmFile); });
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool gotCursor = false;
    SkipOnError([&] {
        apiResult_ = host_.CursorPosition(x, y);
        gotCursor = apiResult_ != 0;
    });
    if (gotCursor) {
        // A coordinate that does not fit leaves its origin as it was; the other still moves.
        SkipOnError([&] { ZoomX = ToZoomCoordinate(x); });
        SkipOnError([&] { ZoomY = ToZoomCoordinate(y); });
    } else {
        ZoomX = 0;
        ZoomY = 0;
    }
    SkipOnError([&] { host_.ZoomOpen(); });
    SkipOnError([&] { host_.SetMousePointer(DialogPointer::Default); });
}

void SettingsDialogSteps::Form_Unload() {
    SkipOnError([&] { host_.ZoomClose(); });
}

void SettingsDialogSteps::SelectBgmKind(int kind) {
    settings_.BgmKind = static_cast<std::int16_t>(kind);
    SkipOnError([&] { host_.SetFileButtonEnabled(0, false); });
    SkipOnError([&] { host_.SetRepeatEnabled(false); });
    ShowMarks(kind);
    if (kind == kBgmKindCd) {
        SkipOnError([&] { host_.SetRepeatEnabled(true); });
    }
    if (kind == kBgmKindFile) {
        SkipOnError([&] { host_.SetFileButtonEnabled(0, true); });
    }
}

void SettingsDialogSteps::Cmd_File_Click(int index) {
    std::wstring path;
    std::int32_t result = 0;
    SkipOnError([&] {
        result = host_.ChooseFile(settings_.BgmFolder, path);
        apiResult_ = result;
    });
    if (result <= 0) {
        return; // cancelled or failed: nothing changes
    }
    SkipOnError([&] { settings_.BgmFile = path; });
    SkipOnError([&] { host_.SetFileCaption(index, settings_.BgmFile); });
    // The chooser opens in that file's folder the next time.
    SkipOnError([&] { settings_.BgmFolder = FolderOf(settings_.BgmFile); });
}

const char* SaveFailureText(SaveOutcome outcome) {
    switch (outcome) {
    case SaveOutcome::FileLocked:
        return kSaveLockedText;
    case SaveOutcome::FileUnreadable:
        return kSaveUnreadableText;
    case SaveOutcome::PathTooLong:
        return kSavePathTooLongText;
    case SaveOutcome::WriteFailed:
        return kSaveWriteFailedText;
    case SaveOutcome::Saved:
    case SaveOutcome::FolderNotWritable:
        break;
    }
    return kSaveFailedText;
}

void SettingsDialogSteps::Cmd_Set_Click() {
    settings_.BgmRepeat = TrackOfText(host_.RepeatText());
    // The three keys go in one write: a folder that refuses it keeps an earlier file whole, and
    // the window stays open with the reason, instead of closing as if the choice were kept.
    const SaveOutcome outcome = host_.WriteSettings(SettingTextsOf(settings_));
    if (outcome != SaveOutcome::Saved) {
        host_.ShowSaveFailure(SaveFailureText(outcome));
        return;
    }
    host_.UnloadForm();
}

void SettingsDialogSteps::Cmd_Can_Click() {
    host_.UnloadForm();
}

void SettingsDialogSteps::lbl_URL_Click() {
    SkipOnError([&] { host_.SetMousePointer(DialogPointer::Wait); });
    SkipOnError([&] { host_.OpenDocument(host_.UrlCaption()); });
    SkipOnError([&] { host_.SetMousePointer(DialogPointer::Default); });
}

} // namespace lumo
