#include "path_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PathField, KeepsAShortPathWhole) {
    lumo::PathField field;
    field.fill('x');
    lumo::CopyPathField(field, "c:\\v_olka\\Lumovane.bmp");
    EXPECT_STREQ(field.data(), "c:\\v_olka\\Lumovane.bmp");
}

TEST(PathField, CutsALongPathInsideTheField) {
    // Bounds are checked by the address sanitizer on the array itself.
    lumo::PathField field;
    const std::string exact(63, 'a');
    lumo::CopyPathField(field, exact.c_str());
    EXPECT_EQ(std::string(field.data()), exact);

    const std::string longer(300, 'b');
    lumo::CopyPathField(field, longer.c_str());
    EXPECT_EQ(std::string(field.data()), std::string(63, 'b'));
    EXPECT_EQ(field[63], '\0');
}

TEST(PathField, NullOrEmptyLeavesAnEmptyName) {
    lumo::PathField field;
    field.fill('x');
    lumo::CopyPathField(field, nullptr);
    EXPECT_EQ(field[0], '\0');
    field.fill('x');
    lumo::CopyPathField(field, "");
    EXPECT_EQ(field[0], '\0');
}

} // namespace
