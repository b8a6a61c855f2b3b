// The drawing's 2D entities saved as DXF and read back with the library's
// own reader: kinds, coordinates, bulges, colours, lineweights and texts.
#include "acad/dxf.h"

#include "drawing_fixture.h"
#include "support/dxf_read.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

using namespace acad;

namespace {

constexpr double pi = 3.141592653589793;

class Dxf : public DrawingTest {
protected:
    QString path() { return dir.filePath(QStringLiteral("чертеж.dxf")); }
    Read save()
    {
        saved = saveDxf(doc(), path());
        return readBack(path());
    }
    QTemporaryDir dir;
    DxfSaved saved;
};

} // namespace

TEST_F(Dxf, LinesArcsAndCirclesKeepPlaceColourAndLineweight)
{
    IAcadLine line = ms().AddLine(AcadPoint(1.5, -2.25, 3), AcadPoint(12.5, 7, 3));
    line.put_color(3);
    line.put_Lineweight(50);
    IAcadArc arc = ms().AddArc(AcadPoint(10, 20, 5), 7, pi / 6, 2 * pi / 3);
    IAcadCircle circle = ms().AddCircle(AcadPoint(-4, 0, 0), 2.5);
    AcadAcCmColor green = circle.get_TrueColor();
    green.SetRGB(10, 200, 30);
    circle.put_TrueColor(green);

    const Read r = save();
    EXPECT_EQ(saved.written, 3);
    EXPECT_EQ(saved.solids, 0);
    ASSERT_EQ(r.items.size(), 3u);
    EXPECT_EQ(r.items[0].kind, "LINE");
    const std::vector<double> ends{1.5, -2.25, 3, 12.5, 7, 3};
    EXPECT_EQ(r.items[0].values, ends);
    EXPECT_EQ(r.items[0].attributes.getColor(), 3);
    EXPECT_EQ(r.items[0].attributes.getWidth(), 50);
    EXPECT_EQ(r.items[0].attributes.getLayer(), "0");

    EXPECT_EQ(r.items[1].kind, "ARC");
    ASSERT_EQ(r.items[1].values.size(), 6u);
    EXPECT_NEAR(r.items[1].values[0], 10, 1e-12);
    EXPECT_NEAR(r.items[1].values[1], 20, 1e-12);
    EXPECT_NEAR(r.items[1].values[2], 5, 1e-12);
    EXPECT_NEAR(r.items[1].values[3], 7, 1e-12);
    EXPECT_NEAR(r.items[1].values[4], 30, 1e-9);
    EXPECT_NEAR(r.items[1].values[5], 120, 1e-9);
    EXPECT_EQ(r.items[1].attributes.getColor(), 256); // by layer

    EXPECT_EQ(r.items[2].kind, "CIRCLE");
    EXPECT_NEAR(r.items[2].values[3], 2.5, 1e-12);
    EXPECT_EQ(r.items[2].attributes.getColor24(), (10 << 16) | (200 << 8) | 30);

    // Numbers keep their point under any regional settings.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\n-2.25\n")) << "coordinates written as DXF writes them";
    EXPECT_TRUE(text.contains("AC1015"));
}

TEST_F(Dxf, PolylinesKeepTheirBulgesAndRegionsBecomeClosedLoops)
{
    // A slot: two straight sides and two half circles, drawn as a polyline
    // and made a region; and an open polyline with one arc.
    VertexList slot = newVertexList(5);
    setVertex(slot, 0, 0, 0);
    setVertex(slot, 1, 20, 0);
    setVertex(slot, 2, 20, 10);
    setVertex(slot, 3, 0, 10);
    setVertex(slot, 4, 0, 0);
    IAcadPolyline outline = ms().AddPolyline(slot);
    outline.SetBulge(1, 1);
    outline.SetBulge(3, 1);
    std::vector<IAcadRegion> regions = ms().AddRegion({outline});
    ASSERT_EQ(regions.size(), 1u);
    regions.front().put_color(5);
    VertexList open = newVertexList(3);
    setVertex(open, 0, 0, 0, 2);
    setVertex(open, 1, 10, 0, 2);
    setVertex(open, 2, 10, 10, 2);
    IAcadPolyline path = ms().AddPolyline(open);
    path.SetBulge(1, -0.5);

    const Read r = save();
    ASSERT_EQ(r.items.size(), 3u);
    // The slot polyline: closed, its last vertex not repeated.
    EXPECT_EQ(r.items[0].kind, "POLYLINE");
    EXPECT_EQ(r.items[0].flags & 1, 1);
    ASSERT_EQ(r.items[0].vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(r.items[0].vertices[1].bulge, 1);
    EXPECT_DOUBLE_EQ(r.items[0].vertices[3].bulge, 1);
    EXPECT_DOUBLE_EQ(r.items[0].vertices[2].x, 20);
    EXPECT_DOUBLE_EQ(r.items[0].vertices[2].y, 10);

    // The region: one closed loop, two straight sides and two half circles
    // (bulge ±1 by the loop's direction), colour 5; its area as the slot's.
    const Read::Item& loop = r.items[1];
    EXPECT_EQ(loop.kind, "POLYLINE");
    EXPECT_EQ(loop.flags & 1, 1);
    EXPECT_EQ(loop.attributes.getColor(), 5);
    ASSERT_EQ(loop.vertices.size(), 4u);
    double area = 0;
    int arcs = 0;
    for (std::size_t i = 0; i < loop.vertices.size(); ++i) {
        const DL_VertexData& a = loop.vertices[i];
        const DL_VertexData& b = loop.vertices[(i + 1) % loop.vertices.size()];
        area += (a.x * b.y - b.x * a.y) / 2;
        if (std::abs(a.bulge) > 0.5) {
            ++arcs;
            EXPECT_NEAR(std::abs(a.bulge), 1, 1e-12);
            const double chord = std::hypot(b.x - a.x, b.y - a.y);
            area += (a.bulge > 0 ? 1 : -1) * pi * chord * chord / 8; // the half disc beyond the chord
        }
    }
    EXPECT_EQ(arcs, 2);
    EXPECT_NEAR(std::abs(area), 20 * 10 + pi * 25, 1e-9);

    // The open path at its elevation, with its one bulge.
    EXPECT_EQ(r.items[2].flags & 1, 0);
    EXPECT_DOUBLE_EQ(r.items[2].values[0], 2);
    ASSERT_EQ(r.items[2].vertices.size(), 3u);
    EXPECT_DOUBLE_EQ(r.items[2].vertices[1].bulge, -0.5);
}

TEST_F(Dxf, TextsKeepCyrillicAsEscapesWithTheirBox)
{
    IAcadMText text = ms().AddMText(AcadPoint(5, 6, 0), 80, QStringLiteral("Масштаб 1:2\\PЛист 1"));
    text.Set(QStringLiteral("Height"), OleVariant(3.5));
    text.Set(QStringLiteral("AttachmentPoint"), OleVariant(5));
    const Read r = save();
    ASSERT_EQ(r.items.size(), 1u);
    const Read::Item& t = r.items[0];
    EXPECT_EQ(t.kind, "MTEXT");
    EXPECT_EQ(t.text, "\\U+041C\\U+0430\\U+0441\\U+0448\\U+0442\\U+0430\\U+0431 1:2\\P\\U+041B\\U+0438\\U+0441\\U+0442 1");
    // Attached at its middle, the box staying where it was: two lines, the
    // second 5/3 of the height below the first.
    EXPECT_NEAR(t.values[0], 5 + 80 / 2.0, 1e-12);
    EXPECT_NEAR(t.values[1], 6 - (3.5 + 3.5 * 5 / 3) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(t.values[3], 3.5);
    EXPECT_DOUBLE_EQ(t.values[4], 80);
    EXPECT_EQ(t.values[5], 5);
    EXPECT_EQ(dxfText(QStringLiteral("Ø20 ±0,1")), "\\U+00D820 \\U+00B10,1");
}

TEST_F(Dxf, SolidsAreLeftToStepAnd3dPolylinesKeepTheirPoints)
{
    ms().AddBox(AcadPoint(0, 0, 0), 10, 10, 10);
    VertexList helix = newVertexList(3);
    setVertex(helix, 0, 0, 0, 0);
    setVertex(helix, 1, 5, 5, 1);
    setVertex(helix, 2, 0, 10, 2);
    ms().Add3DPoly(helix);
    const Read r = save();
    EXPECT_EQ(saved.solids, 1);
    EXPECT_EQ(saved.written, 1);
    ASSERT_EQ(r.items.size(), 1u);
    EXPECT_EQ(r.items[0].kind, "POLYLINE");
    EXPECT_EQ(r.items[0].flags & 8, 8);
    ASSERT_EQ(r.items[0].vertices.size(), 3u);
    EXPECT_DOUBLE_EQ(r.items[0].vertices[1].x, 5);
    EXPECT_DOUBLE_EQ(r.items[0].vertices[1].z, 1);
}

TEST_F(Dxf, AFileThatCannotBeWrittenIsRefused)
{
    ms().AddLine(AcadPoint(0, 0, 0), AcadPoint(1, 1, 0));
    EXPECT_THROW(saveDxf(doc(), dir.filePath(QStringLiteral("нет/такой/папки.dxf"))), EOleException);
}
