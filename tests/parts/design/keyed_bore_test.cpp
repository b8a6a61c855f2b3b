// The keyed bore's cutting body: bore circle, keyway with rounded or
// chamfered corners, extruded to its length.
#include "design_fixture.h"

namespace {

// The cross-section worked out by hand: the circle less the segment under
// the keyway's chord, plus the keyway up to d + t2 less its two corners.
double keyedArea(double d, double b, double t2, double r1, bool radius)
{
    const double R = d / 2;
    const double yc = std::sqrt(R * R - b * b / 4);
    const double corner = radius ? r1 * r1 * (1 - pi / 4) : r1 * r1 / 2;
    return pi * R * R - segmentArea(R, 2 * std::asin(b / d)) + b * (d + t2 - R - yc) - 2 * corner;
}

} // namespace

class KeyedBore : public DesignTest {
protected:
    void draw(const QString& d, const QString& b, const QString& t2, const QString& r1, const QString& L)
    {
        type("Panel128", {{"Edit537", d}, {"Edit538", b}, {"Edit539", t2}, {"Edit541", r1}, {"Edit540", L}});
        press("Panel128", "BitBtn122");
    }
};

TEST_F(KeyedBore, RoundedAndChamferedKeywayOnTheSameBore)
{
    EXPECT_TRUE(control<QRadioButton>("Panel128", "RadioButton50")->isChecked());
    for (bool radius : {true, false}) {
        SCOPED_TRACE(radius ? "radius" : "chamfer");
        check("Panel128", radius ? "RadioButton50" : "RadioButton51");
        draw(num(30), num(8), dec("3.3"), dec("0.205"), num(40));
        acad::IAcad3DSolid s = onlyPart(20);
        EXPECT_EQ(s, fields().GroupSolid);
        EXPECT_NEAR(s.Volume(), 40 * keyedArea(30, 8, 3.3, 0.205, radius), 1e-6);
        expectBox(s, -15, -15, 0, 15, 18.3, 40);
        EXPECT_DOUBLE_EQ(fields().Dim12, 33.3);
        EXPECT_DOUBLE_EQ(fields().Dim13, 2 * std::asin(8.0 / 30));
        EXPECT_EQ(fields().Dim06, 40);
        clearDrawing();
    }
}

TEST_F(KeyedBore, KeywayAsWideAsTheBoreOrWiderFailsBeforeDrawing)
{
    draw(num(20), num(20), num(2), num(0), num(10));
    EXPECT_EQ(errors, QStringList{"Floating point division by zero."});
    EXPECT_EQ(count(), 0);
    errors.clear();
    draw(num(20), dec("20.5"), num(2), num(0), num(10));
    EXPECT_EQ(errors, QStringList{"Invalid floating point operation."});
    EXPECT_EQ(count(), 0);
}

TEST_F(KeyedBore, TextThatIsNotANumberDrawsNothing)
{
    draw(num(30), num(8), "3.3.", dec("0.2"), num(40));
    EXPECT_EQ(errors, QStringList{notAFloat("3.3.")});
    EXPECT_EQ(count(), 0);
}
