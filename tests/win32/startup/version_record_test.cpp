// The shipped programs' identity as Windows reads it: the saver's version record, its single
// icon and no string table; the renderer with its manifest alone. Read from dist/.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// The folder with backslashes: the loader does not take forward slashes everywhere.
std::wstring DistFolder() {
    std::wstring folder = LUMO_DIST_DIR;
    for (wchar_t& c : folder) {
        c = c == L'/' ? L'\\' : c;
    }
    return folder;
}
const std::wstring kDist = DistFolder();
// ルモヴェイン, spelt in code points so that no source code page matters.
const std::wstring kName = L"\u30EB\u30E2\u30F4\u30A7\u30A4\u30F3";

std::wstring SaverPath() {
    return kDist + L"\\" + kName + L".scr";
}
std::wstring RendererPath() {
    return kDist + L"\\" + kName + L".dll";
}

class VersionRecord {
  public:
    explicit VersionRecord(const std::wstring& path) {
        DWORD ignored = 0;
        const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
        if (size == 0) {
            return;
        }
        data_.resize(size);
        if (!::GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) {
            data_.clear();
        }
    }
    bool Present() const { return !data_.empty(); }

    const VS_FIXEDFILEINFO* Fixed() const {
        void* value = nullptr;
        UINT length = 0;
        if (!Present() || !::VerQueryValueW(data_.data(), L"\\", &value, &length) ||
            length < sizeof(VS_FIXEDFILEINFO)) {
            return nullptr;
        }
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }

    std::vector<std::uint32_t> Translations() const {
        void* value = nullptr;
        UINT length = 0;
        std::vector<std::uint32_t> out;
        if (Present() &&
            ::VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length)) {
            const auto* pairs = static_cast<const WORD*>(value);
            for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2) {
                out.push_back((static_cast<std::uint32_t>(pairs[i]) << 16) | pairs[i + 1]);
            }
        }
        return out;
    }

    std::wstring Text(const wchar_t* block, const wchar_t* name) const {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
        void* value = nullptr;
        UINT length = 0;
        if (!Present() || !::VerQueryValueW(data_.data(), key.c_str(), &value, &length) ||
            length == 0) {
            return L"<missing>";
        }
        return std::wstring(static_cast<const wchar_t*>(value));
    }

  private:
    std::vector<BYTE> data_;
};

// The program's resources, loaded as data only: nothing of it runs.
class Resources {
  public:
    explicit Resources(const std::wstring& path)
        : module_(::LoadLibraryExW(path.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;
    ~Resources() {
        if (module_ != nullptr) {
            ::FreeLibrary(module_);
        }
    }
    HMODULE Module() const { return module_; }

    std::vector<LPCWSTR> Types() const {
        std::vector<LPCWSTR> out;
        ::EnumResourceTypesW(
            module_,
            [](HMODULE, LPWSTR type, LONG_PTR into) -> BOOL {
                // Named types are not expected here; their names are not kept.
                reinterpret_cast<std::vector<LPCWSTR>*>(into)->push_back(
                    IS_INTRESOURCE(type) ? type : L"named");
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&out));
        return out;
    }

    int Count(LPCWSTR type) const {
        int n = 0;
        ::EnumResourceNamesW(
            module_, type,
            [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) -> BOOL {
                ++*reinterpret_cast<int*>(count);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&n));
        return n;
    }

    std::vector<WORD> Languages(LPCWSTR type, LPCWSTR name) const {
        std::vector<WORD> out;
        ::EnumResourceLanguagesW(
            module_, type, name,
            [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR into) -> BOOL {
                reinterpret_cast<std::vector<WORD>*>(into)->push_back(language);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&out));
        return out;
    }

    // The bytes of the first resource of a type.
    std::vector<BYTE> First(LPCWSTR type) const {
        LPWSTR first = nullptr;
        ::EnumResourceNamesW(
            module_, type,
            [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR into) -> BOOL {
                *reinterpret_cast<LPWSTR*>(into) = name;
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&first));
        const HRSRC found = first != nullptr ? ::FindResourceW(module_, first, type) : nullptr;
        const HGLOBAL loaded = found != nullptr ? ::LoadResource(module_, found) : nullptr;
        const auto* bytes =
            loaded != nullptr ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
        if (bytes == nullptr) {
            return {};
        }
        return {bytes, bytes + ::SizeofResource(module_, found)};
    }

  private:
    HMODULE module_;
};

TEST(VersionRecord, TheSaverIsVersionOnePointZeroInJapanese) {
    const VersionRecord record(SaverPath());
    ASSERT_TRUE(record.Present()) << "no version record in the saver";
    const VS_FIXEDFILEINFO* fixed = record.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u); // no debug or pre-release mark

    // Japanese (0x0411) in Unicode (1200), and only that.
    EXPECT_EQ(record.Translations(), std::vector<std::uint32_t>{0x041104B0u});
    EXPECT_EQ(record.Text(L"041104B0", L"FileVersion"), L"1.00");
    EXPECT_EQ(record.Text(L"041104B0", L"ProductVersion"), L"1.00");
    EXPECT_EQ(record.Text(L"041104B0", L"ProductName"), kName + L" (ScreenSaver)");
    EXPECT_EQ(record.Text(L"041104B0", L"InternalName"), kName);
}

TEST(VersionRecord, TheSaverCarriesOneIconOf32By32AndNoStringTable) {
    const Resources saver(SaverPath());
    ASSERT_NE(saver.Module(), nullptr);
    EXPECT_EQ(saver.Count(MAKEINTRESOURCEW(14)), 1) << "icon groups";  // RT_GROUP_ICON
    EXPECT_EQ(saver.Count(MAKEINTRESOURCEW(3)), 1) << "icon images";   // RT_ICON
    EXPECT_EQ(saver.Count(MAKEINTRESOURCEW(6)), 0) << "string tables"; // RT_STRING
    EXPECT_EQ(saver.Count(MAKEINTRESOURCEW(16)), 1) << "version records";
    EXPECT_EQ(saver.Languages(MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1)),
              std::vector<WORD>{0x0411});

    // The group: a 6-byte header (reserved, type 1, count) and 14-byte entries.
    const std::vector<BYTE> group = saver.First(MAKEINTRESOURCEW(14));
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(group[2] | (group[3] << 8), 1) << "not an icon group";
    EXPECT_EQ(group[4] | (group[5] << 8), 1) << "images in the group";
    EXPECT_EQ(group[6], 32) << "width";
    EXPECT_EQ(group[7], 32) << "height";

    // Windows' own reading of it agrees.
    const HICON icon = static_cast<HICON>(
        ::LoadImageW(saver.Module(), MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP colour{};
    ::GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(icon);
}

// Its one resource is the manifest that declares per-monitor DPI awareness: Wine draws every
// program at its own pixels, so a lost declaration shows nowhere but here.
TEST(VersionRecord, TheRendererCarriesOnlyItsManifestOfPerMonitorDpiAwareness) {
    const LPCWSTR manifestType = MAKEINTRESOURCEW(24); // RT_MANIFEST
    const Resources renderer(RendererPath());
    ASSERT_NE(renderer.Module(), nullptr) << "the renderer is missing from dist/";
    ASSERT_EQ(renderer.Types(), std::vector<LPCWSTR>{manifestType});
    EXPECT_EQ(renderer.Count(manifestType), 1);
    EXPECT_NE(::FindResourceW(renderer.Module(), MAKEINTRESOURCEW(1), manifestType), nullptr)
        << "the manifest is not the one a process is started with";
    const std::vector<BYTE> bytes = renderer.First(manifestType);
    const std::string manifest(bytes.begin(), bytes.end());
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_FALSE(VersionRecord(RendererPath()).Present());
}

} // namespace
