#include "figure/pose_file.h"

#include "acad/errors.h"
#include "acad/fpu.h"
#include "acad/numbers.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

namespace figure {

QString poseFileLine(double hundredfold)
{
    acad::fpu::checkValue(hundredfold);
    if (std::fabs(std::round(hundredfold)) < 1e7)
        return acad::FloatToStrF(hundredfold, 7, 0);
    return QString::number(std::round(hundredfold), 'f', 0);
}

void writePoseFile(const QStringList& lines)
{
    using acad::EInOutError;
    const QString name = QString::fromLatin1(kPoseFileName);
    // A file that may not be written stays as it is: the new one would
    // otherwise simply take its place.
    if (QFileInfo::exists(name)) {
        QFile existing(name);
        if (QFileInfo(name).isDir() || !existing.open(QIODevice::WriteOnly | QIODevice::Append))
            throw EInOutError(EInOutError::AccessDenied);
    }
    QSaveFile file(name);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError(EInOutError::AccessDenied);
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLatin1() + "\r\n";
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        throw EInOutError(EInOutError::DiskFull);
    }
    if (!file.commit()) {
        const bool full = file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResourceError;
        throw EInOutError(full ? EInOutError::DiskFull : EInOutError::AccessDenied);
    }
}

std::array<double, kPoseSize> parsePoseFile(const QByteArray& contents)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    std::array<double, kPoseSize> values{};
    const auto separates = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    qsizetype at = 0;
    const qsizetype end = contents.size();
    for (double& value : values) {
        while (at < end && separates(contents[at]))
            ++at;
        if (at == end)
            break;
        const qsizetype start = at;
        while (at < end && !separates(contents[at]))
            ++at;
        const QByteArray token = contents.mid(start, at - start);
        bool ok = number.match(QString::fromLatin1(token)).hasMatch();
        if (ok)
            value = token.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            throw acad::EInOutError(acad::EInOutError::InvalidNumericInput);
        // The rest of the line.
        while (at < end && contents[at] != '\n' && contents[at] != '\r')
            ++at;
        if (at < end && contents[at] == '\r')
            ++at;
        if (at < end && contents[at] == '\n')
            ++at;
    }
    return values;
}

std::array<double, kPoseSize> readPoseFile()
{
    using acad::EInOutError;
    const QString name = QString::fromLatin1(kPoseFileName);
    QFile file(name);
    if (!QFileInfo::exists(name))
        throw EInOutError(EInOutError::FileNotFound);
    if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly))
        throw EInOutError(EInOutError::AccessDenied);
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(EInOutError::AccessDenied);
    return parsePoseFile(contents);
}

} // namespace figure
