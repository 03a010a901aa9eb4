#include "long_path.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(FileFunctionPath, OnlyPathsPastTheClassicLimitTakeTheExtendedForm) {
    const std::wstring deep(300, L'd');
    EXPECT_EQ(FileFunctionPath(L"C:\\a\\b.ini"), L"C:\\a\\b.ini");
    EXPECT_EQ(FileFunctionPath(L"C:\\" + deep), L"\\\\?\\C:\\" + deep);
    EXPECT_EQ(FileFunctionPath(L"\\\\server\\share\\" + deep),
              L"\\\\?\\UNC\\server\\share\\" + deep);
    EXPECT_EQ(FileFunctionPath(L"\\\\?\\C:\\" + deep), L"\\\\?\\C:\\" + deep);
    // A relative path has no extended form: it is left to fail as it would.
    EXPECT_EQ(FileFunctionPath(deep), deep);
    // The limit counts the terminating NUL: 259 characters still pass as they are.
    const std::wstring edge = L"C:\\" + std::wstring(256, L'e');
    EXPECT_EQ(FileFunctionPath(edge), edge);
    EXPECT_EQ(FileFunctionPath(edge + L"e"), L"\\\\?\\" + edge + L"e");
}

} // namespace
} // namespace lumo
