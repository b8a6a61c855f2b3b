#include "figure/pose_record.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace figure {

// The body angles' captions write the kind letters А, В, С in Cyrillic, all
// but the last one's.
const std::array<PoseValue, kPoseSize> kPoseValues = {{
    {"Edit102", "H", "Рост манекена Н, . . . . . . . . . . . . . . . . . Н      =", PoseKind::Height, 0},
    {"Edit103", "A1", "А1     =", PoseKind::Angle, 0},
    {"Edit104", "B1", "В1     =", PoseKind::Angle, 0},
    {"Edit105", "A2P", "А2P   =", PoseKind::Angle, 0},
    {"Edit106", "B2P", "В2P   =", PoseKind::Angle, 0},
    {"Edit107", "A3P", "А3P   =", PoseKind::Angle, 0},
    {"Edit108", "B3P", "В3P   =", PoseKind::Angle, 0},
    {"Edit109", "A4P", "А4P   =", PoseKind::Angle, 0},
    {"Edit110", "B4P", "В4P   =", PoseKind::Angle, 0},
    {"Edit111", "A5P", "А5P   =", PoseKind::Angle, 0},
    {"Edit112", "B5P", "В5P   =", PoseKind::Angle, 0},
    {"Edit113", "A2L", "А2L   =", PoseKind::Angle, 0},
    {"Edit114", "B2L", "В2L   =", PoseKind::Angle, 0},
    {"Edit115", "A3L", "А3L   =", PoseKind::Angle, 0},
    {"Edit116", "B3L", "В3L   =", PoseKind::Angle, 0},
    {"Edit117", "A4L", "А4L   =", PoseKind::Angle, 0},
    {"Edit118", "B4L", "В4L   =", PoseKind::Angle, 0},
    {"Edit119", "A5L", "А5L   =", PoseKind::Angle, 0},
    {"Edit120", "B5L", "В5L   =", PoseKind::Angle, 0},
    {"Edit121", "A6", "А6     =", PoseKind::Angle, 0},
    {"Edit122", "B6", "В6     =", PoseKind::Angle, 0},
    {"Edit123", "A7", "А7     =", PoseKind::Angle, 0},
    {"Edit124", "B7", "В7     =", PoseKind::Angle, 0},
    {"Edit135", "A8L", "А8L   =", PoseKind::Angle, 0},
    {"Edit136", "B8L", "В8L   =", PoseKind::Angle, 0},
    {"Edit127", "A8P", "А8P   =", PoseKind::Angle, 0},
    {"Edit128", "B8P", "В8P   =", PoseKind::Angle, 0},
    {"Edit137", "A9L", "А9L  =", PoseKind::Angle, 0},
    {"Edit138", "B9L", "В9L  =", PoseKind::Angle, 0},
    {"Edit129", "A9P", "А9P  =", PoseKind::Angle, 0},
    {"Edit130", "B9P", "В9P  =", PoseKind::Angle, 0},
    {"Edit139", "A10L", "А10L =", PoseKind::Angle, 0},
    {"Edit140", "B10L", "В10L =", PoseKind::Angle, 0},
    {"Edit131", "A10P", "А10P =", PoseKind::Angle, 0},
    {"Edit132", "B10P", "В10P =", PoseKind::Angle, 0},
    {"Edit142", "C1", "С1     =", PoseKind::Angle, 0},
    {"Edit143", "C5P", "С5P   =", PoseKind::Angle, 0},
    {"Edit144", "C5L", "С5L   =", PoseKind::Angle, 0},
    {"Edit145", "C10P", "С10P =", PoseKind::Angle, 0},
    {"Edit146", "C10L", "C10L =", PoseKind::Angle, 0},
    {"Edit170", "AA2P", "AA2P=", PoseKind::Angle, 0},
    {"Edit171", "BA2P", "BA2P=", PoseKind::Angle, 0},
    {"Edit172", "AA1P", "AA1P=", PoseKind::Angle, 0},
    {"Edit199", "BA1P", "BA1P=", PoseKind::Angle, 0},
    {"Edit169", "AB3P", "AB3P=", PoseKind::Angle, 0},
    {"Edit173", "BB3P", "BB3P=", PoseKind::Angle, 0},
    {"Edit200", "AB2P", "AB2P=", PoseKind::Angle, 0},
    {"Edit184", "BB2P", "BB2P=", PoseKind::Angle, 0},
    {"Edit188", "AB1P", "AB1P=", PoseKind::Angle, 0},
    {"Edit201", "BB1P", "BB1P=", PoseKind::Angle, 0},
    {"Edit168", "AC3P", "AC3P=", PoseKind::Angle, 0},
    {"Edit174", "BC3P", "BC3P=", PoseKind::Angle, 0},
    {"Edit141", "AC2P", "AC2P=", PoseKind::Angle, 0},
    {"Edit185", "BC2P", "BC2P=", PoseKind::Angle, 0},
    {"Edit189", "AC1P", "AC1P=", PoseKind::Angle, 0},
    {"Edit192", "BC1P", "BC1P=", PoseKind::Angle, 0},
    {"Edit167", "AD3P", "AD3P=", PoseKind::Angle, 0},
    {"Edit175", "BD3P", "BD3P=", PoseKind::Angle, 0},
    {"Edit177", "AD2P", "AD2P=", PoseKind::Angle, 0},
    {"Edit186", "BD2P", "BD2P=", PoseKind::Angle, 0},
    {"Edit190", "AD1P", "AD1P=", PoseKind::Angle, 0},
    {"Edit193", "BD1P", "BD1P=", PoseKind::Angle, 0},
    {"Edit166", "AE3P", "AE3P=", PoseKind::Angle, 0},
    {"Edit176", "BE3P", "BE3P=", PoseKind::Angle, 0},
    {"Edit178", "AE2P", "AE2P=", PoseKind::Angle, 0},
    {"Edit187", "BE2P", "BE2P=", PoseKind::Angle, 0},
    {"Edit191", "AE1P", "AE1P=", PoseKind::Angle, 0},
    {"Edit194", "BE1P", "BE1P=", PoseKind::Angle, 0},
    {"Edit149", "AA1L", "AA1L=", PoseKind::Angle, 0},
    {"Edit147", "BA1L", "BA1L=", PoseKind::Angle, 0},
    {"Edit179", "AA2L", "AA2L=", PoseKind::Angle, 0},
    {"Edit148", "BA2L", "BA2L=", PoseKind::Angle, 0},
    {"Edit150", "AB1L", "AB1L=", PoseKind::Angle, 0},
    {"Edit151", "BB1L", "BB1L=", PoseKind::Angle, 0},
    {"Edit180", "AB2L", "AB2L=", PoseKind::Angle, 0},
    {"Edit152", "BB2L", "BB2L=", PoseKind::Angle, 0},
    {"Edit153", "AB3L", "AB3L=", PoseKind::Angle, 0},
    {"Edit195", "BB3L", "BB3L=", PoseKind::Angle, 0},
    {"Edit154", "AC1L", "AC1L=", PoseKind::Angle, 0},
    {"Edit155", "BC1L", "BC1L=", PoseKind::Angle, 0},
    {"Edit181", "AC2L", "AC2L=", PoseKind::Angle, 0},
    {"Edit156", "BC2L", "BC2L=", PoseKind::Angle, 0},
    {"Edit157", "AC3L", "AC3L=", PoseKind::Angle, 0},
    {"Edit196", "BC3L", "BC3L=", PoseKind::Angle, 0},
    {"Edit158", "AD1L", "AD1L=", PoseKind::Angle, 0},
    {"Edit159", "BD1L", "BD1L=", PoseKind::Angle, 0},
    {"Edit182", "AD2L", "AD2L=", PoseKind::Angle, 0},
    {"Edit160", "BD2L", "BD2L=", PoseKind::Angle, 0},
    {"Edit161", "AD3L", "AD3L=", PoseKind::Angle, 0},
    {"Edit197", "BD3L", "BD3L=", PoseKind::Angle, 0},
    {"Edit162", "AE1L", "AE1L=", PoseKind::Angle, 0},
    {"Edit163", "BE1L", "BE1L=", PoseKind::Angle, 0},
    {"Edit183", "AE2L", "AE2L=", PoseKind::Angle, 0},
    {"Edit164", "BE2L", "BE2L=", PoseKind::Angle, 0},
    {"Edit165", "AE3L", "AE3L=", PoseKind::Angle, 0},
    {"Edit198", "BE3L", "BE3L=", PoseKind::Angle, 0},
    {"Edit285", "skin R", "Головы и рук", PoseKind::Colour, 253},
    {"Edit286", "skin G", nullptr, PoseKind::Colour, 216},
    {"Edit203", "skin B", nullptr, PoseKind::Colour, 201},
    {"Edit292", "lips R", "Губ. . . . ", PoseKind::Colour, 223},
    {"Edit204", "lips G", nullptr, PoseKind::Colour, 43},
    {"Edit291", "lips B", nullptr, PoseKind::Colour, 12},
    {"Edit205", "hair R", "Волос. . . . . . . .", PoseKind::Colour, 16},
    {"Edit282", "hair G", nullptr, PoseKind::Colour, 29},
    {"Edit280", "hair B", nullptr, PoseKind::Colour, 45},
    {"Edit288", "eyeballs R", "Яблок глаз. . . ", PoseKind::Colour, 202},
    {"Edit206", "eyeballs G", nullptr, PoseKind::Colour, 252},
    {"Edit287", "eyeballs B", nullptr, PoseKind::Colour, 252},
    {"Edit294", "pupils R", "Зрачков", PoseKind::Colour, 36},
    {"Edit207", "pupils G", nullptr, PoseKind::Colour, 61},
    {"Edit293", "pupils B", nullptr, PoseKind::Colour, 198},
    {"Edit208", "overalls R", "Комбинезона", PoseKind::Colour, 61},
    {"Edit279", "overalls G", nullptr, PoseKind::Colour, 112},
    {"Edit284", "overalls B", nullptr, PoseKind::Colour, 174},
    {"Edit290", "turtleneck R", "Водолазки. . . .", PoseKind::Colour, 111},
    {"Edit209", "turtleneck G", nullptr, PoseKind::Colour, 116},
    {"Edit289", "turtleneck B", nullptr, PoseKind::Colour, 174},
    {"Edit296", "shoes R", "Обуви. ", PoseKind::Colour, 77},
    {"Edit210", "shoes G", nullptr, PoseKind::Colour, 48},
    {"Edit295", "shoes B", nullptr, PoseKind::Colour, 40},
    {"Edit211", "helmet R", "Каски. . . . . . . .", PoseKind::Colour, 52},
    {"Edit281", "helmet G", nullptr, PoseKind::Colour, 127},
    {"Edit283", "helmet B", nullptr, PoseKind::Colour, 110},
}};

PoseEdits findPoseEdits(const QWidget* bodyPage, const QWidget* fingerPage)
{
    PoseEdits edits{};
    for (int i = 0; i < kPoseSize; ++i) {
        const QString name = QString::fromLatin1(kPoseValues[i].edit);
        edits[i] = bodyPage->findChild<QLineEdit*>(name);
        if (!edits[i])
            edits[i] = fingerPage->findChild<QLineEdit*>(name);
        Q_ASSERT(edits[i]);
    }
    return edits;
}

void captionPage(QWidget* page)
{
    for (const PoseValue& v : kPoseValues) {
        const QString name = QString::fromLatin1(v.edit);
        if (v.label)
            if (auto* caption = page->findChild<QLabel*>(name + QLatin1String("Label")))
                caption->setText(QString::fromUtf8(v.label));
        if (v.kind == PoseKind::Colour)
            if (auto* edit = page->findChild<QLineEdit*>(name))
                edit->setText(QString::number(v.initial));
    }
}

} // namespace figure
