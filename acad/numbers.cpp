#include "acad/numbers.h"

#include "acad/errors.h"
#include "acad/fpu.h"

#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>

namespace acad {

namespace {

std::optional<QChar>& separatorOverride()
{
    static std::optional<QChar> value;
    return value;
}

// The C locale, whatever the C runtime's numeric locale is: the accepted form
// is handed to the runtime in C notation.
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

bool isBlank(QChar c) { return c.unicode() <= u' '; }

QString trimmed(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Checks the accepted form and returns it in C notation, or nothing.
std::optional<std::string> decimalForm(const QString& text, QChar separator)
{
    const QString s = trimmed(text);
    std::string out;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        out += static_cast<char>(s[i++].unicode());
    int digits = 0;
    bool separatorSeen = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            out += static_cast<char>(s[i].unicode());
            ++digits;
        } else if (s[i] == separator && !separatorSeen) {
            out += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            out += static_cast<char>(s[i++].unicode());
        int exponentDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i, ++exponentDigits)
            out += static_cast<char>(s[i].unicode());
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    return out;
}

} // namespace

QChar decimalSeparator()
{
    if (separatorOverride())
        return *separatorOverride();
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

void setDecimalSeparator(QChar separator)
{
    separatorOverride() = separator;
}

double StrToFloat(const QString& text)
{
    // A fault of the procedure's arithmetic before the conversion ends it
    // first; the conversion's own flags are none of the procedure's.
    fpu::check();
    const auto form = decimalForm(text, decimalSeparator());
    if (form) {
        double value = 0;
        bool read = false;
        {
            fpu::KeepFaults keep;
            const int savedErrno = errno;
            errno = 0;
            char* end = nullptr;
            value = strtod_l(form->c_str(), &end, cLocale());
            read = !(errno == ERANGE && std::isinf(value)) && end == form->c_str() + form->size();
            errno = savedErrno;
        }
        if (read)
            return value;
    }
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

int StrToInt(const QString& text)
{
    const QString s = trimmed(text);
    bool ok = !s.isEmpty();
    long long value = 0;
    qsizetype i = 0;
    bool negative = false;
    if (ok && (s[0] == u'+' || s[0] == u'-')) {
        negative = s[0] == u'-';
        ++i;
    }
    if (i == s.size())
        ok = false;
    for (; ok && i < s.size(); ++i) {
        if (!isDigit(s[i])) {
            ok = false;
            break;
        }
        value = value * 10 + (s[i].unicode() - u'0');
        if (value > 2147483648LL)
            ok = false;
    }
    if (negative)
        value = -value;
    if (!ok || value > 2147483647LL || value < -2147483648LL)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<int>(value);
}

namespace {

// Decimal digits d1 d2 ... of a value d1.d2... * 10^exp10.
struct Digits {
    std::string ds;
    int exp10 = 0;
    bool zero() const { return ds.find_first_not_of('0') == std::string::npos; }
};

Digits decimalDigits(double magnitude)
{
    // The value's digits at double precision; rounding goes on from these,
    // so that 2.675 rounds as it reads.
    // In C notation whatever the C runtime's numeric locale is.
    char buffer[64];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14).ptr;
    const char* p = buffer;
    Digits d;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.ds += *p;
    if (p != end && p[1] == '+')
        p += 1;
    if (p != end)
        std::from_chars(p + 1, end, d.exp10);
    return d;
}

// Keeps `keep` digits, rounding half away from zero.
Digits rounded(Digits d, int keep)
{
    if (d.zero())
        return {"0", 0};
    if (keep < 0)
        return {"0", 0};
    if (keep == 0) {
        if (d.ds[0] >= '5')
            return {"1", d.exp10 + 1};
        return {"0", 0};
    }
    if (static_cast<int>(d.ds.size()) <= keep)
        return d;
    const bool up = d.ds[keep] >= '5';
    d.ds.resize(keep);
    if (up) {
        int k = keep - 1;
        while (k >= 0 && d.ds[k] == '9')
            d.ds[k--] = '0';
        if (k >= 0) {
            ++d.ds[k];
        } else {
            d.ds.insert(d.ds.begin(), '1');
            d.ds.pop_back();
            ++d.exp10;
        }
    }
    return d;
}

} // namespace

QString FloatToStrF(double value, int precision, int digits)
{
    fpu::check();
    fpu::checkValue(value);
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    const QChar sep = decimalSeparator();
    const Digits exact = decimalDigits(std::fabs(value));
    Digits d = rounded(exact, std::min(precision, exact.exp10 + 1 + digits));
    const bool negative = std::signbit(value) && !d.zero();
    QString out = negative ? QStringLiteral("-") : QString();

    if (!d.zero() && d.exp10 + 1 > precision) {
        // Exponent form with the precision's significant digits.
        Digits e = rounded(exact, precision);
        while (e.ds.size() > 1 && e.ds.back() == '0')
            e.ds.pop_back();
        out += QChar(e.ds[0]);
        if (e.ds.size() > 1)
            out += sep + QString::fromLatin1(e.ds.c_str() + 1);
        return out + QStringLiteral("E%1").arg(e.exp10);
    }

    std::string intPart, fracPart;
    if (d.zero()) {
        intPart = "0";
    } else if (d.exp10 >= 0) {
        for (int k = 0; k <= d.exp10; ++k)
            intPart += k < static_cast<int>(d.ds.size()) ? d.ds[k] : '0';
        for (int k = d.exp10 + 1; k < static_cast<int>(d.ds.size()); ++k)
            fracPart += d.ds[k];
    } else {
        intPart = "0";
        fracPart.assign(-d.exp10 - 1, '0');
        fracPart += d.ds;
    }
    fracPart.resize(digits, '0');
    out += QString::fromLatin1(intPart.c_str());
    if (digits > 0)
        out += sep + QString::fromLatin1(fracPart.c_str());
    return out;
}

} // namespace acad
