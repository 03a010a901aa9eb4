#pragma once
// The record the settings window hands the system's file chooser (GetOpenFileNameW): one
// filter for MP3 and WAV files, the title "ﾌｧｲﾙを開く", the start folder, no flags, and two
// 255-character buffers. The record and its buffers live together, so the record never points
// at text that has gone.

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <string>

namespace lumo {

// The filter: description and pattern, each NUL-terminated, then an empty string.
inline constexpr char kMusicFileFilter[] =
    "BGM\xCC\xA7\xB2\xD9 (MP3 WAV)\0*.MP3;*.WAV\0"; // BGMﾌｧｲﾙ (MP3 WAV)
inline constexpr char kOpenFileTitle[] = "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD"; // ﾌｧｲﾙを開く
inline constexpr DWORD kFileBufferChars = 255;

class OpenFileRecord {
  public:
    OpenFileRecord(HWND owner, HINSTANCE instance, std::wstring initialFolder);
    OpenFileRecord(const OpenFileRecord&) = delete;
    OpenFileRecord& operator=(const OpenFileRecord&) = delete;

    OPENFILENAMEW& Record() { return record_; }
    // The chosen path: the file buffer up to its first NUL.
    std::wstring ChosenPath() const;

  private:
    std::wstring initialFolder_;
    std::wstring filter_;
    std::wstring title_;
    // One more than the sizes the record gives, so that a full buffer still ends in a NUL.
    std::array<wchar_t, kFileBufferChars + 1> file_{};
    std::array<wchar_t, kFileBufferChars + 1> fileTitle_{};
    OPENFILENAMEW record_{};
};

} // namespace lumo
