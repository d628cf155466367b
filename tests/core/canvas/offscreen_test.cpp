#include "core/canvas/memory_canvas.h"
#include "core/canvas/offscreen.h"

#include <gtest/gtest.h>

TEST(Offscreen, StaysWithinTheDeviceEvenUnderAHugeClip)
{
    QImage image = CreateBitmap({64, 48}, QImage::Format_BGR888, 254);
    TMemoryCanvas canvas(image, 254);
    const TRect huge(-500000000, -500000000, 500000000, 500000000);
    EXPECT_EQ(OffscreenDeviceRect(canvas, huge, 5), QRect(-5, -5, 74, 58));
    canvas.IntersectClipRect(huge);
    EXPECT_EQ(OffscreenDeviceRect(canvas, huge, 5), QRect(-5, -5, 74, 58));
    canvas.IntersectClipRect({10, 10, 20, 20});
    EXPECT_EQ(OffscreenDeviceRect(canvas, huge, 0), QRect(10, 10, 10, 10));
    const auto offscreen = CreateOffscreen(canvas, huge, QImage::Format_Grayscale8, 5, false);
    ASSERT_TRUE(offscreen);
    EXPECT_EQ(offscreen->Image().size(), QSize(20, 20));
}
