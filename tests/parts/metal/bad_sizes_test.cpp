// Sizes the drawing cannot hold: outlines without area or running back over
// themselves, parts of a thousand kilometres, sections beyond any reach. Each
// is refused at the press with the drawing's own message and leaves the
// drawing as it was plus the polyline; whatever the drawing holds can be saved.
#include "metal_fixture.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>

#include <QTemporaryDir>

#include <cmath>

using BadSizes = MetalTest;

namespace {

// What an arc of 90 - alpha degrees, tangent to both sides, cuts off its corner.
double roundingLoss(double alphaDegrees, double radius)
{
    const double phi = pi / 2 - alphaDegrees * pi / 180;
    return radius * radius * (std::tan(phi / 2) - phi / 2);
}

// The solids of a STEP file, their volume together (each solid on its own:
// the kernel sums a compound about a point that the far polyline moves off).
double savedVolume(const QString& path)
{
    STEPControl_Reader reader;
    if (reader.ReadFile(path.toLocal8Bit().constData()) != IFSelect_RetDone)
        return -1;
    reader.TransferRoots();
    double volume = 0;
    for (TopExp_Explorer e(reader.OneShape(), TopAbs_SOLID); e.More(); e.Next()) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(e.Current(), props);
        volume += props.Mass();
    }
    return volume;
}

} // namespace

TEST_F(BadSizes, IBeamWithoutAWebIsRefusedAndLeavesItsPolyline)
{
    struct Case {
        const char* s;
        const char* message;
    };
    // No web: its two sides are one line. A web of 1e-7 is thinner than the
    // drawing's tolerance: its sides are one edge.
    for (const Case& c : {Case{"0", "Неверные данные: контур пересекает сам себя."},
                          Case{"1e-7", "Неверные данные: контур накладывается сам на себя."}}) {
        SCOPED_TRACE(c.s);
        clearDrawing();
        errors.clear();
        type("Panel20", {{"Edit20", "200"}, {"Edit21", "100"}, {"Edit22", QString::fromUtf8(c.s)}, {"Edit23", num(8.4)},
                         {"Edit24", "9"}, {"Edit25", num(3.5)}, {"Edit26", "250"}, {"Edit27", "7"}});
        press("Panel20", "BitBtn15");
        EXPECT_EQ(errors, QStringList{QString::fromUtf8(c.message)});
        ASSERT_EQ(count(), 1);
        EXPECT_EQ(item(0).ObjectName(), QStringLiteral("AcDbPolyline"));
    }
    // A web of 1e-6 stands apart: the beam is drawn.
    clearDrawing();
    errors.clear();
    type("Panel20", {{"Edit22", num(1e-6)}});
    press("Panel20", "BitBtn15");
    auto beam = onlyPart();
    const double h = 200, b = 100, s = 1e-6, t = 8.4, w = (b - s) / 2;
    const double cavity = w * (h - 2 * t) + 2 * roundingLoss(7, 3.5) - 2 * roundingLoss(7, 9);
    EXPECT_NEAR(beam.Volume(), (b * h - 2 * cavity) * 250, 1e-6 * (b * h - 2 * cavity) * 250);
    expectBox(beam, 0, 0, 0, b, h, 250);
}

TEST_F(BadSizes, PipeOfWidthZeroIsRefusedAndLeavesItsPolyline)
{
    type("Panel10", {{"Edit5", "0"}, {"Edit6", "40"}, {"Edit7", "4"}, {"Edit8", "100"}, {"Edit522", "0"}});
    press("Panel10", "BitBtn4");
    EXPECT_EQ(errors, QStringList{QStringLiteral("Неверные данные: контур накладывается сам на себя.")});
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(item(0).ObjectName(), QStringLiteral("AcDbPolyline"));
}

TEST_F(BadSizes, PartsOfAThousandKilometresAreRefused)
{
    struct Case {
        const char* panel;
        const char* button;
        Texts texts;
        const char* message;
        int left; // entities left: the polyline, and the region when only the solid failed
    };
    const char* tooLarge = "Ошибка моделирования: область слишком велика.";
    const Case cases[] = {
        {"Panel24", "BitBtn19",
         {{"Edit28", "1e9"}, {"Edit29", "64"}, {"Edit30", "5"}, {"Edit31", "8"}, {"Edit32", "8"}, {"Edit33", "3"},
          {"Edit34", "100"}, {"Edit35", "7"}},
         tooLarge, 1},
        {"Panel20", "BitBtn15",
         {{"Edit20", "1e9"}, {"Edit21", "100"}, {"Edit22", "5"}, {"Edit23", "8"}, {"Edit24", "9"}, {"Edit25", "3"},
          {"Edit26", "100"}, {"Edit27", "7"}},
         tooLarge, 1},
        {"Panel28", "BitBtn23", {{"Edit36", "1e9"}, {"Edit37", "40"}, {"Edit38", "3"}, {"Edit39", "4"}, {"Edit40", "100"}},
         tooLarge, 1},
        {"Panel37", "BitBtn27", {{"Edit47", "1e9"}, {"Edit49", "100"}}, tooLarge, 1},
        {"Panel37", "BitBtn27", {{"Edit47", "24"}, {"Edit49", "1e9"}},
         "Ошибка моделирования: выдавливание: тело слишком велико.", 2},
    };
    edit("Panel37", "Edit48")->setText(QStringLiteral("keep"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        clearDrawing();
        errors.clear();
        type(c.panel, c.texts);
        press(c.panel, c.button);
        EXPECT_EQ(errors, QStringList{QString::fromUtf8(c.message)});
        ASSERT_EQ(count(), c.left);
        EXPECT_EQ(item(0).ObjectName(), QStringLiteral("AcDbPolyline"));
        if (c.left == 2) {
            EXPECT_EQ(item(1).ObjectName(), QStringLiteral("AcDbRegion"));
        }
    }
    EXPECT_EQ(text("Panel37", "Edit48"), QStringLiteral("keep"));
}

TEST_F(BadSizes, SectionBeyondReachLeavesAPolylineAndTheWholeDrawingStillSaves)
{
    // A good pipe first: 40 x 20, wall 2, corners 5, 100 long.
    type("Panel10", {{"Edit5", "40"}, {"Edit6", "20"}, {"Edit7", "2"}, {"Edit8", "100"}, {"Edit522", "5"}});
    press("Panel10", "BitBtn4");
    const double pipe = (40 * 20 - (4 - pi) * 25 - (36 * 16 - (4 - pi) * 9)) * 100;
    EXPECT_NEAR(onlyPart().Volume(), pipe, 1e-6 * pipe);
    // Then a channel of 1e17.
    type("Panel24", {{"Edit28", "1e17"}, {"Edit29", "64"}, {"Edit30", "5"}, {"Edit31", "8"}, {"Edit32", "8"},
                     {"Edit33", "3"}, {"Edit34", "100"}, {"Edit35", "7"}});
    press("Panel24", "BitBtn19");
    EXPECT_EQ(errors, QStringList{QStringLiteral("Ошибка моделирования: область слишком велика.")});
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(item(1).ObjectName(), QStringLiteral("AcDbPolyline"));
    // The drawing, the polyline included, is saved, and the pipe comes back.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("трубы.step"));
    EXPECT_NO_THROW(window.connection.Document().SaveAs(path));
    EXPECT_NEAR(savedVolume(path), pipe, 1e-6 * pipe);
}
