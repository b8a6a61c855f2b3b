// The pose file: what a save writes, what a load reads back, and the
// failures that leave the saved pose and the edits as they were.
#include "figure_fixture.h"

#include <QCheckBox>
#include <QDir>

#include <unistd.h>

using PoseFile = FigureTest;

TEST_F(PoseFile, SaveAfterTheInitialPoseWritesTheHundredfoldsWithCrLf)
{
    initialPose();
    control<QCheckBox>("Panel59", "CheckBox2")->setChecked(true);
    save();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_EQ(poseFile(), initialPoseFile());
    EXPECT_EQ(poseFile().count("\r\n"), 123);
    // The buffer holds the last line, Dim01 the last hundredfold.
    EXPECT_EQ(text("Panel61", "Edit202"), "11000");
    EXPECT_EQ(fields().Dim01, 11000);
    EXPECT_EQ(count(), 0);
}

TEST_F(PoseFile, EveryEditHasItsOwnLineBothWays)
{
    // Line n holds n: the file shows which edit went to which line.
    for (int line = 1; line <= 123; ++line)
        lineEdit(line)->setText(QString::number(line));
    save();
    ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    QByteArray expected;
    for (int line = 1; line <= 123; ++line)
        expected += QByteArray::number(line * 100) + "\r\n";
    EXPECT_EQ(poseFile(), expected);

    setRecordTexts(QStringList(123, QStringLiteral("x")));
    load();
    EXPECT_TRUE(errors.isEmpty());
    for (int line = 1; line <= 96; ++line)
        EXPECT_EQ(lineEdit(line)->text(), dec(QString::number(line) + ".00")) << "line " << line;
    for (int line = 97; line <= 123; ++line)
        EXPECT_EQ(lineEdit(line)->text(), QString::number(line)) << "line " << line;
    EXPECT_EQ(fields().Dim01, 123);
}

TEST_F(PoseFile, SaveAndLoadRestoreTheInitialPose)
{
    initialPose();
    const QStringList before = recordTexts();
    save();
    setRecordTexts(QStringList(123, QString()));
    control<QCheckBox>("Panel59", "CheckBox1")->setChecked(true);
    load();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(recordTexts(), before);
    // A load opens no page, draws nothing and leaves the check boxes.
    EXPECT_TRUE(control<QCheckBox>("Panel59", "CheckBox1")->isChecked());
    EXPECT_EQ(panel("Panel59")->size(), QSize(0, 0));
    EXPECT_EQ(count(), 0);
}

TEST_F(PoseFile, ValuesAreRoundedToHundredthsHalvesAwayFromZero)
{
    struct Case {
        const char* typed; // with '.'
        QByteArray line;
        const char* loaded; // with '.'
    };
    const Case cases[] = {
        {"0.125", "13", "0.13"},       {"-0.125", "-13", "-0.13"},   {"-45", "-4500", "-45.00"},
        // Rounded as it reads, though the double nearest 1.005 lies just below it.
        {"1.005", "101", "1.01"},      {"-0.004", "0", "0.00"},      {"12.3e1", "12300", "123.00"},
        // Too large for seven digits: all the digits of the hundredfold.
        {"250000", "25000000", "250000.00"},
    };
    for (const Case& c : cases) {
        initialPose();
        lineEdit(5)->setText(dec(c.typed));
        save();
        ASSERT_TRUE(errors.isEmpty()) << c.typed << ": " << errors.join(' ').toStdString();
        EXPECT_EQ(poseFile().split('\n')[4], c.line + "\r") << c.typed;
        lineEdit(5)->clear();
        load();
        EXPECT_EQ(lineEdit(5)->text(), dec(c.loaded)) << c.typed;
    }
}

TEST_F(PoseFile, ReaderSkipsBlankLinesAndTheRestOfALine)
{
    struct Case {
        const char* name;
        QByteArray head; // the first values; the rest of the initial file follows
        const char* first, *second;
    };
    const Case cases[] = {
        {"empty lines", "\r\n\r\n150\r\n\r\n  \r\n-250\r\n", "1.50", "-2.50"},
        {"a second number on a line", "150 7\r\n8\r\n", "1.50", "0.08"},
        {"tabs", "\t150\t9\r\n\t 8\r\n", "1.50", "0.08"},
        {"exponent and fraction", "1.5e2\r\n+2.5E+1\r\n", "1.50", "0.25"},
        {"LF line ends", "150\n8\n", "1.50", "0.08"},
    };
    for (const Case& c : cases) {
        QByteArray bytes = c.head;
        bytes += initialPoseFile().split('\n').mid(2).join('\n');
        writePoseFile(bytes);
        setRecordTexts(QStringList(123, QString()));
        load();
        ASSERT_TRUE(errors.isEmpty()) << c.name << ": " << errors.join(' ').toStdString();
        EXPECT_EQ(lineEdit(1)->text(), dec(c.first)) << c.name;
        EXPECT_EQ(lineEdit(2)->text(), dec(c.second)) << c.name;
        EXPECT_EQ(lineEdit(3)->text(), dec("0.00")) << c.name;
        EXPECT_EQ(lineEdit(123)->text(), "110") << c.name;
    }
}

TEST_F(PoseFile, ShortFileLeavesTheMissingValuesZeroAndColoursAreRounded)
{
    QByteArray bytes;
    for (int line = 1; line <= 96; ++line)
        bytes += "100\r\n";
    bytes += "25350\r\n25349\r\n-50\r\n7\r\n";
    writePoseFile(bytes);
    load();
    ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_EQ(lineEdit(96)->text(), dec("1.00"));
    EXPECT_EQ(lineEdit(97)->text(), "254");
    EXPECT_EQ(lineEdit(98)->text(), "253");
    EXPECT_EQ(lineEdit(99)->text(), "-1");
    EXPECT_EQ(lineEdit(100)->text(), "0");
    for (int line = 101; line <= 123; ++line)
        EXPECT_EQ(lineEdit(line)->text(), "0") << "line " << line;
    EXPECT_EQ(fields().Dim01, 0);

    writePoseFile("");
    initialPose();
    load();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(lineEdit(1)->text(), dec("0.00"));
    EXPECT_EQ(lineEdit(123)->text(), "0");
}

TEST_F(PoseFile, LoadFailuresChangeNoEdit)
{
    initialPose();
    lineEdit(7)->setText(num(33));
    const QStringList before = recordTexts();

    load();
    EXPECT_EQ(errors, QStringList{"File not found."});
    EXPECT_EQ(recordTexts(), before);

    struct Case {
        const char* name;
        int line;
        QByteArray value;
    };
    const Case bad[] = {
        {"letters", 50, "abc"}, {"comma", 2, "1,5"}, {"digits and letters", 123, "110x"}, {"two points", 60, "1.2.3"},
    };
    for (const Case& c : bad) {
        errors.clear();
        QList<QByteArray> lines = initialPoseFile().split('\n');
        lines[c.line - 1] = c.value + "\r";
        writePoseFile(lines.join('\n'));
        load();
        EXPECT_EQ(errors, QStringList{"Invalid numeric input."}) << c.name;
        EXPECT_EQ(recordTexts(), before) << c.name;
    }

    errors.clear();
    QFile::remove(QStringLiteral("M0_P0.db"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("M0_P0.db")));
    load();
    EXPECT_EQ(errors, QStringList{"File access denied."});
    EXPECT_EQ(recordTexts(), before);
}

TEST_F(PoseFile, FailedSaveKeepsTheSavedPose)
{
    initialPose();
    lineEdit(3)->setText(num(-12.5));
    save();
    const QByteArray saved = poseFile();
    ASSERT_EQ(saved.split('\n')[2], "-1250\r");

    // An empty angle stops the save at that edit, before the file is touched.
    initialPose();
    lineEdit(40)->clear();
    save();
    EXPECT_EQ(errors, QStringList{notAFloat("")});
    EXPECT_EQ(poseFile(), saved);
    EXPECT_EQ(text("Panel61", "Edit202"), "11000");
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"M0_P0.db"});

    // A colour that is not a number, with no file yet: none is made.
    errors.clear();
    QFile::remove(QStringLiteral("M0_P0.db"));
    initialPose();
    lineEdit(110)->setText("1e");
    save();
    EXPECT_EQ(errors, QStringList{notAFloat("1e")});
    EXPECT_FALSE(QFile::exists(QStringLiteral("M0_P0.db")));
}

TEST_F(PoseFile, SaveOverAFileThatMayNotBeWritten)
{
    initialPose();
    // A directory in the file's place cannot be written.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("M0_P0.db")));
    save();
    EXPECT_EQ(errors, QStringList{"File access denied."});
    EXPECT_TRUE(QFileInfo(QStringLiteral("M0_P0.db")).isDir());
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("M0_P0.db")));

    // A read-only file (the superuser may write it anyway).
    errors.clear();
    writePoseFile("12\r\n");
    QFile::setPermissions(QStringLiteral("M0_P0.db"), QFileDevice::ReadOwner | QFileDevice::ReadUser);
    save();
    if (geteuid() != 0) {
        EXPECT_EQ(errors, QStringList{"File access denied."});
        EXPECT_EQ(poseFile(), "12\r\n");
    }
    QFile::setPermissions(QStringLiteral("M0_P0.db"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
