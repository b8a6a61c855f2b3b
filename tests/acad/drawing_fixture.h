#pragma once
// A fresh drawing for each test, reached as the procedures reach it.
#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "support/drawing_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

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

    acad::TAcadDocument connection;
};
