#include "picture.h"
#include "surface.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumo {
namespace {

// Made by the build with ImageMagick: 152 x 112, left half red, right half blue.
constexpr char kStill[] = LUMO_TEST_JPEG;
// 8 x 6, 24-bit, green.
constexpr wchar_t kMark[] = L"" LUMO_TEST_BMP;

std::vector<char> BytesOf(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

COLORREF PixelOf(const Picture& picture, int x, int y) {
    Surface s;
    s.Resize(picture.WidthPixels(), picture.HeightPixels());
    s.SetScaleMode(ScaleMode::Pixels);
    s.PaintPicture(picture, 0, 0, picture.WidthPixels(), picture.HeightPixels(), 0, 0,
                   picture.WidthPixels(), picture.HeightPixels());
    return ::GetPixel(s.Dc(), x, y);
}

TEST(Picture, DecodesAJpegFileAtItsPixelSize) {
    const Picture still = Picture::Load(L"" LUMO_TEST_JPEG);
    ASSERT_FALSE(still.Empty());
    EXPECT_EQ(still.WidthPixels(), 152);
    EXPECT_EQ(still.HeightPixels(), 112);
    EXPECT_TRUE(test::Near(PixelOf(still, 10, 10), RGB(255, 0, 0)));
    EXPECT_TRUE(test::Near(PixelOf(still, 140, 100), RGB(0, 0, 255)));
}

TEST(Picture, DecodesBytesInMemoryAndBitmaps) {
    const auto bytes = BytesOf(kStill);
    ASSERT_FALSE(bytes.empty());
    const Picture fromMemory = Picture::FromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(fromMemory.WidthPixels(), 152);
    EXPECT_TRUE(test::Near(PixelOf(fromMemory, 140, 10), RGB(0, 0, 255)));

    const Picture mark = Picture::Load(kMark);
    EXPECT_EQ(mark.WidthPixels(), 8);
    EXPECT_EQ(mark.HeightPixels(), 6);
    EXPECT_EQ(PixelOf(mark, 7, 5), RGB(0, 255, 0)); // a bitmap is exact
}

TEST(Picture, LoadsAFileWhosePathCodePage932CannotExpress) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring path = std::wstring(temp) + L"Caf\u00e9 \u266a \u591c.bmp";
    ASSERT_TRUE(::CopyFileW(kMark, path.c_str(), FALSE));
    Picture mark;
    EXPECT_NO_THROW(mark = Picture::Load(path));
    ::DeleteFileW(path.c_str());
    EXPECT_EQ(mark.WidthPixels(), 8);
}

TEST(Picture, RefusesWhatIsNoPicture) {
    EXPECT_THROW(Picture::Load(L"Z:/no/such/picture.jpg"), std::runtime_error);
    const char text[] = "this is not a picture at all";
    EXPECT_THROW(Picture::FromBytes(text, sizeof text), std::runtime_error);
    EXPECT_THROW(Picture::FromBytes(text, 0), std::runtime_error);
    // A JPEG cut short after its header.
    const auto bytes = BytesOf(kStill);
    EXPECT_THROW(Picture::FromBytes(bytes.data(), 20), std::runtime_error);
}

TEST(Picture, CopiesShareThePixelsAndAnEmptyOneDrawsNothing) {
    const Picture mark = Picture::Load(kMark);
    const Picture copy = mark; // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ(copy.Handle(), mark.Handle());
    EXPECT_TRUE(copy == mark);
    Surface s;
    s.SetBackColour(RGB(1, 2, 3));
    s.Resize(4, 4);
    s.Clear();
    Picture().Draw(s.Dc(), 0, 0, 4, 4);
    EXPECT_EQ(::GetPixel(s.Dc(), 2, 2), RGB(1, 2, 3));
}

} // namespace
} // namespace lumo
