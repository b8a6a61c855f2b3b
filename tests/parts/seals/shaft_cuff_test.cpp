// The reinforced shaft cuff: one solid of the body, the hollow spring in its
// groove and the insert in its cavity.
#include "seals_fixture.h"

using ShaftCuff = SealsTest;

namespace {

// The section's points as fractions: x = p·h, y = d/2 + q·W.
struct PQ {
    double p, q, bulge;
};

const double bq = std::tan(pi / 8), bu = std::tan(0.5218822442789625), bw = std::tan(0.24308945821777023);

const PQ kBody[] = {
    {0.5, 0.3109, 0},     {0.5, 0.1332, 0},      {0.7186, 0, 0},      {0.9372, 0.2186, 0}, {0.9372, 0.4857, 1},
    {0.8041, 0.4857, -bu}, {0.6173, 0.377, 0},   {0.3381, 0.5356, -bu}, {0.3128, 0.5791, 0}, {0.3128, 0.7, -bq},
    {0.3628, 0.75, 0},    {1, 0.75, 0},          {1, 1, 0},           {0.2074, 1, 0},      {0, 0.7926, 0},
    {0, 0.7676, 0},       {0.0628, 0.7676, 0},   {0.0628, 0.6511, 0}, {0, 0.6511, 0},      {0, 0.6261, 0},
    {0.0628, 0.5633, 0},
};
const PQ kCavity[] = {{0.147, 0.695, 0},  {0.147, 0.823, -bq}, {0.2374, 0.917, 0}, {0.85, 0.917, 0},
                      {0.85, 0.834, 0},   {0.2374, 0.834, bq}, {0.228, 0.825, 0},  {0.228, 0.695, 0},
                      {0.147, 0.695, 0}};
const PQ kInsert[] = {{0.1478, 0.6958, 0}, {0.1478, 0.823, -bq}, {0.2374, 0.916, 0}, {0.8492, 0.916, 0},
                      {0.8492, 0.835, 0},  {0.2374, 0.835, bq},  {0.2278, 0.825, 0}, {0.2278, 0.6958, 0},
                      {0.1478, 0.6958, 0}};

template <std::size_t N>
Outline outline(const PQ (&points)[N], double D, double d, double h)
{
    Outline o;
    for (const PQ& pt : points)
        o.add(pt.p * h, d / 2 + pt.q * (D - d) / 2, pt.bulge);
    return o;
}

// The cuff's volume: body, less what the spring's groove takes of it (the
// sliver between the seat, an arc of 4u about the spring's centre, and the
// groove's tube 0.001·h wider than the spring), plus the hollow spring,
// less the cavity plus the insert.
double cuffVolume(double D, double d, double h, const Outline& body)
{
    const double W = (D - d) / 2, Rs = d / 2 + 0.4857 * W;
    const double theta = 4 * 0.5218822442789625, tube = 0.1255 * h;
    const double sliver = theta * tube * 0.001 * h;
    const double sliverRadius = Rs + tube * (std::cos(theta) - 1) / theta;
    const double spring = 2 * pi * Rs * pi * (std::pow(0.125 * h, 2) - std::pow(0.0678 * h, 2));
    return pappusVolume(body) - 2 * pi * sliverRadius * sliver + spring -
           pappusVolume(outline(kCavity, D, d, h)) + pappusVolume(outline(kInsert, D, d, h));
}

} // namespace

// D = 40, d = 20, h = 10 (W = 10): the lip's edge on the shaft radius 10 at
// x = 7.186; type 2 with h1 = 13 reaches back to x = -3 with its dust lip.
TEST_F(ShaftCuff, EitherTypeIsOneSolidHoldingSpringAndInsertApart)
{
    const double D = 40, d = 20, h = 10, h1 = 13;
    struct Case {
        const char* radio;
        double front; // where the cuff begins along the axis
    };
    for (const Case& k : {Case{"RadioButton13", 0}, Case{"RadioButton14", h - h1}}) {
        SCOPED_TRACE(k.radio);
        clearDrawing();
        check("Panel68", k.radio);
        type("Panel68", {{"Edit125", num(D)}, {"Edit126", num(d)}, {"Edit133", num(h)}, {"Edit134", num(h1)}});
        press("Panel68", "BitBtn63");
        acad::IAcad3DSolid cuff = onlyPart(162);
        EXPECT_EQ(lumps(cuff), 3);
        Outline body = outline(kBody, D, d, h);
        if (k.front < 0) {
            const double W = (D - d) / 2;
            body.add(h - h1, d / 2 + 0.2 * W);
            body.add(h - h1, d / 2 + 0.0964 * W);
            body.add(0.8 * (h - h1), d / 2);
            body.add(0.3761 * h, d / 2 + 0.3109 * W, -bw);
        }
        body.add(body.x.front(), body.y.front());
        const double expected = cuffVolume(D, d, h, body);
        EXPECT_NEAR(cuff.Volume(), expected, 5e-4 * expected);
        expectBox(cuff, k.front, -D / 2, -D / 2, h, D / 2, D / 2, 1e-6);
        EXPECT_TRUE(fields().GroupSolid == cuff);
        EXPECT_EQ(fields().Dim14, D);
        EXPECT_EQ(fields().Dim15, d);
        EXPECT_EQ(fields().Dim01, h);
    }
}

TEST_F(ShaftCuff, BodyScalesWithTheSectionsHeightAndTheWidth)
{
    // Doubling D - d at fixed d and h (D = 40 above): the body follows its
    // proportions.
    for (double D : {60.0}) {
        SCOPED_TRACE(D);
        clearDrawing();
        type("Panel68", {{"Edit125", num(D)}, {"Edit126", num(20)}, {"Edit133", num(10)}, {"Edit134", ""}});
        press("Panel68", "BitBtn63");
        acad::IAcad3DSolid cuff = onlyPart(162);
        Outline body = outline(kBody, D, 20, 10);
        body.add(body.x.front(), body.y.front());
        const double expected = cuffVolume(D, 20, 10, body);
        EXPECT_NEAR(cuff.Volume(), expected, 5e-4 * expected);
    }
}

TEST_F(ShaftCuff, HOneIsReadForTypeTwoOnly)
{
    type("Panel68", {{"Edit125", num(40)}, {"Edit126", num(20)}, {"Edit133", num(10)}, {"Edit134", "h1"}});
    press("Panel68", "BitBtn63");
    onlyPart(162);
    EXPECT_EQ(fields().Dim02, 0);

    clearDrawing();
    check("Panel68", "RadioButton14");
    press("Panel68", "BitBtn63");
    EXPECT_EQ(errors, QStringList{notAFloat("h1")});
    EXPECT_EQ(count(), 0);

    errors.clear();
    type("Panel68", {{"Edit134", num(13)}, {"Edit126", ""}});
    press("Panel68", "BitBtn63");
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(count(), 0);
}
