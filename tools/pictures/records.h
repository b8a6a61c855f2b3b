#pragma once
// The pictures of the part panels as data. A picture is the part that the
// panel's own button draws from typical sizes, seen from one direction as a
// line drawing, with dimension lines that carry the panel's letters. Every
// point is given in the part's coordinates by expressions of the sizes'
// names ("b - t", "L/2"), so a picture follows its sizes.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pictures {

// A point or a shift of the part: one expression per coordinate.
struct Point {
    const char* x = "0";
    const char* y = "0";
    const char* z = "0";
};

// A size typed into an edit of the panel before the button is pressed; its
// name stands for its value in the expressions.
struct Size {
    const char* edit;
    const char* name;
    double value;
    // The page that holds the edit, where it is not the record's panel (a
    // part whose sizes are spread over several pages).
    const char* page = nullptr;
};

enum class Mark {
    // The distance from `from` to `to`, its dimension line shifted from the
    // part by `shift` (no extension lines when the shift is zero).
    Linear,
    // An arrow at the part's edge nearest to `from`, a leader to `to` and the
    // letter on a shelf there: radii and other small features.
    Leader,
    // A centre line from `from` to `to`; no letter.
    Axis,
    // A point of the part at `from` (on it or not, an axis' end, say) shown
    // as a dot, with a leader to `to` and the letter on a shelf there.
    Point,
    // The angle at `from` between the rays towards `to` and towards the
    // point `shift`: an arc about `from` through `to`, arrowheads at both
    // rays and the letter beside the arc's middle.
    Angle,
    // The letter alone, centred at `from`: a name written on the feature
    // itself or beside it.
    Text,
};

struct Dimension {
    Mark mark;
    const char* letter; // UTF-8, as the panel's label writes it
    Point from, to, shift;
};

using Vector = std::array<double, 3>;

struct View {
    Vector toViewer; // from the part towards the eye
    Vector up;       // upwards in the picture
};

// Where a view stands in its picture: left, top, width and height, each a
// share of the picture's size.
using Place = std::array<double, 4>;

// What a button leaves in the drawing that its picture shows: the newest
// solid, every solid the press drew (a seat with its collar, a groove with
// its ring), or every line, arc and circle drawn, as they lie (the "2D"
// outputs).
enum class Drawn { Solid, Solids, Lines };

// Where the marks of a picture and the letters of its panel's labels do not
// pair one to one: the letters these marks name stand together for these
// letters of the labels. One mark "А" shows the point of "X точки А =",
// "Y точки А =" and "Z точки А ="; "Dн" and "Dв" show the "D* =" of a panel
// whose footnote reads "D* - это Dн или Dв"; "d" and "d + t2" both show the
// "d =" of a bore.
struct Reading {
    std::vector<const char*> marks;
    std::vector<const char*> labels;
};
// Of a picture of Drawn::Solid: the newest solid the press drew, or the
// n-th (from 0).
constexpr int kNewestSolid = -1;

// A further view in a picture: the panel's part drawn anew from its own
// sizes and switches, seen along its own direction, in its own place. All
// views of a picture share one scale.
struct PictureView {
    std::vector<Size> sizes;
    std::vector<const char*> switches; // radio buttons checked before the press
    View view;
    std::optional<Vector> cutNormal;
    std::vector<Dimension> dimensions;
    Place place;
    // The section plane's distance from the origin along cutNormal.
    double cutAt = 0;
};

struct PartPicture {
    const char* file;   // under resources/
    const char* panel;  // the panel whose button draws the part
    const char* image;  // the picture on that panel; the file has its size
    const char* button; // the button that draws the part
    std::vector<Size> sizes;
    View view;
    // A section view: the part's half on the normal's side of the plane
    // (through the origin unless cutAt says otherwise) is cut away and the
    // faces of the cut are hatched.
    std::optional<Vector> cutNormal;
    std::vector<Dimension> dimensions;
    // Radio buttons checked before the button is pressed.
    std::vector<const char*> switches = {};
    // The place of this first view; the whole picture unless more follow.
    Place place = {0, 0, 1, 1};
    std::vector<PictureView> moreViews = {};
    Drawn drawn = Drawn::Solid;
    // Letters of the panel that their labels name in words and the picture
    // leaves out ("Шаг резьбы, . .  P =").
    std::vector<const char*> namedByLabel = {};
    std::vector<Reading> readings = {};
    // Which of the solids the button draws a Drawn::Solid picture shows:
    // the newest, or the n-th drawn (from 0).
    int solid = kNewestSolid;
    // The section plane's distance from the origin along cutNormal.
    double cutAt = 0;
};

// The letters of the panel's sizes that a mark's text names: every word
// that begins with a letter. "s × 45°" names s, "n × t" names n and t,
// "d + t2" names d and t2, "B/2" names B, "0.6 × 45°" none.
std::vector<std::string> markLetters(const Dimension& dimension);

// A part of a scene: the part of a panel picture's record, turned about an
// axis through the origin, then moved.
struct Placement {
    const char* picture; // the record's file
    Vector turnAxis;
    double turnDegrees;
    Vector move;
    std::array<int, 3> colour; // RGB
};

// A shaded scene of parts, seen along the view, filling the frame
// (left, top, width, height) of a picture of the given size.
struct Scene {
    const char* file;
    std::array<int, 2> size;
    std::array<int, 4> frame;
    View view;
    std::vector<Placement> parts;
};

// Every panel picture of the program: the families' records, each family's
// in a file of its own (metal.cpp) listed in partPictures(). A new picture
// is one record there, its file in resources/panel_pictures.qrc and the
// pixmap of its label in the panel's layout.
const std::vector<PartPicture>& partPictures();

// The rolled-metal family's pictures.
std::vector<PartPicture> metalPictures();
// The fasteners' pictures.
std::vector<PartPicture> fastenerPictures();

// The design-element family's pictures.
std::vector<PartPicture> designPictures();
// The pipe-fitting family's pictures.
std::vector<PartPicture> pipesPictures();
// The jaw coupling's pictures.
std::vector<PartPicture> transmissionsPictures();

} // namespace pictures

namespace pictures {

// The seal family's pictures.
std::vector<PartPicture> sealsPictures();

} // namespace pictures

namespace pictures {

// The clamp panel's picture.
std::vector<PartPicture> clampsPictures();
// The ball connection's and the hose connection's pictures.
std::vector<PartPicture> hosePictures();

} // namespace pictures
