// The pose as "3D" reads it: every angle prepared from the degrees typed,
// the shoulder angles left in the bank for the skin.
#include "figure/assembly.h"

#include "figure_fixture.h"

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

double rad(double degrees)
{
    return degrees * pi / 180;
}

class PoseAngles : public FigureTest {
protected:
    figure::Assembly assembly()
    {
        return figure::Assembly(fields(), panel("Panel59"), panel("Panel60"));
    }
};

TEST_F(PoseAngles, EachAngleIsClampedOffsetAndReducedAsItsRowSays)
{
    using figure::Angle;
    struct Case {
        const char* edit;
        const char* typed;
        Angle angle;
        double radians;
    };
    const Case cases[] = {
        {"Edit105", "30", Angle::A2P, rad(22 - 90)},
        {"Edit105", "-22", Angle::A2P, rad(-22 - 90)},
        {"Edit113", "-40", Angle::A2L, rad(-22 + 90)},
        {"Edit121", "15", Angle::A6, rad(11)},
        {"Edit122", "-40", Angle::B6, rad(-11)},
        {"Edit114", "10.5", Angle::B2L, rad(10)},
        {"Edit106", "-11", Angle::B2P, rad(-10)},
        {"Edit123", "400", Angle::A7, rad(40)},
        {"Edit123", "-400", Angle::A7, rad(-40)},
        {"Edit103", "360", Angle::A1, 0},
        {"Edit103", "720", Angle::A1, 0},
        {"Edit137", "180", Angle::A9L, rad(1e-8)},
        {"Edit137", "540", Angle::A9L, 0},
        {"Edit129", "-180", Angle::A9P, rad(-1e-8)},
        {"Edit107", "0", Angle::A3P, -pi / 2},
        {"Edit115", "0", Angle::A3L, pi / 2},
        {"Edit127", "0", Angle::A8P, pi},
        {"Edit135", "0", Angle::A8L, -pi},
        {"Edit119", "0", Angle::A5L, -pi / 2},
        {"Edit131", "190", Angle::A10P, rad(10)},
        {"Edit198", "-725.5", Angle::BE3L, rad(-5.5)},
    };
    for (const Case& c : cases) {
        initialPose();
        QLineEdit* e = panel("Panel59")->findChild<QLineEdit*>(c.edit);
        if (!e)
            e = panel("Panel60")->findChild<QLineEdit*>(c.edit);
        ASSERT_NE(e, nullptr) << c.edit;
        e->setText(dec(c.typed));
        figure::Assembly a = assembly();
        a.readPose();
        EXPECT_NEAR(a[c.angle], c.radians, 1e-12) << c.edit << " " << c.typed;
    }
}

TEST_F(PoseAngles, ShoulderAnglesGoToTheBankInTheSkinsPairing)
{
    initialPose();
    type("Panel59", {{"Edit106", num(4)}, {"Edit105", num(30)}, {"Edit113", num(-5)}, {"Edit114", num(10.5)},
                     {"Edit102", num(3511)}});
    fields().Dim24 = 7;
    figure::Assembly a = assembly();
    a.readPose();
    EXPECT_NEAR(fields().Dim17, rad(4), 1e-12);
    EXPECT_NEAR(fields().Dim18, rad(22 - 90), 1e-12);
    EXPECT_NEAR(fields().Dim19, rad(-5 + 90), 1e-12);
    EXPECT_NEAR(fields().Dim20, rad(10), 1e-12);
    EXPECT_EQ(fields().Dim01, 3511);
    EXPECT_EQ(fields().Dim24, 0);
    EXPECT_DOUBLE_EQ(a.s(), 2);
}

TEST_F(PoseAngles, ATextThatIsNoNumberEndsThePressWithTheDrawingUnchanged)
{
    struct Case {
        const char* page;
        const char* edit;
        const char* text;
        QString error;
    };
    const Case cases[] = {
        {"Panel59", "Edit102", "", "'' is not a valid floating point value."},
        {"Panel59", "Edit124", "abc", "'abc' is not a valid floating point value."},
        {"Panel60", "Edit198", "abc", "'abc' is not a valid floating point value."},
    };
    for (const Case& c : cases) {
        errors.clear();
        initialPose();
        edit(c.page, c.edit)->setText(c.text);
        press("Panel61", "BitBtn57");
        ASSERT_EQ(errors.size(), 1u) << c.edit;
        EXPECT_EQ(errors.front(), c.error) << c.edit;
        EXPECT_EQ(count(), 0) << c.edit;
    }
}

} // namespace
