#include "parts/seals/revolution.h"

namespace seals {

acad::IAcad3DSolid revolve(acad::WorkingFields& f, const Profile& profile, const acad::AcadPoint& axisPoint,
                           const acad::AcadPoint& axisDirection)
{
    f.SetProfile(profile.vertices);
    f.MakeProfileRegion(profile.bulges);
    return f.RevolveProfile(axisPoint, axisDirection, kFullTurn);
}

} // namespace seals
