#include "file_grants.h"
#include "owner_only_security.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

// The security handed to the system when a file is created: protected, so nothing of the
// folder's is inherited, with one entry for the running account.
TEST(OwnerOnlySecurity, IsForTheRunningAccountAloneAndInheritsNothing) {
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
    const test::Grants grants = test::GrantsOf(dacl);
    EXPECT_TRUE(grants.account);
    EXPECT_FALSE(grants.others);
}

} // namespace
} // namespace lumo
