#pragma once
// Checks of drawn entities shared by the tests of every family.
#include "acad/interfaces.h"

#include <gtest/gtest.h>

// The entity's bounding box is (x0, y0, z0)-(x1, y1, z1) within tol.
inline void expectBox(const acad::IAcadEntity& e, double x0, double y0, double z0, double x1, double y1, double z1,
                      double tol = 1e-6)
{
    acad::AcadPoint lo, hi;
    e.GetBoundingBox(lo, hi);
    EXPECT_NEAR(lo[0], x0, tol);
    EXPECT_NEAR(lo[1], y0, tol);
    EXPECT_NEAR(lo[2], z0, tol);
    EXPECT_NEAR(hi[0], x1, tol);
    EXPECT_NEAR(hi[1], y1, tol);
    EXPECT_NEAR(hi[2], z1, tol);
}
