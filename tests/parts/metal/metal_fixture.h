#pragma once
// The family's panels in a client area of their own, over a fresh drawing,
// driven as a user drives them: type into edits, press buttons, read the
// drawing and the error boxes.
#include "parts/metal/metal_panels.h"

#include "support/panel_fixture.h"

class MetalTest : public PanelTest {
protected:
    MetalTest() : PanelTest(&metal::createPanels) {}

    // The area of the section of a solid by the plane x = const.
    static double areaAtX(acad::IAcad3DSolid& solid, double x)
    {
        acad::IAcadRegion r = solid.SectionSolid(acad::AcadPoint(x, 0, 0), acad::AcadPoint(x, 77, 0),
                                                 acad::AcadPoint(x, 0, 77));
        const double area = r.Area();
        r.Delete();
        return area;
    }
};

// The corner left over when a quarter circle of radius 1 rounds a square corner.
constexpr double corner = 1 - pi / 4;
