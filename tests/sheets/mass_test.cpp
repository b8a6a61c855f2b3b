// The mass calculator: volume in mm3 times density in kg/m3 gives kilograms.
#include "sheets_fixture.h"

#include <QGroupBox>
#include <QPixmap>

namespace {

class Mass : public SheetsTest {
protected:
    void calculate(const QString& volume, const QString& density)
    {
        type("Panel44", {{"Edit54", volume}, {"Edit56", density}});
        press("Panel44", "BitBtn34");
    }
    // The mass as shown, with the separator written as a point.
    QString shown()
    {
        QString t = text("Panel44", "Edit55");
        return t.replace(acad::decimalSeparator(), u'.');
    }
};

} // namespace

TEST_F(Mass, StartsWithSteelAndAnEmptyVolume)
{
    EXPECT_TRUE(text("Panel44", "Edit54").isEmpty());
    EXPECT_EQ(text("Panel44", "Edit56"), QStringLiteral("7850"));
    EXPECT_TRUE(text("Panel44", "Edit55").isEmpty());
    auto* box = control<QGroupBox>("Panel44", "GroupBox13");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral("КАЛЬКУЛЯТОР МАССЫ"));
    EXPECT_EQ(box->geometry(), QRect(64, 24, 473, 145));
    EXPECT_EQ(control<QAbstractButton>("Panel44", "BitBtn34")->geometry(), QRect(267, 104, 22, 25));
    EXPECT_TRUE(control<QAbstractButton>("Panel44", "BitBtn34")->text().isEmpty());
    // The calculator glyph.
    EXPECT_FALSE(QPixmap(QStringLiteral(":/glyphs/calculator.png")).isNull());
    EXPECT_FALSE(control<QAbstractButton>("Panel44", "BitBtn34")->icon().pixmap(16, 16).isNull());
}

TEST_F(Mass, ProductIsShownInKilograms)
{
    struct Case {
        const char* volume;
        const char* density;
        double mass;       // kg
        const char* text;  // with a point for the separator
    };
    const Case cases[] = {
        {"1000000", "7850", 7.85, "7.850"},            // a cube of 100 mm of steel
        {"12345670", "1000", 12.34567, "12.346"},      // the third decimal rounds up
        {"60", "7850", 0.000471, "0.000"},             // below half a gram
        {"-1000000", "7850", -7.85, "-7.850"},         // nothing is refused
        {"0", "7850", 0, "0.000"},
        {"2.5e6", "2700", 6.75, "6.750"},              // aluminium, exponent typed
        {"9999999400000", "1000", 9999999.4, "9999999.000"}, // seven digits, zeros after them
        {"9999999600000", "1000", 9999999.6, "1E7"},   // rounds to eight digits: exponent form
        {"12345678900000", "1000", 12345678.9, "1.234568E7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        calculate(dec(c.volume), dec(c.density));
        ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
        EXPECT_EQ(shown(), QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(fields().Dim07, c.mass);
        EXPECT_DOUBLE_EQ(fields().Dim00, acad::StrToFloat(dec(c.volume)));
        EXPECT_DOUBLE_EQ(fields().Dim12, acad::StrToFloat(dec(c.density)));
    }
    // A mass in exponent form reads back as a number of seven digits.
    EXPECT_EQ(acad::StrToFloat(text("Panel44", "Edit55")), 12345680.0);
    // The same inputs give the same text again; the edits stay as typed.
    press("Panel44", "BitBtn34");
    EXPECT_EQ(shown(), QStringLiteral("1.234568E7"));
    EXPECT_EQ(text("Panel44", "Edit54"), QStringLiteral("12345678900000"));
}

TEST_F(Mass, BadInputChangesNothingItHasNotReached)
{
    calculate("1000000", "7850");
    const QString before = text("Panel44", "Edit55");
    struct Case {
        QString volume, density, message;
        double volumeAfter;
    };
    std::vector<Case> cases = {
        {"", "7850", notAFloat(""), 1000000},
        {"1 000", "7850", notAFloat("1 000"), 1000000},
        {"2000000", "", notAFloat(""), 2000000},          // the volume is kept already
        {"3000000", "сталь", notAFloat("сталь"), 3000000},
    };
    if (acad::decimalSeparator() == u',')
        cases.push_back({"1000000.5", "7850", notAFloat("1000000.5"), 3000000}); // as copied with a point
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        errors.clear();
        calculate(c.volume, c.density);
        EXPECT_EQ(errors, QStringList{c.message});
        EXPECT_EQ(fields().Dim00, c.volumeAfter);
        EXPECT_EQ(fields().Dim12, 7850);
        EXPECT_DOUBLE_EQ(fields().Dim07, 7.85);
        EXPECT_EQ(text("Panel44", "Edit55"), before);
    }
    EXPECT_EQ(count(), 0);
}

TEST_F(Mass, OverflowIsAFailure)
{
    calculate("1000000", "7850");
    errors.clear();
    calculate(dec("1e300"), dec("1e300"));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Floating point overflow.")});
    EXPECT_DOUBLE_EQ(fields().Dim07, 7.85);
    EXPECT_EQ(shown(), QStringLiteral("7.850"));
}
