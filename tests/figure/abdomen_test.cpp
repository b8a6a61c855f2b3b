// The abdomen's stretch alone on a fresh drawing, followed by the final body
// pose and scale: the two tapered blocks, the half cylinder across the hips,
// the bib's straps leaning by the upper trunk's angles and the hip balls, one
// body in the overalls colour but for the half cylinder.
//
// Sizes are worked out in the construction frame (+X the figure's left, +Y
// up, +Z to the front) and carried to the drawing by the final pose at rest:
// (x, y, z) goes to (x, −z, y) times the fixed factor.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"

#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr double kFinal = 0.94933970732973534215;

double deg(double degrees)
{
    return degrees * pi / 180;
}

// How far the blocks' sides stand out per unit of height.
const double kTaper = std::tan(deg(2.5));
// The lower block at its top, 400 up: its ends' reach along X and its
// half-depth along Z.
const double kBlockReach = 185 + 400 * kTaper;
const double kBlockDepth = 100 + 400 * kTaper;
// The strap's top arc (25 degrees over a chord of 30 at y = 96): its radius,
// its centre's height and its crown.
const double kArcRadius = 15 / std::sin(deg(12.5));
const double kArcCentre = 96 - 15 / std::tan(deg(12.5));
const double kCrown = 96 + 15 * std::tan(deg(6.25));

struct Point {
    double x, y, z;
};

// A construction-frame point of a figure of scale s where the final pose puts it.
gp_Pnt finalPoint(const Point& p, double s)
{
    return gp_Pnt(p.x * s * kFinal, -p.z * s * kFinal, p.y * s * kFinal);
}

// The lower block: its stadium's area 2r·170 + πr², the ends' radius r
// growing from 100 by the taper over the height of 400, integrated.
double lowerBlockVolume()
{
    const auto integral = [](double r) { return 170 * r * r + pi * r * r * r / 3; };
    return (integral(kBlockDepth) - integral(100)) / kTaper;
}

// A construction-frame box.
struct Box {
    double x0, y0, z0, x1, y1, z1;
};

// The rest pose's box: the lower block's top sideways and in front, the hip
// balls (109 about (±81, 0, −9)) below and behind, the front strap's crown,
// leaning back by 3.5 degrees over its thickness of 15, on top.
Box restBox()
{
    return {-kBlockReach, -109, -118, kBlockReach, 396 + kCrown * std::cos(deg(3.5)) + 15 * std::sin(deg(3.5)),
            kBlockDepth};
}

class Abdomen : public FigureTest {
protected:
    // The initial pose with the texts typed over it, then the stretch and
    // the final pose and scale.
    void draw(const Texts& body, const Texts& colours = {})
    {
        errors.clear();
        initialPose();
        type("Panel59", body);
        type("Panel60", colours);
        runStretch([&](figure::Assembly& a) {
            figure::abdomenAndPelvis(a);
            figure::finalPose(a);
        });
    }
    acad::IAcad3DSolid body()
    {
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front().toStdString());
        EXPECT_EQ(count(), 1);
        return checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
    }
    const acad::SolidEntity& entity(int k) { return static_cast<const acad::SolidEntity&>(*item(k).entity()); }

    // The drawn solid's box is the construction-frame box at scale s, posed.
    void expectFinalBox(const acad::IAcad3DSolid& solid, const Box& b, double s)
    {
        const gp_Pnt lo = finalPoint({b.x0, b.y0, b.z1}, s), hi = finalPoint({b.x1, b.y1, b.z0}, s);
        expectBox(solid, lo.X(), lo.Y(), lo.Z(), hi.X(), hi.Y(), hi.Z());
    }
};

// The face of the shape through the point, if one passes within 1e-6.
std::optional<TopoDS_Shape> faceAt(const TopoDS_Shape& shape, const gp_Pnt& p)
{
    const TopoDS_Shape vertex = BRepBuilderAPI_MakeVertex(p).Vertex();
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
        BRepExtrema_DistShapeShape distance(vertex, e.Current());
        if (distance.IsDone() && distance.Value() < 1e-6)
            return e.Current();
    }
    return std::nullopt;
}

// A point on a visible face of each piece.
struct Probe {
    const char* piece;
    Point point;
    bool overalls; // false: no colour of its own
};

std::vector<Probe> probes()
{
    const double c = std::cos(deg(3.5)), sn = std::sin(deg(3.5));
    return {
        // The upper block lies wholly within the lower one: its ends (84.2
        // about x = ±101) never reach the lower block's (100 about x = ±85)
        // at any height, so it shows no face.
        {"lower block's right end", {-(185 + 200 * kTaper), 200, 0}, true},
        {"lower block's left end", {185 + 300 * kTaper, 300, 0}, true},
        {"front strap's front", {0, 396 + 50 * c + 15 * sn, 100 - 50 * sn + 15 * c}, true},
        {"back strap's back", {0, 396 + 50 * c, -116 + 50 * sn}, true},
        {"right hip ball", {-81, -109, -9}, true},
        {"left hip ball", {81, -109, -9}, true},
        // Radius 101 stands out of the block's 100 just above the hips.
        {"half cylinder's strip", {0, 5, std::sqrt(101.0 * 101 - 25)}, false},
    };
}

} // namespace

TEST_F(Abdomen, RestPoseIsOneSolidStandingOnItsHips)
{
    draw({});
    auto solid = body();
    expectFinalBox(solid, restBox(), 1);

    // At least the lower block (its stadium, ends of radius r growing with
    // the taper, integrated over its height) and the hip balls below the
    // hips, where nothing else reaches; at most every piece but the upper
    // block, which lies within the lower one.
    const double lower = lowerBlockVolume();
    const double ball = 4 * pi / 3 * 109 * 109 * 109;
    const double lens = pi * (4 * 109 + 162) * (2 * 109 - 162) * (2 * 109 - 162) / 12; // balls 162 apart
    const double balls = 2 * ball - lens;
    const double halfCylinder = pi * 101 * 101 / 2 * 170;
    const double segment = kArcRadius * kArcRadius / 2 * (deg(25) - std::sin(deg(25)));
    const double strap = 15 * ((20 + 30) / 2.0 * 96 + segment);
    // Each strap above the lower block's top, 4 above its foot: above 5 up
    // its own height whichever way it leans.
    const double strapAbove = 15 * (20 * 91 + 10.0 / 192 * (96 * 96 - 25) + segment);
    const double k3 = kFinal * kFinal * kFinal;
    const double volume = solid.Volume();
    EXPECT_GT(volume, (lower + balls / 2 + 2 * strapAbove) * k3);
    EXPECT_LT(volume, (lower + halfCylinder + balls + 2 * strap) * k3);
}

TEST_F(Abdomen, UpperTrunkAnglesTiltOnlyTheStraps)
{
    // The straps' first turn is by −B6 ± 3.5 degrees about the axis from
    // (77, 0, 0) to the origin: by θ = B6 ∓ 3.5 about +X, so a strap point
    // (x, y, z) goes to (x, y cos θ − z sin θ, y sin θ + z cos θ) about its
    // foot; the second turns it by A6 about +Z.
    struct Case {
        const char* edit;
        double degrees;
        std::function<void(Box&)> change;
    };
    const Case cases[] = {
        {"Edit122", 11,
         [](Box& b) {
             // The front strap leans 7.5 degrees forward, its crown highest
             // and foremost; the back one 14.5 towards the body.
             b.y1 = 396 + kCrown * std::cos(deg(7.5));
             b.z1 = 100 + kCrown * std::sin(deg(7.5)) + 15 * std::cos(deg(7.5));
         }},
        {"Edit122", -11,
         [](Box& b) {
             // The back strap leans 7.5 degrees backwards beyond the hip balls.
             b.y1 = 396 + kCrown * std::cos(deg(7.5)) + 15 * std::sin(deg(7.5));
             b.z0 = -116 - kCrown * std::sin(deg(7.5));
         }},
        {"Edit121", 11,
         [](Box& b) {
             // The tops towards −X: the front strap's arc rises highest 11
             // degrees off its middle, within its ±12.5.
             const double c = std::cos(deg(3.5)) * std::cos(deg(11)), sn = std::sin(deg(11));
             b.y1 = 396 + kArcCentre * c + kArcRadius * std::sqrt(sn * sn + c * c) +
                    15 * std::sin(deg(3.5)) * std::cos(deg(11));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " = " + std::to_string(c.degrees));
        clearDrawing();
        draw({{c.edit, num(c.degrees)}});
        Box expected = restBox();
        c.change(expected);
        expectFinalBox(body(), expected, 1);
    }
}

TEST_F(Abdomen, HeightScalesEveryExtent)
{
    for (double H : {877.75, 3511.0}) {
        SCOPED_TRACE(H);
        clearDrawing();
        draw({{"Edit102", num(H)}});
        expectFinalBox(body(), restBox(), H / 1755.5);
    }
}

TEST_F(Abdomen, EveryPieceButTheHalfCylinderShowsTheOverallsColour)
{
    draw({}, {{"Edit208", "10"}, {"Edit279", "200"}, {"Edit284", "30"}});
    body();
    const acad::SolidEntity& e = entity(0);
    EXPECT_EQ(e.colour, acad::Colour()); // by layer
    const acad::Colour overalls = acad::Colour::fromRgb(10, 200, 30);
    for (const Probe& p : probes()) {
        SCOPED_TRACE(p.piece);
        const auto face = faceAt(e.body.shape(), finalPoint(p.point, 1));
        if (!face) {
            ADD_FAILURE() << "no face there";
            continue;
        }
        // The strip shows the body's own colour: by layer.
        EXPECT_EQ(e.faceColour(*face), p.overalls ? overalls : acad::Colour());
    }

    // The same faces read back from the drawing saved as STEP.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("фигура.step"));
    window.connection.Document().SaveAs(path);
    Handle(TDocStd_Document) read;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", read);
    STEPCAFControl_Reader reader;
    reader.SetColorMode(true);
    ASSERT_EQ(reader.ReadFile(path.toLocal8Bit().constData()), IFSelect_RetDone);
    ASSERT_TRUE(reader.Transfer(read));
    const Handle(XCAFDoc_ColorTool) colours = XCAFDoc_DocumentTool::ColorTool(read->Main());
    TDF_LabelSequence free;
    XCAFDoc_DocumentTool::ShapeTool(read->Main())->GetFreeShapes(free);
    ASSERT_EQ(free.Length(), 1);
    Quantity_Color q;
    EXPECT_FALSE(colours->GetColor(free.First(), XCAFDoc_ColorSurf, q)); // the solid has none of its own
    const TopoDS_Shape shape = XCAFDoc_ShapeTool::GetShape(free.First());
    for (const Probe& p : probes()) {
        SCOPED_TRACE(p.piece);
        const auto face = faceAt(shape, finalPoint(p.point, 1));
        if (!face) {
            ADD_FAILURE() << "no face there";
            continue;
        }
        const bool coloured = colours->GetColor(*face, XCAFDoc_ColorSurf, q);
        EXPECT_EQ(coloured, p.overalls);
        if (coloured) {
            double r, g, b;
            q.Values(r, g, b, Quantity_TOC_sRGB);
            EXPECT_EQ(std::lround(r * 255), 10);
            EXPECT_EQ(std::lround(g * 255), 200);
            EXPECT_EQ(std::lround(b * 255), 30);
        }
    }
}

TEST_F(Abdomen, BadOverallsRedStopsAtTheFirstColouring)
{
    // The two blocks, stood up but uncoloured, beside the half cylinder;
    // neither profile's polyline or region is left.
    struct Case {
        const char* red;
        QString error;
    };
    const Case cases[] = {
        {"abc", QStringLiteral("'abc' is not a valid integer value.")},
        {"300", QStringLiteral("Неверные данные: цвет.")}, // the drawing refuses the component
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.red);
        clearDrawing();
        draw({}, {{"Edit208", c.red}});
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), c.error);
        ASSERT_EQ(count(), 2);
        auto blocks = checkedPart(item(0), 256);
        EXPECT_EQ(entity(0).colour, acad::Colour());
        EXPECT_TRUE(entity(0).body.faceColours().empty());
        expectBox(blocks, -kBlockReach, 0, -kBlockDepth, kBlockReach, 400, kBlockDepth);
        EXPECT_NEAR(blocks.Volume(), lowerBlockVolume(), 1e-3); // the upper block lies within
        auto halfCylinder = checkedPart(item(1), 256);
        expectBox(halfCylinder, -85, 0, -101, 85, 101, 101);
        EXPECT_NEAR(halfCylinder.Volume(), pi * 101 * 101 / 2 * 170, 1e-3);
    }
}
