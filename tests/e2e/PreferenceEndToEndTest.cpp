#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPoint>
#include <QWidget>
#include <array>
#include <string>

#include "EndToEndTest.h"

namespace {

using vemo_test::ReadWholeFile;

using Rows = std::array<int, 3>;

// The rows the popup widgets show.
Rows ShownRows() {
    Rows rows{-1, -1, -1};
    for (int index = 0; index < 3; ++index) {
        auto* box = FindWidgetAs<QComboBox>("POP1(" + std::to_string(index) + ")");
        if (box) rows[static_cast<std::size_t>(index)] = box->currentIndex();
    }
    return rows;
}

TEST_F(EndToEndTest, ClosingKeepsThePlaceAndTheRowsForTheNextStart) {
    // The window manager moves the frame; the file keeps where the palette's content went.
    QPoint started;
    QPoint moved;
    EXPECT_EQ(RunPalette([&](Window1& palette) {
                  started = palette.Widget()->geometry().topLeft();
                  palette.Widget()->move(150, 95);
                  moved = palette.Widget()->geometry().topLeft();
                  ChooseRow("POP1(0)", 2);
                  ChooseRow("POP1(1)", 3);
                  ChooseRow("POP1(2)", 7);
              }),
              0);
    ASSERT_NE(moved, started) << "the palette did not move";
    const std::string saved =
        std::to_string(moved.x()) + "\n" + std::to_string(moved.y()) + "\n2\n3\n7\n";
    EXPECT_EQ(ReadWholeFile(preferences_.File()), saved);

    QPoint place;
    Rows rows{};
    std::string encoding;
    EXPECT_EQ(RunPalette([&](Window1& palette) {
                  place = palette.Widget()->geometry().topLeft();
                  rows = ShownRows();
                  encoding = palette.POP1(0)->Text();
              }),
              0);
    EXPECT_EQ(place, moved);
    EXPECT_EQ(rows, (Rows{2, 3, 7}));
    EXPECT_EQ(encoding, "ISO-8859-1");
    EXPECT_EQ(ReadWholeFile(preferences_.File()), saved) << "written again as read";
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_THAT(messages_, ::testing::IsEmpty());
}

}  // namespace
