#pragma once
// The solid primitives the worker figure is built from. Each takes its
// inputs from the drawing working fields that the caller has just written,
// builds its solid of revolution at the origin, turns it into its pose and
// moves it into place, and leaves it, without colour, in a solid slot.
// Lengths are given for a figure 1755.5 mm tall and scaled to the height H
// in Dim01, each as (value * H) / 1755.5; angles are radians.
#include "acad/fields.h"

namespace figure {

// A sphere of radius Dim07 about (Dim14, Dim15, Dim16), into NewSolid,
// GroupSolid or ToolSolid. No Dim field changes.
void Myach(acad::WorkingFields& f);
void Myach_Fig(acad::WorkingFields& f);
void Myach_Instr(acad::WorkingFields& f);

// The frusta, into NewSolid: built on +Y from the joint end (radius Dim07)
// at the origin to the far end (radius Dim08) at the length Dim02; tilted by
// Dim21 and Dim22 in the order ModeFlag gives (0: about Y, then about X; 1:
// about X, then about Y; other values: no tilt), turned by Dim23 about Z and
// moved to the joint centre (Dim14, Dim15, Dim16). No Dim field changes.
// Konus1: the frustum.
void Konus1(acad::WorkingFields& f);
// Konus2: a ball at each end joined by the cone tangent to both; a length
// not greater than the difference of the radii is a floating-point fault.
void Konus2(acad::WorkingFields& f);
// Konus5, Konus6: the shoulder caps, the frustum swept through 181.8 degrees
// about the side -X (left) or +X (right).
void Konus5(acad::WorkingFields& f);
void Konus6(acad::WorkingFields& f);

// The shoulder skin capsules, into NewSolid: a cylinder of radius Dim07 with
// a ball at each end, from the anchor on the trunk (Dim00, Dim03, Dim04)
// towards the target (Dim14, Dim15, Dim16) that the shoulder's two angles
// carry round and the shift (Dim05, Dim06, Dim09) places. PP and PPK take
// the right shoulder's angles Dim17, Dim18; LL and LLK the left one's Dim20,
// Dim19. PPK and LLK span 0.55 of the way. They leave the scaled anchor
// offsets in Dim00, Dim03, Dim04, the target in Dim14 to Dim16 and its
// distance from the origin in Dim08, so the caller writes those again
// before each call.
void PP(acad::WorkingFields& f);
void PPK(acad::WorkingFields& f);
void LL(acad::WorkingFields& f);
void LLK(acad::WorkingFields& f);

// A ball, or a frustum with ModeFlag and Dim21 at 0 (d(a, b) = Dim23, Dim22)
// by the frustum `primitive` given, made in NewSolid from their sizes and
// centre in figure units: only the fields it reads are written.
void makeBall(acad::WorkingFields& f, double r, double x, double y, double z);
void makeFrustum(acad::WorkingFields& f, void (*primitive)(acad::WorkingFields&), double r1, double r2,
                 double length, double x, double y, double z, double b, double a);

} // namespace figure
