// Saving the drawing as a STEP file: solids with the colours of their faces,
// regions and curves, so that the parts can be taken into any CAD program.
#include "acad/errors.h"
#include "acad/model.h"

#include <QDateTime>
#include <QFile>

#include <IFSelect_ReturnStatus.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <Interface_Static.hxx>
#include <Quantity_Color.hxx>
#include <Standard_Failure.hxx>
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

// A drawing with nothing to write is saved as a STEP file with no product:
// its header and the application context, which every reader accepts.
void writeEmpty(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EOleException(("Не удалось записать файл " + path).toStdString(), kErrModeling);
    const QByteArray now = QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1();
    const QByteArray text = "ISO-10303-21;\nHEADER;\n"
                            "FILE_DESCRIPTION(('Open CASCADE Model'),'2;1');\n"
                            "FILE_NAME('Open CASCADE Shape Model','" +
                            now +
                            "',('Author'),('Open CASCADE'),\n"
                            "  'Open CASCADE STEP processor 7.6','Open CASCADE 7.6','Unknown');\n"
                            "FILE_SCHEMA(('AUTOMOTIVE_DESIGN { 1 0 10303 214 1 1 1 1 }'));\n"
                            "ENDSEC;\nDATA;\n"
                            "#1 = APPLICATION_PROTOCOL_DEFINITION('international standard',\n"
                            "  'automotive_design',2000,#2);\n"
                            "#2 = APPLICATION_CONTEXT(\n"
                            "  'core data for automotive mechanical design processes');\n"
                            "ENDSEC;\nEND-ISO-10303-21;\n";
    if (file.write(text) != text.size())
        throw EOleException(("Не удалось записать файл " + path).toStdString(), kErrModeling);
}

// The shape a solid is written with: a union the kernel could not make is
// written as its pieces, so that nothing drawn is lost.
TopoDS_Shape savedShape(const Entity& e)
{
    if (e.type() != EntityType::Solid)
        return e.shape();
    const auto& solid = static_cast<const SolidEntity&>(e);
    try {
        return solid.body.shape();
    } catch (const Exception&) {
    } catch (const Standard_Failure&) {
    }
    return solid.body.piecesCompound();
}

void writeStep(const std::vector<std::shared_ptr<Entity>>& entities, const QString& path);

} // namespace

void Document::saveAs(const QString& path)
{
    try {
        writeStep(entities_, path);
    } catch (const Standard_Failure& f) {
        throw EOleException(std::string("Не удалось записать файл STEP: ") +
                                (f.GetMessageString() ? f.GetMessageString() : ""),
                            kErrModeling);
    }
    markSaved();
}

namespace {

void writeStep(const std::vector<std::shared_ptr<Entity>>& entities, const QString& path)
{
    // The writer's statistics are of no use to the user.
    for (const Handle(Message_Printer)& printer : Message::DefaultMessenger()->Printers())
        printer->SetTraceLevel(Message_Fail);
    Handle(TDocStd_Document) doc;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
    const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
    const Handle(XCAFDoc_ColorTool) colours = XCAFDoc_DocumentTool::ColorTool(doc->Main());
    int number = 0;
    for (const auto& e : entities) {
        if (e->type() == EntityType::MText)
            continue;
        const TopoDS_Shape shape = savedShape(*e);
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
        if (solid.body.pieceCount() > 1)
            continue; // written as its pieces
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
    if (number == 0) {
        writeEmpty(path);
        return;
    }
    STEPCAFControl_Writer writer;
    writer.SetColorMode(true);
    writer.SetNameMode(true);
    Interface_Static::SetCVal("write.step.unit", "MM");
    // The file's uncertainty is the least tolerance of its shapes: a curve
    // far out, whose tolerance had to be widened, must not coarsen the
    // parts a reader makes of the file.
    Interface_Static::SetIVal("write.precision.mode", -1);
    if (!writer.Transfer(doc, STEPControl_AsIs))
        throw EOleException("Не удалось записать файл STEP", kErrModeling);
    if (writer.Write(path.toLocal8Bit().constData()) != IFSelect_RetDone)
        throw EOleException(("Не удалось записать файл " + path).toStdString(), kErrModeling);
}

} // namespace

} // namespace acad
