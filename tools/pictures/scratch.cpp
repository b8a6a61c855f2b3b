#include "tools/pictures/scratch.h"

#include "acad/fields.h"
#include "acad/interfaces.h"
#include "acad/model.h"
#include "acad/numbers.h"
#include "app/shell/errorbox.h"
#include "app/window/families.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QWidget>

#include <BRep_Builder.hxx>
#include <TopoDS_Compound.hxx>

#include <algorithm>
#include <cfenv>
#include <stdexcept>

namespace pictures {

ScratchWindow::ScratchWindow()
{
    // Flags of earlier arithmetic outside the panels' procedures (the
    // kernel's, the painter's) are none of the panels'.
    std::feclearexcept(FE_ALL_EXCEPT);
    acad::server::shutdown();
    acad::server::setReachable(true);
    connection.Connect();
    acad::setDecimalSeparator(u'.');
    for (app::CreatePanels create : app::partFamilies())
        create(*this, &client);
}

ScratchWindow::~ScratchWindow()
{
    acad::server::shutdown();
}

QWidget* ScratchWindow::panel(const char* name)
{
    auto* p = client.findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!p)
        throw std::runtime_error(std::string("no panel ") + name);
    return p;
}

QWidget* ScratchWindow::holder(QWidget* panel, const char* name)
{
    if (panel->findChild<QWidget*>(QString::fromLatin1(name)))
        return panel;
    for (QWidget* page : client.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (page->findChild<QWidget*>(QString::fromLatin1(name)))
            return page;
    return panel;
}

DrawnPart drawPart(const PartPicture& picture)
{
    return drawPart(picture, picture.sizes, picture.switches);
}

DrawnPart drawPart(const PartPicture& picture, const std::vector<Size>& sizes,
                   const std::vector<const char*>& switches)
{
    ScratchWindow window;
    QWidget* panel = window.panel(picture.panel);
    for (const Size& size : sizes)
        window.control<QLineEdit>(size.page ? window.panel(size.page) : panel, size.edit)
            ->setText(QString::number(size.value, 'g', 12));
    for (const char* name : switches)
        window.control<QRadioButton>(panel, name)->setChecked(true);

    QString failure;
    shell::setErrorBoxCapture([&failure](const QString& text) { failure = text; });
    // The button may stand on another page of the part.
    window.control<QAbstractButton>(window.holder(panel, picture.button), picture.button)->click();
    shell::setErrorBoxCapture({});
    if (!failure.isEmpty())
        throw std::runtime_error(std::string(picture.file) + ": " + failure.toStdString());

    const acad::Document& doc = *window.connection.Document().document();
    const QSize imageSize = window.control<QLabel>(panel, picture.image)->size();
    if (picture.drawn == Drawn::Solid) {
        std::vector<TopoDS_Shape> solids;
        for (int k = 0; k < doc.count(); ++k)
            if (doc.item(k)->type() == acad::EntityType::Solid)
                solids.push_back(doc.item(k)->shape());
        if (picture.solid == kNewestSolid && !solids.empty())
            return {solids.back(), imageSize};
        if (picture.solid >= 0 && picture.solid < static_cast<int>(solids.size()))
            return {solids[picture.solid], imageSize};
        throw std::runtime_error(std::string(picture.file) + ": the button drew no such solid");
    }
    // The drawing was empty before the press: all it holds the press drew.
    const bool lines = picture.drawn == Drawn::Lines;
    TopoDS_Compound drawn;
    BRep_Builder builder;
    builder.MakeCompound(drawn);
    bool any = false;
    for (int k = 0; k < doc.count(); ++k) {
        const acad::Entity& entity = *doc.item(k);
        bool wanted = false;
        if (!lines)
            wanted = entity.type() == acad::EntityType::Solid;
        else if (entity.type() == acad::EntityType::Line) {
            // Lines of no length are drawn but show nothing.
            const auto& line = static_cast<const acad::LineEntity&>(entity);
            wanted = line.start.Distance(line.end) > 0;
        } else if (entity.type() == acad::EntityType::Arc || entity.type() == acad::EntityType::Circle)
            wanted = static_cast<const acad::ArcEntity&>(entity).radius > 0;
        if (wanted && !entity.erased()) {
            const TopoDS_Shape shape = entity.shape();
            if (!shape.IsNull()) {
                builder.Add(drawn, shape);
                any = true;
            }
        }
    }
    if (!any)
        throw std::runtime_error(std::string(picture.file) + (lines ? ": the button drew no line" : ": the button drew no solid"));
    return {drawn, imageSize};
}

std::vector<std::string> panelLetters(const char* panelName)
{
    ScratchWindow window;
    QWidget* panel = window.panel(panelName);
    // The letter is the last word before "=", however long the label's
    // wording before it ("Шаг резьбы, . .  P =", "Alfa=") and however many
    // stars send the reader to a footnote ("L** =").
    static const QRegularExpression letter(QStringLiteral("(?:^|[^\\w])(\\w{1,5}?)\\s*\\**\\s*=\\s*$"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    // A big letter standing alone before the labels of the edits it names
    // in words ("D" before "цилиндра" and "поршня").
    static const QRegularExpression alone(QStringLiteral("^\\s*(\\w{1,4})\\s*$"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    const QList<QLabel*> labels = panel->findChildren<QLabel*>();
    const auto box = [panel](const QWidget* w) { return QRect(w->mapTo(panel, QPoint(0, 0)), w->size()); };
    // The label of an edit: the one whose buddy it is, or the one named
    // after it ("Edit5Label").
    const auto labelOf = [&](const QLineEdit* edit) -> const QLabel* {
        for (const QLabel* label : labels)
            if (label->buddy() == edit)
                return label;
        return panel->findChild<QLabel*>(edit->objectName() + QStringLiteral("Label"));
    };
    // The letter standing alone just before a label, level with it.
    const auto letterBefore = [&](const QLabel* words) -> const QLabel* {
        const QRect w = box(words);
        for (const QLabel* label : labels) {
            const QRect l = box(label);
            if (!label->buddy() && alone.match(label->text()).hasMatch() && l.right() < w.left() &&
                w.left() - l.right() < 40 && l.top() < w.bottom() && w.top() < l.bottom())
                return label;
        }
        return nullptr;
    };

    // Each label that names a letter gives it once, however many edits it
    // serves.
    std::vector<const QLabel*> named;
    std::vector<std::string> letters;
    for (const QLineEdit* edit : panel->findChildren<QLineEdit*>()) {
        const QLabel* label = labelOf(edit);
        if (!label)
            continue;
        QRegularExpressionMatch m = letter.match(label->text());
        if (!m.hasMatch()) {
            label = letterBefore(label);
            if (!label)
                continue;
            m = alone.match(label->text());
        }
        if (std::find(named.begin(), named.end(), label) != named.end())
            continue;
        named.push_back(label);
        letters.push_back(m.captured(1).toStdString());
    }
    return letters;
}

} // namespace pictures
