#pragma once
// Who may open a file, as its access entries tell: for the files made for the running account
// alone.

#include <windows.h>

#include <aclapi.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumo::test {

inline std::vector<std::uint8_t> AccountSid() {
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

inline Grants GrantsOf(const ACL* dacl) {
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

inline Grants GrantsOfFile(const std::string& path) {
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

} // namespace lumo::test
