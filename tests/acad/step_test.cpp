// Saving the drawing as STEP and reading it back with the kernel's reader.
#include "drawing_fixture.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Reader.hxx>
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
