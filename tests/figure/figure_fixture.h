#pragma once
// The worker figure's panel and pages in a client area of their own, over a
// fresh drawing, in a temporary current directory of their own (the pose
// file lies in the current directory).
#include "app/shell/errorbox.h"
#include "figure/assembly.h"
#include "figure/figure_panels.h"

#include "support/panel_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <functional>

class FigureTest : public PanelTest {
protected:
    FigureTest() : PanelTest(&figure::createPanels) {}

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        PanelTest::SetUp();
    }
    void TearDown() override
    {
        PanelTest::TearDown();
        QDir::setCurrent(previous_);
    }

    // The edits of the pose record in the order of the pose file's lines:
    // height, body angles, right-hand and left-hand fingers, colours.
    static constexpr std::array<int, 123> kLineEdits = {
        102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122,
        123, 124, 135, 136, 127, 128, 137, 138, 129, 130, 139, 140, 131, 132, 142, 143, 144, 145, 146,
        170, 171, 172, 199, 169, 173, 200, 184, 188, 201, 168, 174, 141, 185, 189, 192, 167, 175, 177, 186, 190,
        193, 166, 176, 178, 187, 191, 194,
        149, 147, 179, 148, 150, 151, 180, 152, 153, 195, 154, 155, 181, 156, 157, 196, 158, 159, 182, 160, 161,
        197, 162, 163, 183, 164, 165, 198,
        285, 286, 203, 292, 204, 291, 205, 282, 280, 288, 206, 287, 294, 207, 293, 208, 279, 284, 290, 209, 289,
        296, 210, 295, 211, 281, 283};
    // The colour components of the initial pose, in the same order.
    static constexpr std::array<int, 27> kInitialColours = {253, 216, 201, 223, 43,  12,  16,  29,  45,
                                                            202, 252, 252, 36,  61,  198, 61,  112, 174,
                                                            111, 116, 174, 77,  48,  40,  52,  127, 110};

    // The edit of line `line` (from 1) of the pose file.
    QLineEdit* lineEdit(int line)
    {
        const QString name = QStringLiteral("Edit%1").arg(kLineEdits[line - 1]);
        const char* page = line <= 40 ? "Panel59" : "Panel60";
        auto* e = panel(page)->findChild<QLineEdit*>(name);
        if (!e)
            ADD_FAILURE() << "no edit " << name.toStdString();
        return e;
    }
    QStringList recordTexts()
    {
        QStringList texts;
        for (int line = 1; line <= 123; ++line)
            texts << lineEdit(line)->text();
        return texts;
    }
    void setRecordTexts(const QStringList& texts)
    {
        for (int line = 1; line <= 123; ++line)
            lineEdit(line)->setText(texts[line - 1]);
    }

    void initialPose() { press("Panel61", "BitBtn97"); }
    void save() { press("Panel61", "BitBtn58"); }
    void load() { press("Panel61", "BitBtn60"); }

    // A stretch of the figure's drawing alone, in one procedure as the
    // press runs it: the pose read from the pages as they stand, then
    // `stretch`. A failure goes to the error boxes the fixture collects.
    void runStretch(const std::function<void(figure::Assembly&)>& stretch)
    {
        figure::Assembly a(fields(), panel("Panel59"), panel("Panel60"));
        shell::runProcedure([&] {
            a.readPose();
            stretch(a);
        });
    }

    static QByteArray poseFile()
    {
        QFile f(QStringLiteral("M0_P0.db"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void writePoseFile(const QByteArray& bytes)
    {
        QFile f(QStringLiteral("M0_P0.db"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // The file a save right after the initial pose writes.
    static QByteArray initialPoseFile()
    {
        QByteArray bytes = "175550\r\n";
        for (int line = 2; line <= 96; ++line)
            bytes += "0\r\n";
        for (int c : kInitialColours)
            bytes += QByteArray::number(c * 100) + "\r\n";
        return bytes;
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};
