// The settings file is anyone's to edit: whatever its bytes, reading never fails, and the values
// written into it are the values read back from the result.
#include "settings.h"
#include "settings_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    (void)lumo::IniValueOf(file, lumo::kIniSection, lumo::kKeyBgmFile);
    for (const std::wstring path : {L"C:\\a b\\x.mp3", L"C:\\Caf\u00E9 \u266A\\\u591C.mp3"}) {
        lumo::BgmSettings settings;
        settings.BgmKind = 2;
        settings.BgmRepeat = 7;
        settings.BgmFile = path;
        const auto written =
            lumo::IniWithValues(file, lumo::kIniSection, lumo::SettingTextsOf(settings));
        if (lumo::IniValueOf(written, lumo::kIniSection, lumo::kKeyBgmFile) != path ||
            lumo::IniValueOf(written, lumo::kIniSection, lumo::kKeyBgmKind) != L"2" ||
            lumo::IniValueOf(written, lumo::kIniSection, lumo::kKeyBgmRepeat) != L"7") {
            std::abort();
        }
    }
    return 0;
}
