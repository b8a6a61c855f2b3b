#include "parts/pipes/barb.h"

namespace pipes {

void Ersh(acad::WorkingFields& f)
{
    const double p = f.Dim11, r = f.Dim12 / 2, R = f.Dim14 / 2;
    const double c = R - r; // height of a tooth; its back face falls at 45 degrees
    f.SetProfile({{0, r},
                  {-p, R},
                  {-p - c, r},
                  {-2 * p, R},
                  {-2 * p - c, r},
                  {-3 * p, R},
                  {-3 * p - c, r},
                  {-4 * p, R},
                  {-4 * p, 0},
                  {0, 0},
                  {0, r}});
    f.MakeProfileRegion();
    f.NewSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0));
}

} // namespace pipes
