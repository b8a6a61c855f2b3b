#pragma once
// The three pages of the ball connection: the end fitting with the assembly
// (Panel94), the nipple (Panel96) and the union nut (Panel95). The nipple
// and nut pages open under the shortened end-fitting page, whose top strip
// (the assembly picture, d1, D1, D2, point A, "3D", the table button) stays
// in sight; the page buttons change sizes only.
class QWidget;

namespace pipes {

struct BallPages {
    QWidget* fitting = nullptr;
    QWidget* nipple = nullptr;
    QWidget* nut = nullptr;

    void showNipple();  // from the end-fitting page and back from the nut page
    void showNut();     // from the nipple page
    void showFitting(); // the whole end-fitting page again
};

} // namespace pipes
