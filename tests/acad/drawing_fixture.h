#pragma once
// A fresh drawing for each test, reached as the procedures reach it.
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"

#include <gtest/gtest.h>

#include <cmath>

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        acad::server::shutdown();
        acad::server::setReachable(true);
        connection.Connect();
    }
    void TearDown() override { acad::server::shutdown(); }

    acad::IAcadModelSpace ms() { return connection.ModelSpace(); }
    acad::Document& doc() { return *connection.Document().document(); }

    static void expectBox(const acad::IAcadEntity& e, double x0, double y0, double z0, double x1, double y1,
                          double z1, double tol = 1e-6)
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

    acad::TAcadDocument connection;
};
