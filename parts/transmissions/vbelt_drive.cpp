#include "parts/transmissions/vbelt_drive.h"

#include "parts/transmissions/vbelt_page.h"

#include <cmath>

namespace transmissions {

std::vector<acad::XY> grooveLowerProfile(const Groove& g, double d)
{
    const double k = std::sin(g.gamma / 2) / std::cos(g.gamma / 2);
    return {{g.f - g.Lp / 2, d / 2},
            {g.f - g.Lp / 2 + g.H * k, d / 2 - g.H},
            {g.f + g.Lp / 2 - g.H * k, d / 2 - g.H},
            {g.f + g.Lp / 2, d / 2},
            {g.f - g.Lp / 2, d / 2}};
}

std::vector<acad::XY> grooveUpperProfile(const Groove& g, double d)
{
    const double k = std::sin(g.gamma / 2) / std::cos(g.gamma / 2);
    const double xL = g.f - g.Lp / 2 - g.b * k;
    const double yT = d / 2 + g.b - g.r + g.r * std::sin(g.gamma / 2);
    const double xT = xL + k * (d / 2 + g.b - yT);
    const double xR = xL - g.r * std::tan(pi / 4 - g.gamma / 4);
    return {{g.f + g.Lp / 2, d / 2}, {g.f - g.Lp / 2, d / 2},  {xT, yT},
            {xR, d / 2 + g.b},       {2 * g.f - xR, d / 2 + g.b}, {2 * g.f - xT, yT},
            {g.f + g.Lp / 2, d / 2}};
}

double grooveMouthBulge(const Groove& g)
{
    return std::tan((pi / 2 - g.gamma / 2) / 4);
}

void drawPulley(acad::WorkingFields& w, acad::IAcad3DSolid& slot, const Groove& g, double d)
{
    const double W = g.width();
    w.LineStart = {0, 0, 0};
    slot = w.ModelSpace().AddCylinder(w.LineStart, d / 2 + g.b, W);
    w.LineEnd = {0, 0, W / 2};
    slot.Move(w.LineStart, w.LineEnd);
    w.LineEnd = {0, 77, 0};
    slot.Rotate3D(w.LineStart, w.LineEnd, pi / 2);

    const double q = grooveMouthBulge(g);
    w.ModeFlag = 0;
    do {
        w.ModeFlag = w.ModeFlag + 1;
        w.SetProfile(grooveLowerProfile(g, d));
        w.MakeProfileRegion();
        w.LineEnd = {77, 0, 0};
        w.ToolSolid = w.ModelSpace().AddRevolvedSolid(w.ProfileRegion, w.LineStart, w.LineEnd, 2 * pi);
        w.DeleteProfile();
        w.SetProfile(grooveUpperProfile(g, d));
        w.MakeProfileRegion({{2, q}, {4, q}});
        w.LineEnd = {77, 0, 0};
        w.NewSolid = w.ModelSpace().AddRevolvedSolid(w.ProfileRegion, w.LineStart, w.LineEnd, 2 * pi);
        w.DeleteProfile();
        w.ToolSolid.Boolean(acad::acUnion, w.NewSolid);
        w.BasePoint = {(w.ModeFlag - 1) * g.e, 0, 0};
        w.ToolSolid.Move(w.LineStart, w.BasePoint);
        slot.Boolean(acad::acSubtraction, w.ToolSolid);
    } while (w.ModeFlag < g.z);
}

std::vector<acad::XY> beltProfile(const BeltSection3D& s, double R)
{
    const double k = std::sin(s.beta / 2) / std::cos(s.beta / 2);
    const double right = s.f + s.Lq / 2 + s.Yo * k;
    const double rightInner = right - s.h * k;
    return {{s.f - s.Lq / 2, R},
            {s.f - s.Lq / 2 - s.Yo * k, R + s.Yo},
            {right, R + s.Yo},
            {rightInner, R + s.Yo - s.h},
            {2 * s.f - rightInner, R + s.Yo - s.h},
            {s.f - s.Lq / 2, R}};
}

double beltFaceBulge(const BeltSection3D& s)
{
    return -(std::sin(s.beta / 4) / std::cos(s.beta / 4));
}

double branchLength(double a, double dm, double db, double theta1, double theta2)
{
    const double along = a + (db / 2) * std::cos(theta2 / 2) + (dm / 2) * std::cos(theta1 / 2);
    const double across = (db / 2) * std::sin(theta2 / 2) - (dm / 2) * std::sin(theta1 / 2);
    return std::sqrt(along * along + across * across);
}

} // namespace transmissions
