// A sheet frame with its title block saved as DXF: every line and text of
// the drawing comes back from the file as it stands in the drawing.
#include "acad/dxf.h"

#include "sheets_fixture.h"
#include "support/dxf_read.h"

#include <QTemporaryDir>

#include <cmath>

TEST_F(SheetsTest, FrameAndTitleBlockComeBackFromDxf)
{
    drawSheet("841", "594");
    press("Panel2", "BitBtn101");
    ASSERT_TRUE(errors.empty());
    ASSERT_GT(count(), 50);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("лист.dxf"));
    const acad::DxfSaved saved = acad::saveDxf(doc(), path);
    EXPECT_EQ(saved.written, count());
    EXPECT_EQ(saved.solids, 0);
    const Read read = readBack(path);
    ASSERT_EQ(static_cast<int>(read.items.size()), count());

    int lines = 0, texts = 0;
    for (int k = 0; k < count(); ++k) {
        SCOPED_TRACE(k);
        const Read::Item& got = read.items[k];
        const auto e = item(k);
        EXPECT_EQ(got.attributes.getWidth(), e.get_Lineweight());
        EXPECT_EQ(got.attributes.getColor(), e.get_color());
        if (e.ObjectName() == QStringLiteral("AcDbLine")) {
            ++lines;
            const Line l = lineAt(k);
            ASSERT_EQ(got.kind, "LINE");
            EXPECT_EQ(got.values, std::vector<double>({l.x1, l.y1, 0, l.x2, l.y2, 0}));
            continue;
        }
        ++texts;
        ASSERT_EQ(got.kind, "MTEXT");
        const auto& t = static_cast<const acad::MTextEntity&>(*e.entity());
        QString string = t.text;
        string.replace(QLatin1Char('\n'), QStringLiteral("\\P"));
        EXPECT_EQ(got.text, acad::dxfText(string));
        EXPECT_DOUBLE_EQ(got.values[0], t.insertion.X());
        EXPECT_DOUBLE_EQ(got.values[1], t.insertion.Y());
        EXPECT_DOUBLE_EQ(got.values[3], t.height);
        EXPECT_DOUBLE_EQ(got.values[4], t.width);
        EXPECT_EQ(got.values[5], t.attachment);
        // The direction of the lines: the upside-down designation runs along -X.
        EXPECT_NEAR(got.values[6], std::cos(t.rotation), 1e-12);
        EXPECT_NEAR(got.values[7], std::sin(t.rotation), 1e-12);
    }
    // The frame's 50 lines, the title block's 44 texts and its one line.
    EXPECT_EQ(lines, 51);
    EXPECT_EQ(texts, 44);
}
