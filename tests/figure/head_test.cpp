// The head's first stretch alone on a fresh drawing, with the bank as the
// hands leave it (a seed body with the hand group used up in it): the head
// group built about the head frame's origin, coloured with the skin before
// its ears join it.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <TopExp_Explorer.hxx>

#include <cmath>
#include <vector>

namespace {

double rad(double degrees)
{
    return degrees * pi / 180;
}

// The ear's outline: vertices and the bulge of the edge leaving each.
struct Edge {
    double u, v, bulge;
};
const std::vector<Edge> kEar = {
    {0, 0, 0},         {0, 47.8, 0},       {7.97, 60.81, -std::tan(rad(33.215))}, {50.32, 42.55, 0},
    {50.32, 27.17, 0}, {34.37, -6.24, 0},  {19.43, -12.33, -std::tan(rad(38.54))}, {2.92, -9.72, 0},
    {2.92, -3.56, 0}};

// The furthest the outline reaches along (nu, nv): its vertices, or the
// point of an arc where its circle's tangent is square to the direction.
double earReach(double nu, double nv)
{
    double best = -1e300;
    for (std::size_t i = 0; i < kEar.size(); ++i) {
        const Edge& a = kEar[i];
        const Edge& b = kEar[(i + 1) % kEar.size()];
        best = std::max(best, nu * a.u + nv * a.v);
        if (a.bulge == 0)
            continue;
        const double du = b.u - a.u, dv = b.v - a.v, chord = std::hypot(du, dv);
        const double sweep = 4 * std::atan(a.bulge);
        const double radius = chord * (1 + a.bulge * a.bulge) / (4 * std::fabs(a.bulge));
        const double k = (1 - a.bulge * a.bulge) / (4 * a.bulge);
        const double cu = (a.u + b.u) / 2 - k * dv, cv = (a.v + b.v) / 2 + k * du;
        double from = std::atan2(nv, nu) - std::atan2(a.v - cv, a.u - cu);
        from = std::remainder(from, 2 * pi); // within ±π
        const bool onArc = sweep < 0 ? (from <= 0 ? from >= sweep : from - 2 * pi >= sweep)
                                     : (from >= 0 ? from <= sweep : from + 2 * pi <= sweep);
        if (onArc)
            best = std::max(best, nu * cu + nv * cv + radius * std::hypot(nu, nv));
    }
    return best;
}

// The area inside the outline: the polygon and the two arcs' segments.
double earArea()
{
    double area = 0;
    for (std::size_t i = 0; i < kEar.size(); ++i) {
        const Edge& a = kEar[i];
        const Edge& b = kEar[(i + 1) % kEar.size()];
        area += a.u * b.v - b.u * a.v;
    }
    area = std::fabs(area) / 2;
    for (const Edge& a : kEar)
        if (a.bulge != 0) {
            const Edge& b = kEar[(&a - kEar.data() + 1) % kEar.size()];
            const double chord = std::hypot(b.u - a.u, b.v - a.v);
            const double sweep = 4 * std::atan(std::fabs(a.bulge));
            const double radius = chord / (2 * std::sin(sweep / 2));
            area += radius * radius / 2 * (sweep - std::sin(sweep));
        }
    return area;
}

// An ear (or its recess) in its own frame turned by `yaw` about Y and
// `roll` about Z and set at (x, 105, 55): (u, v, w) in the head frame.
struct EarPlace {
    double yaw, roll, x;
    gp_Pnt at(double u, double v, double w) const
    {
        const double x1 = u * std::cos(rad(yaw)) + w * std::sin(rad(yaw));
        const double z1 = -u * std::sin(rad(yaw)) + w * std::cos(rad(yaw));
        return {x1 * std::cos(rad(roll)) - v * std::sin(rad(roll)) + x,
                x1 * std::sin(rad(roll)) + v * std::cos(rad(roll)) + 105, z1 + 55};
    }
};
const EarPlace kRightEar{100, 5, -83}, kLeftEar{80, -5, 73.19}, kRightRecess{100, 5, -93};

// The head group's box at s = 1: the ears sideways (the right ear's outer
// face and the left one's, 10 thick), the crown ball, the neck's foot, the
// back of the cranium and the tips of the cones beside the nose.
struct Box {
    double x0, y0, z0, x1, y1, z1;
};
Box headBox()
{
    const double cr = std::cos(rad(100)) * std::cos(rad(5)), sr = std::sin(rad(5));
    const double cl = std::cos(rad(80)) * std::cos(rad(-5)), sl = std::sin(rad(-5));
    return {-83 - earReach(-cr, sr),
            -55,
            -4.46 - 88,
            73.19 + earReach(cl, -sl) + 10 * std::sin(rad(80)) * std::cos(rad(5)),
            182.2 + 88,
            104.5 + 35 * std::sin(rad(51))};
}

// Volume bounds at s = 1. Below: parts that no other piece reaches and that
// only the recesses cut into: the revolved core, the cranium's top above
// the core and the neck ball's lower half. Above: every piece whole, each
// temple wedge at most its profile's area swept through 15 degrees at 312
// from its axis.
double coreVolume()
{
    const std::vector<std::pair<double, double>> p = {
        {-87.39, 177.97}, {-87.39, 128.39}, {-86.67, 124.42}, {-81.15, 107.58}, {-75.78, 95.6}, {-75, 94.07},
        {-68.73, 83.28},  {-55.46, 62.96},  {-52.95, 58.06},  {-55, 0},         {0, 0},         {0, 177.97}};
    double area2 = 0, moment6 = 0; // twice the area, six times ∫x dA
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto [x0, y0] = p[i];
        const auto [x1, y1] = p[(i + 1) % p.size()];
        const double cross = x0 * y1 - x1 * y0;
        area2 += cross;
        moment6 += (x0 + x1) * cross;
    }
    return 2 * pi * std::fabs(moment6 / 6);
}
double ball(double r)
{
    return 4 * pi * r * r * r / 3;
}
double frustum(double r1, double r2, double length)
{
    return pi * std::fabs(length) / 3 * (r1 * r1 + r1 * r2 + r2 * r2);
}
double lowerVolume()
{
    const double h = 270.2 - 177.97;
    return coreVolume() + pi * h * h * (3 * 88 - h) / 3 + ball(55) / 2 - 2 * 20 * earArea();
}
double upperVolume()
{
    const double chord = std::hypot(79.77 - 66.39, 213.38 - 35.45), arc = 4 * std::atan(0.11327);
    const double r = chord / (2 * std::sin(arc / 2));
    const double wedge = r * r / 2 * (arc - std::sin(arc)) * rad(15) * 312;
    return coreVolume() + ball(55) + 3 * ball(88) + 2 * ball(80) + 12 * ball(49) + 2 * ball(20.5) +
           2 * (frustum(20, 48, 53) + frustum(48, 43.5, 53) + frustum(16, 0, 35) + frustum(20.5, 14.75, 55) +
                frustum(37, 37, 100) + frustum(20, 20, 111.11) + wedge + 10 * earArea());
}

class Head : public FigureTest {
protected:
    // The stretch run on the pose typed over the initial one, after the
    // bank is left as the hands leave it, and some fields holding values
    // the stretch must not read.
    void draw(const Texts& body, const Texts& colours = {})
    {
        initialPose();
        type("Panel59", body);
        type("Panel60", colours);
        runStretch([&](figure::Assembly& a) {
            acad::WorkingFields& f = fields();
            f.BodySolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, 0, 5000), 1);
            f.GroupSolid = f.ModelSpace().AddSphere(acad::AcadPoint(0, 0, 5001), 1);
            f.BodySolid.Boolean(acad::acUnion, f.GroupSolid);
            f.ModeFlag = 1;
            f.Dim21 = 0.3;
            f.Dim14 = f.Dim15 = f.Dim16 = 1000;
            figure::headFirst(a);
            skin = a.headSkin;
        });
    }
    const acad::SolidEntity& head() { return static_cast<const acad::SolidEntity&>(*item(1).entity()); }
    bool inside(const gp_Pnt& p)
    {
        return BRepClass3d_SolidClassifier(head().shape(), p, 1e-7).State() == TopAbs_IN;
    }
    // The colour of the face of the head group through the point.
    acad::Colour colourAt(const gp_Pnt& p)
    {
        const TopoDS_Shape point = BRepBuilderAPI_MakeVertex(p).Vertex();
        for (TopExp_Explorer e(head().shape(), TopAbs_FACE); e.More(); e.Next()) {
            BRepExtrema_DistShapeShape d(point, e.Current());
            if (d.IsDone() && d.Value() < 1e-6)
                return head().faceColour(e.Current());
        }
        ADD_FAILURE() << "no face through " << p.X() << " " << p.Y() << " " << p.Z();
        return {};
    }
    void expectHeadBox(double s, double x0, double x1)
    {
        const Box b = headBox();
        expectBox(item(1), x0 * s, b.y0 * s, b.z0 * s, x1 * s, b.y1 * s, b.z1 * s, 1e-6 * s);
    }

    figure::Rgb skin{};
};

} // namespace

TEST_F(Head, GroupAboutTheHeadFrameInTheSkinColourBeforeTheEars)
{
    draw({{"Edit102", num(1755.5)}}, {{"Edit285", "250"}, {"Edit286", "200"}, {"Edit203", "150"}});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 2);
    const acad::IAcad3DSolid group = checkedPart(item(1), item(1).as<acad::IAcad3DSolid>().get_color());
    expectHeadBox(1, headBox().x0, headBox().x1);
    EXPECT_NEAR(headBox().x0, -95.925, 1e-3); // the ears' reach, about ±96
    const double volume = group.Volume();
    EXPECT_GT(volume, lowerVolume());
    EXPECT_LT(volume, upperVolume());

    // The group carries the skin colour, held for the face; the ears joined
    // afterwards keep the colour they were made with.
    const acad::AcadAcCmColor colour = group.get_TrueColor();
    EXPECT_EQ(colour.Red(), 250);
    EXPECT_EQ(colour.Green(), 200);
    EXPECT_EQ(colour.Blue(), 150);
    EXPECT_EQ(skin.red, 250);
    EXPECT_EQ(skin.green, 200);
    EXPECT_EQ(skin.blue, 150);
    const acad::Colour cheek = colourAt(gp_Pnt(-26, 91, 119)); // the lowest cheek ball's front
    EXPECT_EQ(cheek.kind, acad::Colour::Kind::Rgb);
    EXPECT_EQ(cheek.r, 250);
    EXPECT_EQ(cheek.g, 200);
    EXPECT_EQ(cheek.b, 150);
    EXPECT_EQ(colourAt(kRightEar.at(45, 35, 0)).kind, acad::Colour::Kind::ByLayer);

    // The recess reaches 1.7 further back than the ear: behind the ear's
    // back edge the core is cut away down to the recess's bottom.
    EXPECT_FALSE(inside(kRightRecess.at(49.5, 35, 19)));
    EXPECT_TRUE(inside(kRightRecess.at(49.5, 35, 21))); // the core under it
    EXPECT_TRUE(inside(kRightEar.at(45, 35, 5)));       // the ear beyond the core
    // The hollows sink into each ear's outer face: the upper bowl 4, the
    // deep hollow 8 of the 10, leaving 2 behind it.
    struct Probe {
        const EarPlace* ear;
        double u, v, w;
        bool solid;
    };
    const Probe probes[] = {
        {&kRightEar, 25.5, 42.725, 2, false}, {&kRightEar, 25.5, 42.725, 6, true},
        {&kRightEar, 15, 15, 6, false},       {&kRightEar, 15, 15, 9, true},
        {&kLeftEar, 25.5, 42.725, 8, false},  {&kLeftEar, 25.5, 42.725, 4, true},
        {&kLeftEar, 15, 15, 4, false},        {&kLeftEar, 15, 15, 1, true},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << (p.ear == &kLeftEar ? "left " : "right ") << p.u << " " << p.v << " " << p.w);
        EXPECT_EQ(inside(p.ear->at(p.u, p.v, p.w)), p.solid);
    }

    // Both jaw cylinders are there: points 1 inside their outer sides, 30
    // and 50 from their bases, mirrored.
    for (double sigma : {-1.0, 1.0})
        for (double t : {30.0, 50.0}) {
            const double a = rad(11 * sigma), b = rad(25);
            const gp_Vec d(std::sin(a) * std::cos(b), std::cos(a) * std::cos(b), -std::sin(b));
            gp_Vec out = gp_Vec(sigma, 0, 0) - d * (sigma * d.X());
            out.Normalize();
            const gp_Pnt p = gp_Pnt(34 * sigma, 61, 77).Translated(d * t + out * 36);
            SCOPED_TRACE(testing::Message() << "jaw cylinder " << sigma << " " << t);
            EXPECT_TRUE(inside(p));
        }

    // The bank as the face's stretch finds it: the last rear jaw cylinder's
    // fields, the left ear's move.
    const acad::WorkingFields& f = fields();
    EXPECT_EQ(f.ModeFlag, 0);
    EXPECT_EQ(f.Dim07, 20);
    EXPECT_EQ(f.Dim02, 111.11);
    EXPECT_EQ(f.Dim14, 50);
    EXPECT_EQ(f.Dim21, 0);
    EXPECT_NEAR(f.Dim22, rad(27.71), 1e-15);
    EXPECT_NEAR(f.Dim23, rad(10), 1e-15);
    EXPECT_NEAR(f.AxisDirection[0], 73.19, 1e-12);
    EXPECT_NEAR(f.AxisDirection[1], 105, 1e-12);
}

TEST_F(Head, TwiceTheHeightDoublesTheGroup)
{
    draw({{"Edit102", num(3511)}});
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 2);
    checkedPart(item(1), item(1).as<acad::IAcad3DSolid>().get_color());
    expectHeadBox(2, headBox().x0, headBox().x1);
    const double volume = item(1).as<acad::IAcad3DSolid>().Volume();
    EXPECT_GT(volume, 8 * lowerVolume());
    EXPECT_LT(volume, 8 * upperVolume());
    const gp_Pnt groove = kRightRecess.at(49.5, 35, 19);
    EXPECT_FALSE(inside(gp_Pnt(groove.XYZ() * 2)));
}

TEST_F(Head, BadSkinTextLeavesTheGroupWithoutEarsOrColour)
{
    draw({{"Edit102", num(1755.5)}}, {{"Edit286", "x"}});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), QStringLiteral("'x' is not a valid integer value."));
    ASSERT_EQ(count(), 2);
    checkedPart(item(1), 256);
    // Without the ears the cranium and forehead balls bound it sideways.
    expectHeadBox(1, -88, 88);
    EXPECT_FALSE(inside(kRightEar.at(45, 35, 5)));
}


