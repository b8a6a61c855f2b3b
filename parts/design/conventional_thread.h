#pragma once
// The conventional cylindrical thread, drawn as one solid of revolution: a
// ring whose thread-side face lies at the root diameter, united with a skin
// 1e-4 thick that carries the visible thread surface with its 45° chamfers.
// The rod (external thread) and the sleeve (internal thread) are twins that
// differ only in the values of their table; the one routine draws either.
#include "acad/fields.h"

class QLineEdit;
class QRadioButton;

namespace design {

enum class ThreadTwin { Rod, Sleeve };

// The controls of a twin's panel, in the order the routine reads them.
struct ThreadControls {
    QLineEdit *D, *d, *c, *b;      // the four sizes
    QLineEdit *X, *Y, *Z;          // the target of point A
    QRadioButton* vertical;        // "Вертикально"
    QRadioButton* bothChamfers;    // "Есть"
};

// The thread's geometry after the twin's clamp, with x along the axis and y
// the distance from it.
struct ThreadGeometry {
    double D, d;          // after the clamp
    double Y0, Y1, Y2;    // root radius, skin radius, inner face of the skin
    acad::XY ring[5];     // the ring's half section, closing on itself
};

// Applies the twin's clamp to D and d and lays out its profile.
ThreadGeometry threadGeometry(ThreadTwin twin, double D, double d, double c, double b);

// The skin's half section: nine vertices with e = 0 (joined end square) or
// e = c (both ends chamfered).
std::vector<acad::XY> skinProfile(const ThreadGeometry& g, double c, double b, double e);

// One press of the twin's "3D": the finished thread in NewSolid, colour 82,
// turned upright when asked and moved with point A to the typed position.
void drawConventionalThread(acad::WorkingFields& f, ThreadTwin twin, const ThreadControls& controls);

constexpr int kThreadColour = 82;

} // namespace design
