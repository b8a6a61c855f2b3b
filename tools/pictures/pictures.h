#pragma once
// Every picture file of the program with the routine that makes it: the
// panels' pictures, the start picture and the glyphs.
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace pictures {

struct PictureFile {
    QString path; // under resources/
    std::function<QImage()> make;
    // Made in minutes rather than seconds (the whole worker figure).
    bool slow = false;
};

std::vector<PictureFile> allPictures();

// The pictures of the worker figure's pages, drawn by the figure: each takes
// a minute or more.
std::vector<PictureFile> figurePictureFiles();

} // namespace pictures
