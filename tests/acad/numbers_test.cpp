// Numbers typed into and written out of edit boxes, the floating-point
// faults and the text of the error box.
#include "acad/errors.h"
#include "acad/fields.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "acad/procedure.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <ostream>

using namespace acad;

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// A text written with "." for the decimal separator, "#" for the other one
// (the separator of the other regional settings), as the user types it under
// the regional settings in force.
QString typed(const char16_t* text)
{
    const QChar other = decimalSeparator() == u'.' ? u',' : u'.';
    QString t = QString::fromUtf16(text);
    for (QChar& c : t) {
        if (c == u'.')
            c = decimalSeparator();
        else if (c == u'#')
            c = other;
    }
    return t;
}

struct Parse {
    const char16_t* text;
    std::optional<double> value; // nothing: not a number
};

} // namespace

// The runs under the Russian regional settings are real: the C runtime
// itself reads and writes numbers with a decimal comma there.
TEST(Numbers, RunUnderTheRegionalSettingsOfTheEnvironment)
{
    const QChar runtime = QChar::fromLatin1(*std::localeconv()->decimal_point);
    EXPECT_EQ(decimalSeparator(), runtime);
    if (qEnvironmentVariable("LC_ALL", qEnvironmentVariable("LANG")).startsWith(u"ru_RU")) {
        EXPECT_EQ(runtime, QChar(u','));
    }
}

TEST(Numbers, ReadWithTheSeparatorOfTheRegionalSettings)
{
    const Parse cases[] = {
        {u"12", 12}, {u" 12.5 ", 12.5}, {u"\t-3.25", -3.25}, {u"+7", 7}, {u"1e3", 1000}, {u"1.5E-2", 0.015},
        {u"5.", 5}, {u".5", 0.5}, {u"-.5e+1", -5}, {u"-0.25e2", -25}, {u"007", 7}, {u"10.5", 10.5},
        {u"140.0", 140}, {u"1e-400", 0},
        {u"", {}}, {u"   ", {}}, {u"abc", {}}, {u"1.2.3", {}}, {u"1#5", {}}, {u"1.5#", {}}, {u"#5", {}},
        {u"e5", {}}, {u"1e", {}}, {u"--1", {}}, {u"1 2", {}}, {u".", {}}, {u"+", {}}, {u"1e+", {}},
        {u"1e2.5", {}}, {u"0x10", {}}, {u"inf", {}}, {u"nan", {}}, {u"1e999", {}}, {u"12мм", {}},
        {u"1\u00a0000", {}},
    };
    for (const Parse& c : cases) {
        const QString text = typed(c.text);
        SCOPED_TRACE(text.toStdString());
        if (c.value) {
            EXPECT_DOUBLE_EQ(StrToFloat(text), *c.value);
        } else {
            try {
                StrToFloat(text);
                ADD_FAILURE() << "accepted";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
            }
        }
    }
}

TEST(Numbers, IntegersForRowNumbers)
{
    EXPECT_EQ(StrToInt(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(StrToInt(QStringLiteral("-3")), -3);
    EXPECT_EQ(StrToInt(QStringLiteral("2147483647")), 2147483647);
    for (const char* bad : {"", "1.0", "1,0", "2147483648", "x1", "1 2"}) {
        try {
            StrToInt(QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(bad)));
        }
    }
}

TEST(Numbers, WrittenWithPrecisionAndDecimals)
{
    struct Case {
        double value;
        int p, d;
        const char* point; // with "." for the separator
    };
    const Case cases[] = {
        {11.547005383792516, 7, 4, "11.5470"}, // the trailing zero is written
        {27.712812921102035, 7, 4, "27.7128"},
        {2.675, 7, 2, "2.68"},                 // halves away from zero, as the digits read
        {-2.675, 7, 2, "-2.68"},
        {9.995, 7, 2, "10.00"},
        {-0.004, 7, 2, "0.00"},
        {1234.5678, 5, 3, "1234.600"},         // five significant digits, then zeros
        {0.000123456, 3, 6, "0.000123"},
        {123456.789, 4, 2, "1.235E5"},         // more integer digits than the precision
        {-98765.4, 3, 0, "-9.88E4"},
        {0, 7, 3, "0.000"},
        {42, 3, 0, "42"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(FloatToStrF(c.value, c.p, c.d), QString::fromLatin1(c.point).replace(u'.', decimalSeparator()));
    }
}

TEST(Errors, FloatingPointFaultsCarryTheirTexts)
{
    TAcadDocument connection;
    acad::server::setReachable(true);
    connection.Connect();
    WorkingFields f(connection);
    volatile double zero = 0, minusOne = -1, huge = 1000;
    struct Case {
        std::function<double()> compute;
        const char* message;
    };
    const Case cases[] = {
        {[&] { return std::sqrt(minusOne); }, "Invalid floating point operation"},
        {[&] { return 1.0 / zero; }, "Floating point division by zero"},
        {[&] { return std::exp(huge); }, "Floating point overflow"},
    };
    for (const Case& c : cases) {
        // The fault surfaces before the value reaches the drawing ...
        bool failed = false;
        const QString message = runProcedure([&] {
            f.BasePoint = AcadPoint(c.compute(), 0, 0);
            f.ModelSpace().AddSphere(f.BasePoint, 1);
        }, &failed);
        EXPECT_TRUE(failed);
        EXPECT_EQ(message, QString::fromLatin1(c.message));
        // ... or an edit box.
        EXPECT_EQ(runProcedure([&] { FloatToStrF(2 * c.compute(), 7, 3); }), QString::fromLatin1(c.message));
    }
    EXPECT_EQ(connection.ModelSpace().Count(), 0);
    // A procedure that runs through reports nothing; underflow is no fault.
    bool failed = true;
    EXPECT_TRUE(runProcedure([&] { f.Dim00 = std::exp(-1000.0 * huge); }, &failed).isEmpty());
    EXPECT_FALSE(failed);
    acad::server::shutdown();
}

// A conversion after the fault neither hides it nor goes before it: the
// procedure ends with the fault, and the value it left stays in the bank.
TEST(Errors, FaultBeforeAConversionIsReportedAndNotForgotten)
{
    TAcadDocument connection;
    WorkingFields f(connection);
    volatile double minusOne = -1;
    for (const char* typed : {"5", "пять"}) {
        SCOPED_TRACE(typed);
        bool failed = false;
        const QString message = runProcedure([&] {
            f.Dim00 = std::sqrt(minusOne);
            f.Dim01 = StrToFloat(QString::fromUtf8(typed));
        }, &failed);
        EXPECT_TRUE(failed);
        EXPECT_EQ(message, QStringLiteral("Invalid floating point operation"));
        EXPECT_TRUE(std::isnan(f.Dim00));
    }
    // A conversion that overflows or underflows inside the C runtime leaves no
    // fault behind, and a text that is not a number is reported as such.
    EXPECT_EQ(runProcedure([&] { f.Dim01 = StrToFloat(QStringLiteral("1e999")); }),
              QStringLiteral("'1e999' is not a valid floating point value"));
    bool failed = true;
    EXPECT_TRUE(runProcedure([&] { f.Dim01 = StrToFloat(QStringLiteral("1e-400")); }, &failed).isEmpty());
    EXPECT_FALSE(failed);
}

// Of two faults in one procedure the error names the one that came first.
TEST(Errors, TheFirstFaultOfAProcedureIsNamed)
{
    volatile double zero = 0, minusOne = -1, big = 1e308, sink = 0;
    const auto invalid = [&] { sink = std::sqrt(minusOne); };
    const auto zeroDivide = [&] { sink = 1.0 / zero; };
    const auto overflow = [&] { sink = big * 10; };
    const auto slope = [&] { sink = std::sin(3.141592653589793 * big / 180); }; // overflow, then sin(inf)
    struct Case {
        std::function<void()> first, second;
        const char* message;
    };
    const Case cases[] = {
        {overflow, invalid, "Floating point overflow"},
        {invalid, overflow, "Invalid floating point operation"},
        {zeroDivide, invalid, "Floating point division by zero"},
        {invalid, zeroDivide, "Invalid floating point operation"},
        {overflow, zeroDivide, "Floating point overflow"},
        {zeroDivide, overflow, "Floating point division by zero"},
        {slope, [] {}, "Floating point overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(runProcedure([&] {
                      c.first();
                      c.second();
                  }),
                  QString::fromLatin1(c.message));
    }
    // A procedure that runs an event loop (shows a dialog) still reports its
    // faults, and the next procedure starts afresh.
    EXPECT_EQ(runProcedure([&] {
                  QCoreApplication::processEvents();
                  zeroDivide();
              }),
              QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(runProcedure([&] { invalid(); }), QStringLiteral("Invalid floating point operation"));
    EXPECT_TRUE(runProcedure([&] { sink = 1.5 * 2; }).isEmpty());
}

TEST(Errors, ErrorBoxAppendsAFullStopAfterLettersAndDigits)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"'' is not a valid floating point value", u"'' is not a valid floating point value."},
        {u"Объект удален", u"Объект удален."},
        {u"Width 5", u"Width 5."},
        {u"Done.", u"Done."},
        {u"Stop!", u"Stop!"},
        {u"(see above)", u"(see above)"},
        {u"trailing blank ", u"trailing blank "},
        {u"dash -", u"dash -"},
        {u"", u""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(errorBoxText(QString::fromUtf16(in)), QString::fromUtf16(out));
}

TEST(Errors, RefusalsLoseTrailingBlanksAndFullStops)
{
    EXPECT_EQ(oleErrorMessage("Modeling Operation Error. \r\n", 0x80210072u), "Modeling Operation Error");
    EXPECT_EQ(oleErrorMessage("", 0x8002000Bu), "Invalid index");
    EXPECT_EQ(oleErrorMessage(" .", 0x80040201u), "OLE error 80040201");
}
