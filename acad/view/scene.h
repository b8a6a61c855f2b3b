#pragma once
// What the drawing window shows of each entity: a presentation object of
// OpenCASCADE's interactive services, and a short description of the
// entity's state that tells when the presentation has gone out of date.
#include "acad/model.h"

#include <AIS_InteractiveObject.hxx>
#include <Bnd_Box.hxx>
#include <Quantity_Color.hxx>
#include <TopoDS_Shape.hxx>

#include <QString>

#include <cstddef>
#include <vector>

namespace acad::view {

// The colour on screen; by-layer and by-block entities show a light grey
// that reads as white on the dark background.
Quantity_Color screenColour(const Colour& colour);

// Line width in pixels for a lineweight in hundredths of a millimetre:
// thin up to 0.25 mm, then a pixel more for each further 0.25 mm (at most 4).
double lineWidth(int lineweight);

// Everything a presentation depends on. Shapes compare by identity: the
// drawing layer replaces a shape whenever it changes one.
struct EntityState {
    EntityType type = EntityType::Line;
    Colour colour;
    int lineweight = -1;
    std::vector<TopoDS_Shape> shapes;
    std::size_t faceColourCount = 0;
    std::vector<double> numbers;
    QString text;

    bool operator==(const EntityState& other) const;
};

// The state as it stands. For a solid, the pieces as they are: fused or not.
EntityState stateOf(const Entity& entity);

// Fuses a solid's pending pieces so it shows as one body. When the kernel
// refuses, the pieces stay and show side by side; returns false then.
bool resolveSolid(const SolidEntity& solid);

// The box of what the entity shows.
Bnd_Box boxOf(const Entity& entity);

// The presentation of an entity, meshed with a chordal deviation of
// `deflection`; null when there is nothing to show. Throws the kernel's
// Standard_Failure when it cannot make the geometry.
Handle(AIS_InteractiveObject) presentationOf(const Entity& entity, double deflection);

// The display mode a presentation is shown in.
int displayModeOf(const Entity& entity);

} // namespace acad::view
