// A row's values held as one text: each column's value back as it was read.

#include "shell/ui/row_values.h"

#include <gtest/gtest.h>

using shell::RowValues;

namespace {

TEST(RowValues, GiveEachColumnItsValueAndNothingBeyondTheLast) {
    const RowValues values({"NIKON", "", "E990", "写真\x1F一", ""});
    const std::vector<QString> expected{"NIKON", "", "E990", "写真\uFFFD一", ""};
    ASSERT_EQ(values.Values().size(), expected.size());
    for (int column = 0; column < static_cast<int>(expected.size()); ++column) {
        EXPECT_EQ(values.Value(column).toString(), expected[static_cast<std::size_t>(column)]);
        EXPECT_EQ(values.Values()[static_cast<std::size_t>(column)].toString(),
                  expected[static_cast<std::size_t>(column)]);
    }
    EXPECT_TRUE(values.Value(5).isEmpty());
    EXPECT_TRUE(RowValues().Value(0).isEmpty());
    EXPECT_TRUE(RowValues().Values().empty());
}

} // namespace
