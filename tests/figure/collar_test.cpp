// The collar and lips' stretch alone over a small seed head group at the
// head's origin: the turtleneck's collar about the neck and the three lip
// rings, each turned about the neck's axis, moved into place, coloured and
// united into the head group.
#include "figure/assembly.h"
#include "figure/stretches.h"

#include "figure_fixture.h"
#include "support/rings.h"

#include <BRepBndLib.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <Bnd_Box.hxx>
#include <QCheckBox>
#include <TopExp_Explorer.hxx>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

// The lips at the reference height: two thin upper rings 2.5 either side of
// the middle, one thicker lower ring.
const std::vector<Ring> kLips = {{38, 5, -2.5, 75, 92.6}, {38, 5, 2.5, 75, 92.6}, {38, 7, 0, 68, 91}};

// The collar turned from its profile (Pappus): the foot 3 thick to 65, the
// upper part 5 thick to 95, the bead's half disc of radius 2.5 on top, all
// about the axis, their centroids at x = 65.5, 66.5 and 66.5.
const double kCollar = 2 * pi * (3 * 65 * 65.5 + 5 * 30 * 66.5 + pi * 2.5 * 2.5 / 2 * 66.5);
const double kSeed = 4 * pi / 3;

class CollarAndLips : public FigureTest {
protected:
    // The head group stands for what the head's earlier stretches leave: a
    // small ball at the head's origin, inside the collar.
    void draw(const Texts& typed, const Texts& colours = {}, bool boxes = false)
    {
        initialPose();
        type("Panel59", typed);
        type("Panel60", colours);
        control<QCheckBox>("Panel59", "CheckBox1")->setChecked(boxes);
        control<QCheckBox>("Panel59", "CheckBox2")->setChecked(boxes);
        runStretch([&](figure::Assembly& a) {
            fields().GroupSolid = fields().ModelSpace().AddSphere(acad::AcadPoint(0, 0, 0), 1);
            figure::collarAndLips(a);
        });
    }
    const acad::SolidEntity& solid(int k) { return static_cast<const acad::SolidEntity&>(*item(k).entity()); }

    // The solids of the entity by their lowest point, each with the set of
    // its faces' colours.
    struct Lump {
        double low;
        std::set<std::vector<int>> colours;
    };
    std::vector<Lump> lumps(int k)
    {
        std::vector<Lump> found;
        const acad::SolidEntity& s = solid(k);
        for (TopExp_Explorer e(s.shape(), TopAbs_SOLID); e.More(); e.Next()) {
            Bnd_Box box;
            BRepBndLib::Add(e.Current(), box);
            double x0, y0, z0, x1, y1, z1;
            box.Get(x0, y0, z0, x1, y1, z1);
            Lump lump{y0, {}};
            for (TopExp_Explorer f(e.Current(), TopAbs_FACE); f.More(); f.Next()) {
                const auto rgb = s.faceColour(f.Current()).rgb();
                lump.colours.insert({rgb[0], rgb[1], rgb[2]});
            }
            found.push_back(lump);
        }
        std::sort(found.begin(), found.end(), [](const Lump& a, const Lump& b) { return a.low < b.low; });
        return found;
    }
};

// Turtleneck and lip colours other than the initial ones.
const std::vector<std::pair<const char*, QString>> kColours = {
    {"Edit290", "10"}, {"Edit209", "20"}, {"Edit289", "30"}, {"Edit292", "40"}, {"Edit204", "50"}, {"Edit291", "60"}};
const std::vector<int> kTurtleneck = {10, 20, 30}, kLipColour = {40, 50, 60};

} // namespace

TEST_F(CollarAndLips, CollarAndThreeRingsJoinTheHeadGroupWhateverTheBoxes)
{
    for (bool boxes : {false, true}) {
        SCOPED_TRACE(boxes ? "hair and helmet ticked" : "neither box ticked");
        clearDrawing();
        draw({{"Edit102", num(1755.5)}}, kColours, boxes);
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        ASSERT_EQ(count(), 1);
        auto group = checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
        // Across and behind, the collar's outside (69); below, its foot at
        // -65; above, the upper rings' tops (75 + 5); in front, the lower
        // ring's front arc (91 + 38 + 7) just beyond the upper ones' (92.6 + 43).
        expectBox(group, -69, -65, -69, 69, 80, 91 + 38 + 7);
        // The collar clear of the lips and of the seed inside it: three solids.
        const double expected = kSeed + kCollar + ringsVolume(kLips);
        EXPECT_NEAR(group.Volume(), expected, 2e-5 * expected);
        const std::vector<Lump> found = lumps(0);
        ASSERT_EQ(found.size(), 3u);
        EXPECT_NEAR(found[0].low, -65, 1e-6);
        EXPECT_EQ(found[0].colours, std::set<std::vector<int>>{kTurtleneck});
        EXPECT_NEAR(found[1].low, -1, 1e-6);
        EXPECT_NEAR(found[2].low, 68 - 7, 1e-6);
        EXPECT_EQ(found[2].colours, std::set<std::vector<int>>{kLipColour});
    }
}

TEST_F(CollarAndLips, UpperRingsFrontPointsLieEitherSideOfTheMiddle)
{
    // In the upper rings' plane y = 75 each front arc's foremost point lies
    // at z = 92.6 + 38 + 5, one at x = -2.5, the other at x = 2.5: just
    // behind it the group holds the point, just before it not. The lower
    // ring's front (at z = 91 + 38 + 7, y = 68) lies lower.
    draw({{"Edit102", num(1755.5)}}, kColours);
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    const TopoDS_Shape& group = solid(0).shape();
    auto state = [&](double x, double y, double z) {
        return BRepClass3d_SolidClassifier(group, gp_Pnt(x, y, z), 1e-7).State();
    };
    const double front = 92.6 + 38 + 5;
    for (double x : {-2.5, 2.5}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(state(x, 75, front - 1e-3), TopAbs_IN);
        EXPECT_EQ(state(x, 75, front + 1e-3), TopAbs_OUT);
    }
    EXPECT_EQ(state(0, 68, 91 + 38 + 7 - 1e-3), TopAbs_IN);
    EXPECT_EQ(state(0, 68, 91 + 38 + 7 + 1e-3), TopAbs_OUT);
}

TEST_F(CollarAndLips, TwiceTheHeightDoublesEveryPiece)
{
    draw({{"Edit102", num(3511)}}, kColours);
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ASSERT_EQ(count(), 1);
    auto group = checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
    expectBox(group, -138, -130, -138, 138, 160, 272);
    const double expected = kSeed + 8 * (kCollar + ringsVolume(kLips));
    EXPECT_NEAR(group.Volume(), expected, 2e-5 * expected);
}

TEST_F(CollarAndLips, BadColourStopsRightAfterThePieceIsMoved)
{
    struct Case {
        const char* edit;
        const char* text;
        double groupVolume;
        double x0, y0, z0, x1, y1, z1; // the piece left apart
        double pieceVolume;
    };
    const double ring = 2 * pi * pi * 38 * 25;
    const Case cases[] = {
        // The turtleneck colour is read after the collar's move: the collar
        // stands apart in its place, the head group untouched.
        {"Edit209", "x", kSeed, -69, -65, -69, 69, 32.5, 69, kCollar},
        // The lip colour after the first ring's move: the collar has joined,
        // the first ring stands apart at (-2.5, 75, 92.6).
        {"Edit291", "1.5", kSeed + kCollar, -2.5 - 43, 70, 92.6 - 43, -2.5 + 43, 80, 92.6 + 43, ring},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        clearDrawing();
        errors.clear();
        Texts colours = kColours;
        colours.push_back({c.edit, QString::fromLatin1(c.text)});
        draw({{"Edit102", num(1755.5)}}, colours);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front(), QStringLiteral("'%1' is not a valid integer value.").arg(c.text));
        ASSERT_EQ(count(), 2);
        auto group = checkedPart(item(0), item(0).as<acad::IAcad3DSolid>().get_color());
        EXPECT_NEAR(group.Volume(), c.groupVolume, 2e-5 * c.groupVolume);
        auto piece = checkedPart(item(1), item(1).as<acad::IAcad3DSolid>().get_color());
        expectBox(piece, c.x0, c.y0, c.z0, c.x1, c.y1, c.z1);
        EXPECT_NEAR(piece.Volume(), c.pieceVolume, 1e-6 * c.pieceVolume);
        // Left uncoloured; what had joined before keeps its colour.
        const std::set<std::vector<int>> pieceColours = lumps(1).front().colours;
        EXPECT_EQ(pieceColours.count(kTurtleneck) + pieceColours.count(kLipColour), 0u);
        const std::vector<Lump> joined = lumps(0);
        ASSERT_EQ(joined.size(), c.groupVolume > kSeed ? 2u : 1u);
        if (joined.size() == 2) {
            EXPECT_EQ(joined.front().colours, std::set<std::vector<int>>{kTurtleneck});
        }
    }
}
