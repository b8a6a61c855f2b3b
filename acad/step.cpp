// Saving the drawing as a STEP file: solids with the colours of their faces,
// regions and curves, so that the parts can be taken into any CAD program.
#include "acad/errors.h"
#include "acad/model.h"

#include <IFSelect_ReturnStatus.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <Interface_Static.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_StepModelType.hxx>
#include <TDF_Label.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

namespace acad {

namespace {

Quantity_Color toQuantity(const Colour& c)
{
    const auto rgb = c.rgb();
    return Quantity_Color(rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0, Quantity_TOC_sRGB);
}

bool coloured(const Colour& c)
{
    return c.kind == Colour::Kind::Index || c.kind == Colour::Kind::Rgb;
}

QString nameOf(const Entity& e, int number)
{
    switch (e.type()) {
    case EntityType::Solid: return QStringLiteral("Тело %1").arg(number);
    case EntityType::Region: return QStringLiteral("Область %1").arg(number);
    default: return QStringLiteral("Кривая %1").arg(number);
    }
}

} // namespace

void Document::saveAs(const QString& path)
{
    // The writer's statistics are of no use to the user.
    for (const Handle(Message_Printer)& printer : Message::DefaultMessenger()->Printers())
        printer->SetTraceLevel(Message_Fail);
    Handle(TDocStd_Document) doc;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
    const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
    const Handle(XCAFDoc_ColorTool) colours = XCAFDoc_DocumentTool::ColorTool(doc->Main());
    int number = 0;
    for (const auto& e : entities_) {
        if (e->type() == EntityType::MText)
            continue;
        const TopoDS_Shape shape = e->shape();
        if (shape.IsNull())
            continue;
        const TDF_Label label = shapes->AddShape(shape, false);
        TDataStd_Name::Set(label, TCollection_ExtendedString(nameOf(*e, ++number).toUtf8().constData(), true));
        if (coloured(e->colour))
            colours->SetColor(label, toQuantity(e->colour), e->type() == EntityType::Solid || e->type() == EntityType::Region
                                                                ? XCAFDoc_ColorSurf
                                                                : XCAFDoc_ColorCurv);
        if (e->type() != EntityType::Solid)
            continue;
        const auto& solid = static_cast<const SolidEntity&>(*e);
        const FaceColours& faceColours = solid.body.faceColours();
        if (faceColours.empty())
            continue;
        TopTools_IndexedMapOfShape faces;
        TopExp::MapShapes(shape, TopAbs_FACE, faces);
        for (int i = 1; i <= faces.Extent(); ++i) {
            const Colour* c = faceColours.find(faces(i));
            if (!c || !coloured(*c))
                continue;
            const TDF_Label sub = shapes->AddSubShape(label, faces(i));
            if (!sub.IsNull())
                colours->SetColor(sub, toQuantity(*c), XCAFDoc_ColorSurf);
        }
    }
    STEPCAFControl_Writer writer;
    writer.SetColorMode(true);
    writer.SetNameMode(true);
    Interface_Static::SetCVal("write.step.unit", "MM");
    if (!writer.Transfer(doc, STEPControl_AsIs))
        throw EOleException("Не удалось записать файл STEP", kErrModeling);
    if (writer.Write(path.toLocal8Bit().constData()) != IFSelect_RetDone)
        throw EOleException(("Не удалось записать файл " + path).toStdString(), kErrModeling);
    markSaved();
}

} // namespace acad
