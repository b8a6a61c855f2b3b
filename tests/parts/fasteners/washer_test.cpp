// Washers: the ring revolved about x = D/2 and its axial section in lines.
#include "fastener_fixture.h"

#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <gp_Pnt.hxx>

namespace {

struct Washer {
    double D, d, H, s, z;
    // The ring less the rings swept by the two chamfer triangles.
    double volume() const
    {
        return pi / 4 * (D * D - d * d) * H - 2 * pi * (D / 2 - s / 3) * s * s / 2 -
               2 * pi * (d / 2 + z / 3) * z * z / 2;
    }
};

class WasherTest : public FastenerTest {
protected:
    void typeWasher(const Washer& w)
    {
        type("Panel45", {{"Edit57", num(w.D)}, {"Edit58", num(w.d)}, {"Edit59", num(w.H)}, {"Edit60", num(w.s)},
                         {"Edit61", num(w.z)}});
    }
    // The eleven lines of "2D", each from (x1, y1) to (x2, y2).
    static std::vector<std::array<double, 4>> sectionLines(const Washer& w)
    {
        const double l = w.D / 2 - w.d / 2, r = w.D / 2 + w.d / 2, D = w.D, H = w.H, s = w.s, z = w.z;
        return {{0, 0, 0, H - s},     {0, H - s, s, H},     {s, H, D - s, H},     {D - s, H, D, H - s},
                {D, H - s, D, 0},     {D, 0, 0, 0},         {l, 0, l, H - z},     {l, H - z, l - z, H},
                {r, 0, r, H - z},     {r, H - z, r + z, H}, {l, H - z, r, H - z}};
    }
};

} // namespace

TEST_F(WasherTest, ThreeDRevolvesTheChamferedRingAboutItsAxisAtHalfD)
{
    const Washer cases[] = {
        {40, 20, 5, 1, 1.5},
        {40, 20, 5, 0, 0},    // no chamfers
        {30, 0, 4, 1, 2},     // d = 0: a disc with a conical recess on the axis
        {24.5, 13, 2.5, 0.5, 0.25},
    };
    for (const Washer& w : cases) {
        SCOPED_TRACE(w.d);
        clearDrawing();
        typeWasher(w);
        press("Panel45", "BitBtn37");
        auto washer = onlyPart(3);
        EXPECT_NEAR(washer.Volume(), w.volume(), 1e-6 * w.volume());
        expectBox(washer, 0, 0, -w.D / 2, w.D, w.H, w.D / 2, 1e-5);
        EXPECT_TRUE(washer == fields().BodySolid);
        EXPECT_EQ(fields().Dim14, w.D);
        EXPECT_EQ(fields().Dim15, w.d);
        EXPECT_EQ(fields().Dim01, w.H);
        EXPECT_EQ(fields().Dim03, w.s);
        EXPECT_EQ(fields().Dim16, w.z);
    }
}

TEST_F(WasherTest, TwoDDrawsElevenLinesOnTheSectionOfTheSolid)
{
    const Washer cases[] = {{40, 20, 5, 1, 1.5}, {40, 20, 5, 0, 1.5}, {36, 18, 4, 1, 0}};
    for (const Washer& w : cases) {
        SCOPED_TRACE(w.s * 10 + w.z);
        clearDrawing();
        typeWasher(w);
        // "2D" first, then "3D": the order does not matter.
        press("Panel45", "BitBtn99");
        ASSERT_EQ(count(), 11);
        const auto expected = sectionLines(w);
        for (int k = 0; k < 11; ++k) {
            SCOPED_TRACE(k);
            auto line = item(k).as<acad::IAcadLine>();
            EXPECT_EQ(line.get_Lineweight(), 50);
            expectBox(line, std::min(expected[k][0], expected[k][2]), std::min(expected[k][1], expected[k][3]), 0,
                      std::max(expected[k][0], expected[k][2]), std::max(expected[k][1], expected[k][3]), 0, 1e-9);
        }
        press("Panel45", "BitBtn37");
        ASSERT_EQ(count(), 12);
        auto washer = checkedPart(item(11), 3);
        // Every line ends on the outline of the solid's section by z = 0.
        acad::IAcadRegion section = washer.SectionSolid({0, 0, 0}, {77, 0, 0}, {0, 77, 0});
        const double wall = (w.D / 2 - w.d / 2) * w.H - w.s * w.s / 2 - w.z * w.z / 2;
        EXPECT_NEAR(section.Area(), 2 * wall, 1e-9 * wall);
        for (const auto& l : expected)
            for (const gp_Pnt p : {gp_Pnt(l[0], l[1], 0), gp_Pnt(l[2], l[3], 0)}) {
                BRepExtrema_DistShapeShape dist(BRepBuilderAPI_MakeVertex(p).Vertex(), section.entity()->shape());
                ASSERT_TRUE(dist.IsDone());
                EXPECT_NEAR(dist.Value(), 0, 1e-7) << p.X() << ", " << p.Y();
            }
        expectBox(section, 0, 0, 0, w.D, w.H, 0, 1e-6);
        section.Delete();
    }
}

TEST_F(WasherTest, BadTextStopsEitherButtonBeforeItDraws)
{
    // A fresh panel: every edit is empty.
    press("Panel45", "BitBtn37");
    press("Panel45", "BitBtn99");
    EXPECT_EQ(errors, (QStringList{notAFloat(""), notAFloat("")}));
    errors.clear();
    typeWasher({40, 20, 5, 1, 1.5});
    edit("Panel45", "Edit61")->setText(QStringLiteral("1.5мм"));
    press("Panel45", "BitBtn37");
    press("Panel45", "BitBtn99");
    EXPECT_EQ(errors, (QStringList{notAFloat("1.5мм"), notAFloat("1.5мм")}));
    EXPECT_EQ(count(), 0);
}
