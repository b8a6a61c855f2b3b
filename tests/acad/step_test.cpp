// Saving the drawing as STEP and reading it back with the kernel's reader.
#include "drawing_fixture.h"

#include <BRepBndLib.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <STEPControl_Reader.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

#include <QTemporaryDir>

#include <algorithm>
#include <set>

using namespace acad;

using Step = DrawingTest;

TEST_F(Step, SavedSolidsComeBackWithVolumesAndColours)
{
    IAcad3DSolid green = ms().AddCylinder(AcadPoint(0, 0, 0), 5, 10);
    green.put_color(3);
    IAcad3DSolid twoColours = ms().AddBox(AcadPoint(20, 0, 0), 2, 2, 2);
    twoColours.put_color(1);
    IAcad3DSolid blue = ms().AddBox(AcadPoint(21, 0, 0), 2, 2, 2);
    AcadAcCmColor c = blue.get_TrueColor();
    c.SetRGB(0, 0, 255);
    blue.put_TrueColor(c);
    twoColours.Boolean(acUnion, blue);
    ms().AddLine(AcadPoint(0, 0, 0), AcadPoint(10, 10, 0));
    EXPECT_TRUE(doc().modifiedSinceSave());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("деталь.step"));
    connection.Document().SaveAs(path);
    EXPECT_FALSE(doc().modifiedSinceSave());

    Handle(TDocStd_Document) read;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", read);
    STEPCAFControl_Reader reader;
    reader.SetColorMode(true);
    ASSERT_EQ(reader.ReadFile(path.toLocal8Bit().constData()), IFSelect_RetDone);
    ASSERT_TRUE(reader.Transfer(read));
    const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(read->Main());
    const Handle(XCAFDoc_ColorTool) colours = XCAFDoc_DocumentTool::ColorTool(read->Main());
    TDF_LabelSequence free;
    shapes->GetFreeShapes(free);
    std::vector<double> volumes;
    std::set<std::string> faceColours;
    for (const TDF_Label& label : free) {
        const TopoDS_Shape s = XCAFDoc_ShapeTool::GetShape(label);
        for (TopExp_Explorer e(s, TopAbs_SOLID); e.More(); e.Next()) {
            GProp_GProps props;
            BRepGProp::VolumeProperties(e.Current(), props);
            volumes.push_back(props.Mass());
        }
        for (TopExp_Explorer e(s, TopAbs_FACE); e.More(); e.Next()) {
            Quantity_Color q;
            if (colours->GetColor(e.Current(), XCAFDoc_ColorSurf, q) ||
                colours->GetColor(label, XCAFDoc_ColorSurf, q)) {
                double r, g, b;
                q.Values(r, g, b, Quantity_TOC_sRGB);
                faceColours.insert(std::to_string(std::lround(r * 255)) + "," + std::to_string(std::lround(g * 255)) +
                                   "," + std::to_string(std::lround(b * 255)));
            }
        }
    }
    std::sort(volumes.begin(), volumes.end());
    ASSERT_EQ(volumes.size(), 2u);
    EXPECT_NEAR(volumes[0], 8 + 8 - 4, 1e-6);
    EXPECT_NEAR(volumes[1], M_PI * 25 * 10, 1e-4);
    EXPECT_EQ(faceColours, (std::set<std::string>{"0,255,0", "255,0,0", "0,0,255"}));
}

TEST_F(Step, EmptyDrawingSavesAFileWithNothingInIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("пусто.step"));
    ms().AddMText(AcadPoint(0, 0, 0), 10, QStringLiteral("текст не пишется")); // not a shape of the file
    connection.Document().SaveAs(path);
    EXPECT_FALSE(doc().modifiedSinceSave());
    STEPControl_Reader reader;
    ASSERT_EQ(reader.ReadFile(path.toLocal8Bit().constData()), IFSelect_RetDone);
    EXPECT_EQ(reader.NbRootsForTransfer(), 0);
}

TEST_F(Step, CurvesFarOutAndAPolylineLeftByARefusedRegionStillSave)
{
    IAcad3DSolid part = ms().AddBox(AcadPoint(0, 0, 0), 2, 3, 4);
    part.put_color(3);
    // A section of 1e17: the region is refused, its polyline stays.
    WorkingFields f{connection};
    f.SetProfile({{0, 0}, {0, 1e17}, {8, 1e17 + 8}, {16, 1e17}, {16, 0}, {0, 0}});
    EXPECT_THROW(f.MakeProfileRegion({{1, -0.41421356237309503}}), EOleException);
    ms().AddLine(AcadPoint(1e17, 0, 0), AcadPoint(1e17, 16, 0));
    ms().AddArc(AcadPoint(1e17, 1e17, 0), 8, 0, 1);
    ms().AddCircle(AcadPoint(-1e17, 0, 0), 4);
    ASSERT_EQ(ms().Count(), 5);
    for (int k = 1; k < ms().Count(); ++k)
        EXPECT_FALSE(ms().Item(k).entity()->shape().IsNull());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("далеко.step"));
    connection.Document().SaveAs(path);
    EXPECT_FALSE(doc().modifiedSinceSave());
    STEPCAFControl_Reader reader;
    ASSERT_EQ(reader.ReadFile(path.toLocal8Bit().constData()), IFSelect_RetDone);
    Handle(TDocStd_Document) read;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", read);
    ASSERT_TRUE(reader.Transfer(read));
    TDF_LabelSequence free;
    XCAFDoc_DocumentTool::ShapeTool(read->Main())->GetFreeShapes(free);
    double volume = 0;
    for (const TDF_Label& label : free) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(XCAFDoc_ShapeTool::GetShape(label), props);
        volume += props.Mass();
    }
    EXPECT_NEAR(volume, 24, 1e-9);
}

TEST_F(Step, UnionTheKernelCannotMakeIsSavedAsItsPieces)
{
    // A box moved far beyond the kernel's reach cannot be fused with one at
    // the origin; the drawing still saves, both boxes in it.
    IAcad3DSolid near = ms().AddBox(AcadPoint(0, 0, 0), 2, 3, 4);
    IAcad3DSolid far = ms().AddBox(AcadPoint(0, 0, 0), 1, 1, 1);
    far.Move(AcadPoint(0, 0, 0), AcadPoint(1e12, 0, 0));
    near.Boolean(acUnion, far);
    EXPECT_THROW(near.Volume(), EOleException);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("части.step"));
    connection.Document().SaveAs(path);
    STEPControl_Reader reader;
    ASSERT_EQ(reader.ReadFile(path.toLocal8Bit().constData()), IFSelect_RetDone);
    reader.TransferRoots();
    // Both boxes, told apart by where they lie (the kernel's volume of a
    // solid that far out is not to be trusted).
    std::vector<double> lowX;
    for (TopExp_Explorer e(reader.OneShape(), TopAbs_SOLID); e.More(); e.Next()) {
        Bnd_Box box;
        BRepBndLib::Add(e.Current(), box);
        double x0, y0, z0, x1, y1, z1;
        box.Get(x0, y0, z0, x1, y1, z1);
        lowX.push_back(x0);
        if (x0 < 1) {
            GProp_GProps props;
            BRepGProp::VolumeProperties(e.Current(), props);
            EXPECT_NEAR(props.Mass(), 24, 1e-9);
        }
    }
    std::sort(lowX.begin(), lowX.end());
    ASSERT_EQ(lowX.size(), 2u);
    EXPECT_NEAR(lowX[0], -1, 1e-6);
    EXPECT_NEAR(lowX[1], 1e12 - 0.5, 1e-2);
}
