#pragma once
// The sheet panels over a fresh drawing, with the drawing's lines and texts
// read back as plain values.
#include "sheets/sheet_panels.h"

#include "support/panel_fixture.h"

#include <QLabel>

#include <vector>

// A line of the drawing: its ends in the XY plane, lineweight and colour.
struct SheetLine {
    double x1, y1, x2, y2;
    int lineweight;
    int colour; // 256: none set
};

class SheetsTest : public PanelTest {
protected:
    SheetsTest() : PanelTest(&sheets::createPanels) {}

    using Line = SheetLine;

    // Types the sheet size and presses "Чертить".
    void drawSheet(const QString& length, const QString& height)
    {
        type("Panel2", {{"Edit457", length}, {"Edit458", height}});
        press("Panel2", "BitBtn62");
    }

    // The line at index k of the model space.
    Line lineAt(int k)
    {
        const auto e = item(k);
        EXPECT_EQ(e.ObjectName(), QStringLiteral("AcDbLine")) << "entity " << k;
        const auto& l = static_cast<const acad::LineEntity&>(*e.entity());
        EXPECT_EQ(l.start.Z(), 0.0);
        EXPECT_EQ(l.end.Z(), 0.0);
        return {l.start.X(), l.start.Y(), l.end.X(), l.end.Y(), e.get_Lineweight(), e.get_color()};
    }
    std::vector<Line> lines(int from, int to)
    {
        std::vector<Line> out;
        for (int k = from; k < to; ++k)
            out.push_back(lineAt(k));
        return out;
    }
    static void expectPoint(const gp_Pnt& p, double x, double y)
    {
        EXPECT_NEAR(p.X(), x, 1e-9);
        EXPECT_NEAR(p.Y(), y, 1e-9);
        EXPECT_EQ(p.Z(), 0.0);
    }
    const acad::MTextEntity& textAt(int k)
    {
        const auto e = item(k);
        EXPECT_EQ(e.ObjectName(), QStringLiteral("AcDbMText")) << "entity " << k;
        return static_cast<const acad::MTextEntity&>(*e.entity());
    }
};

inline bool operator==(const SheetLine& a, const SheetLine& b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.lineweight == b.lineweight
           && a.colour == b.colour;
}
inline std::ostream& operator<<(std::ostream& os, const SheetLine& l)
{
    return os << "(" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ") w" << l.lineweight << " c"
              << l.colour;
}
