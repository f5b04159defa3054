#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <string>

#include "EndToEndTest.h"

namespace {

using vemo_test::WriteWholeFile;

// Timer1 ticks once a second; the deadline only keeps a broken watch from hanging the test.
constexpr int kDeadlineMs = 15000;

class WatchEndToEndTest : public EndToEndTest {
  protected:
    // Lets the loop run until the palette is shown (or hidden); false when the deadline passed.
    static bool WaitUntilShown(Window1& palette, bool shown) {
        QWidget& widget = *palette.Widget();
        return QTest::qWaitFor(
            [&] { return widget.isVisible() == shown && palette.Visible() == shown; }, kDeadlineMs);
    }
};

TEST_F(WatchEndToEndTest, ThePaletteHidesAndShowsAsTheFrontApplicationChanges) {
    EXPECT_EQ(RunPalette([this](Window1& palette) {
                  EXPECT_TRUE(palette.Widget()->isVisible()) << "no frontmost file: itself";

                  WriteWholeFile(Host("frontmost"), "Finder\n");
                  EXPECT_TRUE(WaitUntilShown(palette, false)) << "Finder in front";

                  WriteWholeFile(Host("frontmost"), "Illustrator\n");
                  EXPECT_TRUE(WaitUntilShown(palette, true)) << "Illustrator in front";

                  WriteWholeFile(Host("frontmost"), "Adobe Illustrator\n");
                  EXPECT_TRUE(WaitUntilShown(palette, false)) << "another name in front";

                  std::filesystem::remove(Host("frontmost"));
                  EXPECT_TRUE(WaitUntilShown(palette, true)) << "the palette itself in front";
                  EXPECT_TRUE(palette.Timer1()->Running());
              }),
              0);
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_THAT(messages_, ::testing::IsEmpty());
}

}  // namespace
