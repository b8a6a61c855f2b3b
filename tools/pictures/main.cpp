// Makes the program's pictures into resources/: the panels' pictures from
// the parts as the panels draw them, the start picture and the glyphs.
//
//     cmake --build build --target pictures
//
// remakes them all; `make_pictures DIR [NAME...]` writes into DIR only the
// pictures whose path contains one of the names. The pictures are committed,
// and a test checks that they are still what this program makes.
#include "tools/pictures/pictures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: make_pictures DIR [NAME...]\n");
        return 2;
    }
    const QDir out(args.front());
    const QStringList names = args.mid(1);
    try {
        for (const pictures::PictureFile& file : pictures::allPictures()) {
            if (!names.isEmpty() && std::none_of(names.begin(), names.end(),
                                                 [&](const QString& n) { return file.path.contains(n); }))
                continue;
            const QString path = out.filePath(file.path);
            QDir().mkpath(QFileInfo(path).path());
            if (!file.make().save(path, "PNG"))
                throw std::runtime_error("cannot write " + path.toStdString());
            std::printf("%s\n", qPrintable(file.path));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
