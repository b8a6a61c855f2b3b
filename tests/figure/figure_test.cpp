// The whole figure as "3D" draws it from the initial pose.
#include "figure_fixture.h"

namespace {

class WholeFigure : public FigureTest {};

TEST_F(WholeFigure, InitialPoseGivesOneValidBody)
{
    initialPose();
    press("Panel61", "BitBtn57");
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    auto body = item(0).as<acad::IAcad3DSolid>();
    EXPECT_GT(body.Volume(), 0);
}

} // namespace
