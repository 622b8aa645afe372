#include "ui/widgets/ScreenFit.h"

#include <gtest/gtest.h>

TEST(ScreenFit, ARestoredWindowIsBroughtWithinTheScreenHoldingMostOfIt)
{
    const QRect primary(0, 0, 1920, 1050), second(1920, 0, 1280, 1024);
    const QList<QRect> both{primary, second};
    // Mostly on the second screen; that screen unplugged; huge; partly off the left edge.
    EXPECT_EQ(ScreenFit::fit({1800, 100, 800, 600}, both, primary), QRect(1920, 100, 800, 600));
    EXPECT_EQ(ScreenFit::fit({2500, 300, 800, 600}, {primary}, primary),
              QRect(1120, 300, 800, 600));
    EXPECT_EQ(ScreenFit::fit({100, 80, 66666, 66666}, both, primary), primary);
    EXPECT_EQ(ScreenFit::fit({-300, 80, 800, 600}, both, primary), QRect(0, 80, 800, 600));
}
