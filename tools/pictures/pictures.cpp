#include "tools/pictures/pictures.h"

#include "tools/pictures/glyphs.h"
#include "tools/pictures/part_picture.h"
#include "tools/pictures/records.h"
#include "tools/pictures/start_picture.h"

#include <QRegularExpression>

namespace pictures {

const std::vector<PartPicture>& partPictures()
{
    static const std::vector<PartPicture> all = [] {
        std::vector<PartPicture> records;
        for (auto family :
             {&metalPictures, &fastenerPictures, &designPictures, &pipesPictures, &sealsPictures, &clampsPictures,
              &transmissionsPictures})
            for (PartPicture& p : family())
                records.push_back(std::move(p));
        for (PartPicture& p : hosePictures())
            records.push_back(std::move(p));
        return records;
    }();
    return all;
}

std::vector<std::string> markLetters(const Dimension& dimension)
{
    static const QRegularExpression word(QStringLiteral("(?<!\\w)[^\\W\\d_]\\w*"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    std::vector<std::string> letters;
    for (const QRegularExpressionMatch& m : word.globalMatch(QString::fromUtf8(dimension.letter)))
        letters.push_back(m.captured().toStdString());
    return letters;
}

std::vector<PictureFile> allPictures()
{
    std::vector<PictureFile> files;
    for (const PartPicture& p : partPictures())
        files.push_back({QString::fromLatin1(p.file), [&p] { return partPicture(p); }});
    files.push_back({QStringLiteral("window/start.png"), &startPicture});
    for (auto glyphs : {&toolbarGlyphs, &windowGlyphs, &figureGlyphs, &hoseGlyphs, &figurePictureFiles})
        for (PictureFile& g : glyphs())
            files.push_back(std::move(g));
    return files;
}

} // namespace pictures
