#include "app/shell/part_panel.h"

#include "acad/errors.h"

#include "acad/numbers.h"

namespace shell {

// The window's navigation places and sizes the panel.
PartPanel::PartPanel(PanelContext& context, QWidget* parent) : QFrame(parent), context_(context) {}

double PartPanel::readFloat(const QLineEdit* edit)
{
    return acad::StrToFloat(edit->text());
}

int PartPanel::readInt(const QLineEdit* edit)
{
    return acad::StrToInt(edit->text());
}

void PartPanel::writeFloat(QLineEdit* edit, double value, int precision, int digits)
{
    edit->setText(acad::FloatToStrF(value, precision, digits));
}

void limitCount(double count, const char* what)
{
    if (count > kMostRepetitions)
        throw acad::Exception(
            QStringLiteral("%1 не может быть больше %2").arg(QString::fromUtf8(what)).arg(kMostRepetitions));
}

} // namespace shell
