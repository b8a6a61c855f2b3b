#include "acad/view/scene.h"

#include "acad/errors.h"

#include <AIS_ColoredDrawer.hxx>
#include <AIS_ColoredShape.hxx>
#include <AIS_DisplayMode.hxx>
#include <AIS_Shape.hxx>
#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Builder.hxx>
#include <Font_NameOfFont.hxx>
#include <Graphic3d_MaterialAspect.hxx>
#include <IMeshTools_Parameters.hxx>
#include <Prs3d_Drawer.hxx>
#include <Prs3d_LineAspect.hxx>
#include <Prs3d_ShadingAspect.hxx>
#include <Standard_Failure.hxx>
#include <StdPrs_BRepFont.hxx>
#include <StdPrs_BRepTextBuilder.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Compound.hxx>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace acad::view {

namespace {

// Curved faces and edges are cut into chords that turn by at most this angle.
constexpr double kDeviationAngle = 0.5;

Quantity_Color fromRgb(const std::array<uint8_t, 3>& rgb)
{
    return Quantity_Color(rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0, Quantity_TOC_sRGB);
}

void addPoint(std::vector<double>& numbers, const gp_Pnt& p)
{
    numbers.insert(numbers.end(), {p.X(), p.Y(), p.Z()});
}

void addDir(std::vector<double>& numbers, const gp_Dir& d)
{
    numbers.insert(numbers.end(), {d.X(), d.Y(), d.Z()});
}

// The presentation uses the mesh made beforehand by mesh() and never makes
// its own: it would judge the mesh by other measures and make it again.
void setDeflection(const Handle(Prs3d_Drawer)& drawer, double deflection)
{
    drawer->SetTypeOfDeflection(Aspect_TOD_ABSOLUTE);
    drawer->SetMaximalChordialDeviation(deflection);
    drawer->SetDeviationAngle(kDeviationAngle);
    drawer->SetAutoTriangulation(false);
}

// Meshes all faces at once, in parallel. The Delabella triangulation is
// several times quicker than the default one on faces with many edges or
// holes, which bodies of thousands of faces tend to have.
void mesh(const TopoDS_Shape& shape, double deflection)
{
    IMeshTools_Parameters parameters;
    parameters.Deflection = deflection;
    parameters.Angle = kDeviationAngle;
    parameters.InParallel = true;
    parameters.MeshAlgo = IMeshTools_MeshAlgoType_Delabella;
    BRepMesh_IncrementalMesh(shape, parameters);
}

// The edges of a shaded face: a darker shade of its colour, so they outline
// a plain body and only deepen the shading where faces are many and narrow.
Quantity_Color edgeColour(const Quantity_Color& face)
{
    constexpr double k = 0.2;
    return Quantity_Color(face.Red() * k, face.Green() * k, face.Blue() * k, Quantity_TOC_RGB);
}

// A shape whose faces may each have a colour of their own. Faces of one
// colour share one set of aspects, so they draw as one group however many
// they are.
class FaceColouredShape : public AIS_ColoredShape {
public:
    explicit FaceColouredShape(const TopoDS_Shape& shape) : AIS_ColoredShape(shape) {}

    void setFaceColour(const TopoDS_Shape& face, const Quantity_Color& colour)
    {
        for (const auto& [c, drawer] : drawers_)
            if (c.IsEqual(colour)) {
                ChangeCustomAspectsMap().Bind(face, drawer);
                return;
            }
        SetCustomColor(face, colour);
        const Handle(AIS_ColoredDrawer)& drawer = CustomAspectsMap().Find(face);
        drawer->SetFaceBoundaryDraw(true);
        drawer->SetFaceBoundaryAspect(new Prs3d_LineAspect(edgeColour(colour), Aspect_TOL_SOLID, 1.0));
        drawers_.emplace_back(colour, drawer);
    }

private:
    std::vector<std::pair<Quantity_Color, Handle(AIS_ColoredDrawer)>> drawers_;
};

Handle(AIS_InteractiveObject) solidPresentation(const SolidEntity& solid, double deflection)
{
    const std::vector<SolidPiece>& pieces = solid.body.pieces();
    const TopoDS_Shape shape = solid.body.piecesCompound();
    if (shape.IsNull())
        return {};
    mesh(shape, deflection);

    Handle(FaceColouredShape) prs = new FaceColouredShape(shape);
    setDeflection(prs->Attributes(), deflection);
    prs->SetMaterial(Graphic3d_MaterialAspect(Graphic3d_NameOfMaterial_Plastified));
    prs->SetColor(screenColour(solid.colour));
    const Handle(Prs3d_Drawer)& drawer = prs->Attributes();
    drawer->SetFaceBoundaryDraw(true);
    drawer->SetFaceBoundaryAspect(new Prs3d_LineAspect(edgeColour(screenColour(solid.colour)), Aspect_TOL_SOLID, 1.0));

    for (const SolidPiece& piece : pieces) {
        if (piece.colours.empty())
            continue;
        for (TopExp_Explorer it(piece.shape, TopAbs_FACE); it.More(); it.Next()) {
            const Colour* c = piece.colours.find(it.Current());
            if (c && !(*c == solid.colour))
                prs->setFaceColour(it.Current(), screenColour(*c));
        }
    }
    return prs;
}

Handle(AIS_InteractiveObject) regionPresentation(const RegionEntity& region, double deflection)
{
    if (region.faces.IsNull())
        return {};
    mesh(region.faces, deflection);
    Handle(AIS_Shape) prs = new AIS_Shape(region.faces);
    setDeflection(prs->Attributes(), deflection);
    const Quantity_Color colour = screenColour(region.colour);
    prs->SetMaterial(Graphic3d_MaterialAspect(Graphic3d_NameOfMaterial_Plastified));
    prs->SetColor(colour);
    prs->SetTransparency(0.3);
    prs->Attributes()->SetFaceBoundaryDraw(true);
    prs->Attributes()->SetFaceBoundaryAspect(new Prs3d_LineAspect(colour, Aspect_TOL_SOLID, lineWidth(region.lineweight)));
    return prs;
}

Handle(AIS_InteractiveObject) wirePresentation(const Entity& entity, double deflection)
{
    const TopoDS_Shape shape = entity.shape();
    if (shape.IsNull())
        return {};
    Handle(AIS_Shape) prs = new AIS_Shape(shape);
    setDeflection(prs->Attributes(), deflection);
    prs->SetColor(screenColour(entity.colour));
    prs->SetWidth(lineWidth(entity.lineweight));
    return prs;
}

// A paragraph break of a multiline text's own markup becomes a line break.
QString plainText(const QString& text)
{
    QString s = text;
    s.replace(QLatin1String("\\P"), QLatin1String("\n"));
    return s;
}

// Fonts of the texts by size; glyph outlines are kept by the font, so a
// size used again costs nothing.
Handle(StdPrs_BRepFont) fontOf(double size)
{
    static std::map<double, Handle(StdPrs_BRepFont)> fonts;
    if (const auto it = fonts.find(size); it != fonts.end())
        return it->second;
    if (fonts.size() > 32)
        fonts.clear();
    Handle(StdPrs_BRepFont) font = StdPrs_BRepFont::FindAndCreate(Font_NOF_SANS_SERIF, Font_FA_Regular, size);
    fonts.emplace(size, font);
    return font;
}

// The text as flat glyph outlines lying in its plane, so it is as tall in
// the model as the text's height and follows the view like any geometry.
// Each line of the text's layout stands in its box, aligned to the left,
// the centre or the right as the attachment names.
Handle(AIS_InteractiveObject) textPresentation(const MTextEntity& mtext, double deflection)
{
    if (plainText(mtext.text).trimmed().isEmpty() || !(mtext.height > 0))
        return {};
    // The height of a text is that of its capitals, about 0.73 of the
    // font's size.
    const Handle(StdPrs_BRepFont) font = fontOf(mtext.height / 0.73);
    if (font.IsNull())
        return {};
    const gp_Dir n = mtext.normal;
    const gp_Dir x = mtext.xDirection();
    const gp_Vec down = -gp_Vec(mtext.yDirection());
    // Attachment points run left to right, then top to bottom, from 1.
    const int column = (std::clamp(mtext.attachment, 1, 9) - 1) % 3;
    static const Graphic3d_HorizontalTextAlignment h[] = {Graphic3d_HTA_LEFT, Graphic3d_HTA_CENTER, Graphic3d_HTA_RIGHT};
    const gp_Pnt top = mtext.upperLeft().Translated(0.5 * column * mtext.boxWidth() * gp_Vec(x));
    TopoDS_Compound glyphs;
    BRep_Builder builder;
    builder.MakeCompound(glyphs);
    bool any = false;
    const QStringList lines = mtext.lines();
    for (int k = 0; k < lines.size(); ++k) {
        if (lines[k].trimmed().isEmpty())
            continue;
        // The line's capitals stand between its top and its baseline.
        const gp_Pnt baseline = top.Translated(down * (mtext.height + k * MTextEntity::kLineSpacing * mtext.height));
        StdPrs_BRepTextBuilder textBuilder;
        const TopoDS_Shape line = textBuilder.Perform(*font, NCollection_String(lines[k].toUtf8().constData()),
                                                      gp_Ax3(baseline, n, x), h[column], Graphic3d_VTA_BOTTOM);
        if (line.IsNull())
            continue;
        builder.Add(glyphs, line);
        any = true;
    }
    if (!any)
        return {};
    const double chord = std::min(deflection, mtext.height * 0.02);
    mesh(glyphs, chord);
    Handle(AIS_Shape) prs = new AIS_Shape(glyphs);
    setDeflection(prs->Attributes(), chord);
    prs->SetColor(screenColour(mtext.colour));
    // Text shows its colour as it is, unshaded.
    prs->Attributes()->ShadingAspect()->Aspect()->SetShadingModel(Graphic3d_TOSM_UNLIT);
    return prs;
}

} // namespace

Quantity_Color screenColour(const Colour& colour)
{
    if (colour.kind == Colour::Kind::ByLayer || colour.kind == Colour::Kind::ByBlock)
        return fromRgb({225, 225, 225});
    return fromRgb(colour.rgb());
}

double lineWidth(int lineweight)
{
    if (lineweight < 25)
        return 1.0;
    return 1.0 + std::min(lineweight, 75) / 25;
}

bool EntityState::operator==(const EntityState& other) const
{
    if (type != other.type || !(colour == other.colour) || lineweight != other.lineweight
        || faceColourCount != other.faceColourCount || numbers != other.numbers || text != other.text
        || shapes.size() != other.shapes.size())
        return false;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (!shapes[i].IsEqual(other.shapes[i]))
            return false;
    return true;
}

EntityState stateOf(const Entity& entity)
{
    EntityState s;
    s.type = entity.type();
    s.colour = entity.colour;
    s.lineweight = entity.lineweight;
    switch (entity.type()) {
    case EntityType::Polyline: {
        const auto& p = static_cast<const PolylineEntity&>(entity);
        for (const gp_Pnt& v : p.points)
            addPoint(s.numbers, v);
        s.numbers.insert(s.numbers.end(), p.bulges.begin(), p.bulges.end());
        addDir(s.numbers, p.normal);
        break;
    }
    case EntityType::Polyline3D:
        for (const gp_Pnt& v : static_cast<const Polyline3DEntity&>(entity).points)
            addPoint(s.numbers, v);
        break;
    case EntityType::Region:
        s.shapes.push_back(static_cast<const RegionEntity&>(entity).faces);
        break;
    case EntityType::Solid:
        for (const SolidPiece& piece : static_cast<const SolidEntity&>(entity).body.pieces()) {
            s.shapes.push_back(piece.shape);
            s.faceColourCount += piece.colours.size();
        }
        break;
    case EntityType::Line: {
        const auto& l = static_cast<const LineEntity&>(entity);
        addPoint(s.numbers, l.start);
        addPoint(s.numbers, l.end);
        break;
    }
    case EntityType::Arc:
    case EntityType::Circle: {
        const auto& a = static_cast<const ArcEntity&>(entity);
        addPoint(s.numbers, a.position.Location());
        addDir(s.numbers, a.position.Direction());
        addDir(s.numbers, a.position.XDirection());
        s.numbers.insert(s.numbers.end(), {a.radius, a.startAngle, a.endAngle});
        break;
    }
    case EntityType::MText: {
        const auto& t = static_cast<const MTextEntity&>(entity);
        addPoint(s.numbers, t.insertion);
        addDir(s.numbers, t.normal);
        s.numbers.insert(s.numbers.end(), {t.width, t.height, double(t.attachment), t.rotation});
        s.text = t.text;
        break;
    }
    }
    return s;
}

bool resolveSolid(const SolidEntity& solid)
{
    if (solid.body.pieceCount() <= 1)
        return true;
    try {
        (void)solid.body.shape();
        return true;
    } catch (const Exception&) {
    } catch (const Standard_Failure&) {
    }
    return false;
}

Bnd_Box boxOf(const Entity& entity)
{
    Bnd_Box box;
    switch (entity.type()) {
    case EntityType::Solid: {
        const TopoDS_Shape s = static_cast<const SolidEntity&>(entity).body.piecesCompound();
        if (!s.IsNull())
            BRepBndLib::Add(s, box, true);
        break;
    }
    case EntityType::MText: {
        const auto& t = static_cast<const MTextEntity&>(entity);
        // The text's box, whatever its turn.
        for (int point : {1, 3, 7, 9})
            box.Add(t.boxPoint(point));
        break;
    }
    default:
        box = entity.boundingBox();
    }
    return box;
}

Handle(AIS_InteractiveObject) presentationOf(const Entity& entity, double deflection)
{
    switch (entity.type()) {
    case EntityType::Solid:
        return solidPresentation(static_cast<const SolidEntity&>(entity), deflection);
    case EntityType::Region:
        return regionPresentation(static_cast<const RegionEntity&>(entity), deflection);
    case EntityType::MText:
        return textPresentation(static_cast<const MTextEntity&>(entity), deflection);
    default:
        return wirePresentation(entity, deflection);
    }
}

int displayModeOf(const Entity& entity)
{
    switch (entity.type()) {
    case EntityType::Solid:
    case EntityType::Region:
    case EntityType::MText:
        return AIS_Shaded;
    default:
        return AIS_WireFrame;
    }
}

} // namespace acad::view
