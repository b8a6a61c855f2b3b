// The face's stretch alone, on a stand-in head group as the head leaves it
// at the origin of the head frame (a block behind the face), with the skin
// colour the head converted: the nose, brow, cheeks, chin and mouth in the
// skin, the nostrils and eye openings cut, the eyebrows in the hair colour,
// the eyeballs and pupils in theirs.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"
#include "surface_probe.h"

#include <cmath>
#include <set>
#include <tuple>

namespace {

using Rgb = std::tuple<int, int, int>;

const Rgb kSkin{253, 216, 201}, kHair{16, 29, 45}, kEyeball{202, 252, 252}, kPupil{36, 61, 198};

Rgb rgb(const acad::Colour& c)
{
    return {c.r, c.g, c.b};
}

class Face : public FigureTest {
protected:
    // The face drawn on the stand-in: x −70..70, y 40..240, z −90..110.
    void draw(const Texts& body, const Texts& colours = {}, figure::Rgb headSkin = {253, 216, 201})
    {
        initialPose();
        type("Panel59", body);
        type("Panel60", colours);
        runStretch([&](figure::Assembly& a) {
            const double s = a.s();
            a.headSkin = headSkin;
            fields().GroupSolid = fields().ModelSpace().AddBox(acad::AcadPoint(0, 140 * s, 10 * s), 140 * s, 200 * s,
                                                               200 * s);
            figure::headFace(a);
        });
    }
    const acad::SolidEntity& head() { return static_cast<const acad::SolidEntity&>(*item(0).entity()); }
    Rgb seenFront(double x, double y, double z)
    {
        const auto seen = seenFromFront(head(), x, y);
        if (!seen) {
            ADD_FAILURE() << "nothing at " << x << ", " << y;
            return {};
        }
        EXPECT_NEAR(seen->point.Z(), z, 1e-6) << x << ", " << y;
        return rgb(seen->colour);
    }
    std::set<Rgb> faceColours()
    {
        std::set<Rgb> colours;
        for (TopExp_Explorer e(head().shape(), TopAbs_FACE); e.More(); e.Next())
            colours.insert(rgb(head().faceColour(e.Current())));
        return colours;
    }
};

} // namespace

TEST_F(Face, FaceOnTheHeadGroupInItsColours)
{
    draw({{"Edit102", num(1755.5)}});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
    EXPECT_EQ(solidCount(head()), 1);
    // Sideways the temple balls (38 about x = ±45), down to the chin-ridge
    // balls (15.5 about y = 32.1), forward to the nose tip (12 about z =
    // 145.68); the stand-in for the rest.
    expectBox(item(0), -83, 32.1 - 15.5, -90, 83, 240, 145.68 + 12);
    EXPECT_EQ(rgb(item(0).as<acad::IAcad3DSolid>().get_TrueColor().colour()), kSkin);

    for (double side : {-1.0, 1.0}) {
        SCOPED_TRACE(side);
        // The eyebrow's inner head, 10.9 about (±10, 162.25, 122.5).
        EXPECT_EQ(seenFront(side * 10, 162.25, 133.4), kHair);
        // The pupil's front, 10 before (±42.21, 143, 104).
        EXPECT_EQ(seenFront(side * 42.21, 143, 114), kPupil);
        // Through the eye opening on the outer side of the pupil: the
        // eyeball (24 about (±42.06, 143.66, 88.5)), the eyelid cut away.
        EXPECT_EQ(seenFront(side * 54.06, 144.16, 88.5 + std::sqrt(24 * 24 - 12 * 12 - 0.5 * 0.5)), kEyeball);
        // From below into the nostril: its top at y = 105.
        const auto nostril = firstSeen(head(), gp_Pnt(side * 7, 0, 143), gp_Dir(0, 1, 0));
        ASSERT_TRUE(nostril);
        EXPECT_NEAR(nostril->point.Y(), 105, 1e-6);
        EXPECT_EQ(rgb(nostril->colour), kSkin);
    }
    EXPECT_EQ(seenFront(0, 106.34, 157.68), kSkin); // the nose tip

    // The eyebrow arcs reach out to the temples: the arc's rim (outer
    // radius 47 about x = ±31.5) moved 1.2 towards the middle.
    const Bnd_Box hair = boxOfColour(head(), acad::Colour::fromRgb(16, 29, 45));
    ASSERT_FALSE(hair.IsVoid());
    double x0, y0, z0, x1, y1, z1;
    hair.Get(x0, y0, z0, x1, y1, z1);
    EXPECT_NEAR(x0, -77.3, 1e-4);
    EXPECT_NEAR(x1, 77.3, 1e-4);
    EXPECT_EQ(faceColours(), (std::set<Rgb>{kSkin, kHair, kEyeball, kPupil}));
}

TEST_F(Face, TwiceTheHeightDoublesTheFace)
{
    draw({{"Edit102", num(1755.5)}});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    const double volume = item(0).as<acad::IAcad3DSolid>().Volume();
    clearDrawing();
    draw({{"Edit102", num(3511)}});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    expectBox(item(0), -166, 33.2, -180, 166, 480, 315.36);
    // The thin upper-lip shells unite only to a few parts in 100000.
    EXPECT_NEAR(item(0).as<acad::IAcad3DSolid>().Volume(), 8 * volume, 5e-5 * 8 * volume);
    EXPECT_EQ(seenFront(-84.42, 286, 228), kPupil);
}

TEST_F(Face, SkinIsTheColourTheHeadConverted)
{
    // The skin edits are not read again: a bad text there does no harm.
    draw({{"Edit102", num(1755.5)}}, {{"Edit285", "x"}}, {10, 20, 30});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(seenFront(0, 106.34, 157.68), Rgb(10, 20, 30));
    EXPECT_EQ(seenFront(-10, 162.25, 133.4), kHair);
}

TEST_F(Face, BadColourTextStopsAtItsConversion)
{
    struct Case {
        const char* edit;
        std::set<Rgb> colours; // on the head group when the run stops
    };
    const Case cases[] = {
        {"Edit280", {kSkin}},                   // hair blue: before the right eyebrow
        {"Edit206", {kSkin, kHair}},            // eyeball green: eyebrows and arcs made
        {"Edit293", {kSkin, kHair, kEyeball}},  // pupil blue: eyeballs made
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        clearDrawing();
        errors.clear();
        draw({{"Edit102", num(1755.5)}}, {{c.edit, "1,5"}});
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), QStringLiteral("'1,5' is not a valid integer value."));
        ASSERT_EQ(count(), 1); // nothing left apart from the head group
        EXPECT_EQ(faceColours(), c.colours);
    }
}
