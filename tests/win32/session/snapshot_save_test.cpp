#include "bmp_format.h"
#include "owner_only_security.h"
#include "replace_file.h"
#include "save_picture.h"
#include "snapshot_reader.h"
#include "surface.h"
#include "win32_test_support.h"

#include <aclapi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace lumo {
namespace {

std::vector<std::uint8_t> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every pixel its own colour, so a swapped row, a shear or a channel mix-up shows.
COLORREF PatternAt(int x, int y) {
    return RGB((x * 7 + y) & 0xFF, (y * 13 + 5) & 0xFF, (x * 3 + y * 11 + 1) & 0xFF);
}

void FillPattern(Surface& s) {
    for (int y = 0; y < s.HeightPixels(); ++y) {
        for (int x = 0; x < s.WidthPixels(); ++x) {
            ::SetPixelV(s.Dc(), x, y, PatternAt(x, y));
        }
    }
}

class SnapshotSave : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SnapshotSave, WritesWhatTheRendererReadsPixelForPixel) {
    const auto [width, height] = GetParam();
    Surface s;
    s.Resize(width, height);
    FillPattern(s);
    const std::string path = test::ScratchFolder("save") + "\\snap.bmp";
    ASSERT_TRUE(SavePicture(s, path));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));

    const auto bytes = ReadWhole(path);
    const std::uint64_t stride = bmp::RowStride(24, width);
    ASSERT_EQ(bytes.size(), 54 + stride * static_cast<std::uint64_t>(height));
    MemorySource source(bytes.data(), bytes.size());
    const SnapshotImage image = ReadSnapshot(source);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.layout.width, width);
    EXPECT_EQ(image.layout.height, height); // positive: bottom-up
    EXPECT_EQ(image.layout.bitCount, 24);
    ASSERT_EQ(image.layout.pixelBytes, stride * static_cast<std::uint64_t>(height));

    int wrong = 0;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* line = image.pixels + stride * static_cast<std::uint64_t>(row);
        const int y = height - 1 - row; // the first row in the file is the bottom one
        for (int x = 0; x < width; ++x) {
            const COLORREF want = PatternAt(x, y);
            const std::uint8_t* p = line + 3 * x; // blue, green, red
            if (p[0] != GetBValue(want) || p[1] != GetGValue(want) || p[2] != GetRValue(want)) {
                ++wrong;
            }
        }
        for (std::uint64_t pad = 3 * static_cast<std::uint64_t>(width); pad < stride; ++pad) {
            EXPECT_EQ(line[pad], 0) << "padding of row " << row;
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, SnapshotSave,
                         ::testing::Values(std::pair{64, 8}, std::pair{33, 7}, std::pair{1, 1},
                                           std::pair{1366, 3}, std::pair{2, 5}));

std::vector<std::uint8_t> AccountSid() {
    HANDLE token = nullptr;
    EXPECT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token));
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<std::uint8_t> user(size);
    EXPECT_TRUE(::GetTokenInformation(token, TokenUser, user.data(), size, &size));
    ::CloseHandle(token);
    const PSID sid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
    const auto* bytes = static_cast<const std::uint8_t*>(sid);
    return {bytes, bytes + ::GetLengthSid(sid)};
}

// What a list of entries lets through: whether the account has full access, and whether anyone
// but the account and the system itself may open the file.
struct Grants {
    bool account = false;
    bool others = false;
};

Grants GrantsOf(const ACL* dacl) {
    Grants grants;
    std::vector<std::uint8_t> account = AccountSid();
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID system = nullptr;
    EXPECT_TRUE(::AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0,
                                           &system));
    for (DWORD i = 0; dacl != nullptr && i < dacl->AceCount; ++i) {
        void* entry = nullptr;
        EXPECT_TRUE(::GetAce(const_cast<ACL*>(dacl), i, &entry));
        const auto* ace = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
        if (ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE) {
            continue;
        }
        PSID sid = const_cast<DWORD*>(&ace->SidStart);
        if (::EqualSid(sid, account.data())) {
            grants.account = (ace->Mask & FILE_ALL_ACCESS) == FILE_ALL_ACCESS;
        } else if (!::EqualSid(sid, system)) {
            grants.others = true;
        }
    }
    ::FreeSid(system);
    return grants;
}

Grants GrantsOfFile(const std::string& path) {
    const std::wstring widePath(path.begin(), path.end()); // the scratch folder's name is ASCII
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    EXPECT_EQ(::GetNamedSecurityInfoW(widePath.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                      nullptr, nullptr, &dacl, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    Grants grants;
    grants.others = dacl == nullptr; // no list at all: everyone may open it
    if (dacl != nullptr) {
        grants = GrantsOf(dacl);
    }
    ::LocalFree(descriptor);
    return grants;
}

// The photo's security, as handed to the system at its creation: protected, so nothing of the
// folder's is inherited, with one entry for the running account.
TEST(SnapshotSave, ThePhotoIsCreatedForTheRunningAccountAlone) {
    OwnerOnlySecurity ownerOnly;
    ASSERT_NE(ownerOnly.Attributes(), nullptr);
    const PSECURITY_DESCRIPTOR descriptor = ownerOnly.Attributes()->lpSecurityDescriptor;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(::GetSecurityDescriptorControl(descriptor, &control, &revision));
    EXPECT_NE(control & SE_DACL_PROTECTED, 0);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    ASSERT_TRUE(::GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
    ASSERT_TRUE(present && dacl != nullptr);
    EXPECT_EQ(dacl->AceCount, 1);
    const Grants grants = GrantsOf(dacl);
    EXPECT_TRUE(grants.account);
    EXPECT_FALSE(grants.others);
}

// The photo as the system reports it after the save, written over an old photo and over a
// leftover temporary that anyone could open (whose own security a careless write would keep).
// Wine reports a file's security from its Unix mode, always with an entry for the system and
// without the protection flag, so the entries are what is checked here. A file written without
// this security, as the settings file is, lets others in: the check tells the two apart.
TEST(SnapshotSave, OnlyTheRunningAccountMayOpenTheSavedPhoto) {
    const std::string folder = test::ScratchFolder("owner");
    const std::string path = folder + "\\snap.bmp";
    const std::string plain = folder + "\\plain.bin";
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(ReplaceFileWith(TemporaryPathFor(path), {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(ReplaceFileWith(plain, {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(GrantsOfFile(TemporaryPathFor(path)).others);

    Surface s;
    s.Resize(4, 2);
    ASSERT_TRUE(SavePicture(s, path));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));
    const Grants photo = GrantsOfFile(path);
    EXPECT_TRUE(photo.account);
    EXPECT_FALSE(photo.others);
    EXPECT_TRUE(GrantsOfFile(plain).others);
}

TEST(SnapshotSaveFailure, AnEmptySurfaceWritesNothingAndKeepsTheOldFile) {
    const std::string path = test::ScratchFolder("empty") + "\\snap.bmp";
    ASSERT_TRUE(ReplaceFileWith(
        path, {std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("old"), 3)}));
    Surface s;
    EXPECT_FALSE(SavePicture(s, path));
    EXPECT_EQ(ReadWhole(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

// What a session finds of an earlier one: a photo made read-only and the temporary of a save cut
// short both go; a folder that takes the photo's name is someone else's and stays.
TEST(SnapshotLeftovers, GoReadOnlyOrNotButAFolderOfTheirNameStays) {
    const std::string folder = test::ScratchFolder("leftover");
    const std::string path = folder + "\\snap.bmp";
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(ReplaceFileWith(TemporaryPathFor(path), {std::span<const std::uint8_t>(old)}));
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    RemoveSnapshot(path);
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));

    ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr));
    RemoveSnapshot(path);
    EXPECT_TRUE(Exists(path));
    ::RemoveDirectoryA(path.c_str());
}

TEST(AtomicReplace, ReplacesTheOldFileWhole) {
    const std::string path = test::ScratchFolder("replace") + "\\file.bin";
    const std::vector<std::uint8_t> first(100000, 0x11);
    const std::vector<std::uint8_t> head{1, 2, 3};
    const std::vector<std::uint8_t> tail{4, 5};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(first)}));
    ASSERT_TRUE(ReplaceFileWith(
        path, {std::span<const std::uint8_t>(head), std::span<const std::uint8_t>(tail)}));
    EXPECT_EQ(ReadWhole(path), (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));
}

TEST(AtomicReplace, AFailedWriteLeavesTheOldFileIntact) {
    const std::string path = test::ScratchFolder("fail") + "\\file.bin";
    const std::vector<std::uint8_t> old{9, 8, 7};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    // The temporary name is taken by a folder: the new bytes cannot be written beside.
    ASSERT_TRUE(::CreateDirectoryA(TemporaryPathFor(path).c_str(), nullptr));
    const std::vector<std::uint8_t> fresh(5000, 0x22);
    EXPECT_FALSE(ReplaceFileWith(path, {std::span<const std::uint8_t>(fresh)}));
    EXPECT_EQ(ReadWhole(path), old);
    ::RemoveDirectoryA(TemporaryPathFor(path).c_str());
}

TEST(AtomicReplace, AMissingFolderFailsWithoutLeavingAnything) {
    const std::string path = test::ScratchFolder("missing") + "\\no such folder\\file.bin";
    const std::vector<std::uint8_t> bytes{1};
    EXPECT_FALSE(ReplaceFileWith(path, {std::span<const std::uint8_t>(bytes)}));
    EXPECT_FALSE(Exists(path));
}

TEST(AtomicReplace, AFailedMoveLeavesTheOldFileAndNoTemporary) {
    const std::string path = test::ScratchFolder("locked") + "\\file.bin";
    const std::vector<std::uint8_t> old{6, 6, 6};
    ASSERT_TRUE(ReplaceFileWith(path, {std::span<const std::uint8_t>(old)}));
    // A reader holding the file without delete sharing: it cannot be replaced under it.
    HANDLE reader = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const std::vector<std::uint8_t> fresh(10, 0x33);
    EXPECT_FALSE(ReplaceFileWith(path, {std::span<const std::uint8_t>(fresh)}));
    ::CloseHandle(reader);
    EXPECT_EQ(ReadWhole(path), old);
    EXPECT_FALSE(Exists(TemporaryPathFor(path)));
}

} // namespace
} // namespace lumo
