#include "acad/dxf.h"

#include "acad/errors.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_UniformDeflection.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Vertex.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <QByteArray>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>
#include <memory>
#include <string>
#include <vector>

namespace acad {

namespace {

constexpr double pi = 3.141592653589793;

// Numbers are written with a point whatever the regional settings say.
class ClassicNumbers {
public:
    ClassicNumbers() : global_(std::locale::global(std::locale::classic()))
    {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        numeric_ = current ? current : "C";
        std::setlocale(LC_NUMERIC, "C");
    }
    ~ClassicNumbers()
    {
        std::setlocale(LC_NUMERIC, numeric_.c_str());
        std::locale::global(global_);
    }

private:
    std::locale global_;
    std::string numeric_;
};

// The object coordinate system of a plane with the normal n (DXF's
// arbitrary axis algorithm).
struct Ocs {
    gp_Dir n, x, y;
    explicit Ocs(const gp_Dir& normal) : n(normal), x(1, 0, 0), y(0, 1, 0)
    {
        const gp_Dir world = std::abs(n.X()) < 1.0 / 64 && std::abs(n.Y()) < 1.0 / 64 ? gp_Dir(0, 1, 0) : gp_Dir(0, 0, 1);
        x = world.Crossed(n);
        y = n.Crossed(x);
    }
    gp_XYZ of(const gp_Pnt& p) const { return {p.XYZ().Dot(x.XYZ()), p.XYZ().Dot(y.XYZ()), p.XYZ().Dot(n.XYZ())}; }
    double angleOf(const gp_Vec& v) const { return std::atan2(v.Dot(gp_Vec(y)), v.Dot(gp_Vec(x))); }
};

class Writer {
public:
    Writer(DL_Dxf& dxf, DL_WriterA& dw) : dxf_(dxf), dw_(dw) {}

    void line(const LineEntity& e)
    {
        begin("LINE", e, "AcDbLine");
        point(10, e.start.XYZ());
        point(11, e.end.XYZ());
    }

    void arc(const ArcEntity& e)
    {
        const Ocs ocs(e.position.Direction());
        const bool circle = e.type() == EntityType::Circle;
        begin(circle ? "CIRCLE" : "ARC", e, "AcDbCircle");
        point(10, ocs.of(e.position.Location()));
        dw_.dxfReal(40, e.radius);
        normal(ocs.n);
        if (circle)
            return;
        // The entity's angles are measured about its own X direction; DXF
        // measures them from the OCS X axis, both counter-clockwise about
        // the normal.
        const gp_Vec along(e.position.XDirection()), up(e.position.YDirection());
        const auto angle = [&](double a) {
            return ocs.angleOf(along * std::cos(a) + up * std::sin(a)) * 180 / pi;
        };
        dw_.dxfString(100, "AcDbArc");
        dw_.dxfReal(50, angle(e.startAngle));
        dw_.dxfReal(51, angle(e.endAngle));
    }

    // A polyline in its plane: vertices with bulges; closed when the last
    // vertex repeats the first or when told.
    void polyline(const Entity& e, const gp_Dir& n, std::vector<gp_Pnt> points, std::vector<double> bulges,
                  bool closed)
    {
        if (points.size() >= 2 && points.front().Distance(points.back()) < 1e-12) {
            points.pop_back();
            closed = true;
        }
        bulges.resize(points.size(), 0.0);
        const Ocs ocs(n);
        begin("LWPOLYLINE", e, "AcDbPolyline");
        dw_.dxfInt(90, static_cast<int>(points.size()));
        dw_.dxfInt(70, closed ? 1 : 0);
        dw_.dxfReal(38, points.empty() ? 0.0 : ocs.of(points.front()).Z());
        for (std::size_t i = 0; i < points.size(); ++i) {
            const gp_XYZ p = ocs.of(points[i]);
            dw_.dxfReal(10, p.X());
            dw_.dxfReal(20, p.Y());
            if (bulges[i] != 0)
                dw_.dxfReal(42, bulges[i]);
        }
        normal(ocs.n);
    }

    void polyline3d(const Polyline3DEntity& e)
    {
        begin("POLYLINE", e, "AcDb3dPolyline");
        dw_.dxfInt(66, 1);
        point(10, gp_XYZ(0, 0, 0));
        dw_.dxfInt(70, 8);
        for (const gp_Pnt& p : e.points) {
            dw_.entity("VERTEX");
            dw_.dxfString(100, "AcDbEntity");
            dw_.entityAttributes(attributes(e));
            dw_.dxfString(100, "AcDbVertex");
            dw_.dxfString(100, "AcDb3dPolylineVertex");
            point(10, p.XYZ());
            dw_.dxfInt(70, 32);
        }
        dw_.entity("SEQEND");
        dw_.dxfString(100, "AcDbEntity");
        dw_.entityAttributes(attributes(e));
    }

    void region(const RegionEntity& e)
    {
        for (TopExp_Explorer f(e.faces, TopAbs_FACE); f.More(); f.Next()) {
            const TopoDS_Face face = TopoDS::Face(f.Current());
            BRepAdaptor_Surface surface(face);
            if (surface.GetType() != GeomAbs_Plane)
                continue;
            gp_Dir n = surface.Plane().Axis().Direction();
            if (face.Orientation() == TopAbs_REVERSED)
                n.Reverse();
            for (TopExp_Explorer w(face, TopAbs_WIRE); w.More(); w.Next())
                loop(e, TopoDS::Wire(w.Current()), face, n);
        }
    }

    void mtext(const MTextEntity& e)
    {
        const Ocs ocs(e.normal);
        begin("MTEXT", e, "AcDbMText");
        point(10, e.insertion.XYZ());
        dw_.dxfReal(40, e.height);
        dw_.dxfReal(41, e.width);
        dw_.dxfInt(71, e.attachment);
        dw_.dxfInt(72, 1); // left to right
        QString text = e.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\\P")).replace(QLatin1Char('\n'), QStringLiteral("\\P"));
        const std::string s = dxfText(text);
        // Texts longer than 250 characters go in pieces, the last one in 1.
        std::size_t at = 0;
        while (s.size() - at > 250) {
            dw_.dxfString(3, s.substr(at, 250));
            at += 250;
        }
        dw_.dxfString(1, s.substr(at));
        dw_.dxfString(7, "Standard");
        normal(ocs.n);
        const gp_Dir x = e.xDirection();
        point(11, x.XYZ());
        dw_.dxfReal(50, e.rotation);
    }

private:
    static DL_Attributes attributes(const Entity& e)
    {
        DL_Attributes a;
        a.setLayer("0");
        switch (e.colour.kind) {
        case Colour::Kind::ByLayer: a.setColor(256); break;
        case Colour::Kind::ByBlock: a.setColor(0); break;
        case Colour::Kind::Index: a.setColor(e.colour.index); break;
        case Colour::Kind::Rgb:
            a.setColor(7);
            a.setColor24((e.colour.r << 16) | (e.colour.g << 8) | e.colour.b);
            break;
        }
        a.setWidth(e.lineweight);
        a.setLinetype("ByLayer");
        return a;
    }
    void begin(const char* name, const Entity& e, const char* subclass)
    {
        dw_.entity(name);
        dw_.dxfString(100, "AcDbEntity");
        dw_.entityAttributes(attributes(e));
        dw_.dxfString(100, subclass);
    }
    void point(int code, const gp_XYZ& p)
    {
        dw_.dxfReal(code, p.X());
        dw_.dxfReal(code + 10, p.Y());
        dw_.dxfReal(code + 20, p.Z());
    }
    void normal(const gp_Dir& n)
    {
        if (n.IsEqual(gp_Dir(0, 0, 1), 1e-12))
            return;
        point(210, n.XYZ());
    }

    // A loop of a region's face: each edge from its first point, a
    // circular edge with the bulge of its sweep about the face's normal,
    // any other curve in short straight pieces.
    void loop(const Entity& e, const TopoDS_Wire& wire, const TopoDS_Face& face, const gp_Dir& n)
    {
        std::vector<gp_Pnt> points;
        std::vector<double> bulges;
        for (BRepTools_WireExplorer x(wire, face); x.More(); x.Next()) {
            const TopoDS_Edge& edge = x.Current();
            if (BRep_Tool::Degenerated(edge))
                continue;
            BRepAdaptor_Curve curve(edge);
            const bool reversed = edge.Orientation() == TopAbs_REVERSED;
            double first = curve.FirstParameter(), last = curve.LastParameter();
            if (curve.GetType() == GeomAbs_Line) {
                points.push_back(curve.Value(reversed ? last : first));
                bulges.push_back(0);
            } else if (curve.GetType() == GeomAbs_Circle) {
                const double about = curve.Circle().Axis().Direction().Dot(n) > 0 ? 1.0 : -1.0;
                double sweep = (last - first) * about * (reversed ? -1 : 1);
                // A whole circle goes as two halves.
                const int halves = std::abs(std::abs(last - first) - 2 * pi) < 1e-9 ? 2 : 1;
                for (int k = 0; k < halves; ++k) {
                    const double from = reversed ? last - k * (last - first) / halves : first + k * (last - first) / halves;
                    points.push_back(curve.Value(from));
                    bulges.push_back(std::tan(sweep / halves / 4));
                }
            } else {
                GCPnts_UniformDeflection pieces(curve, 1e-3 * std::max(1.0, curve.Value(first).Distance(curve.Value(last))));
                if (!pieces.IsDone())
                    continue;
                const int count = pieces.NbPoints();
                for (int k = 1; k < count; ++k) {
                    points.push_back(pieces.Value(reversed ? count - k + 1 : k));
                    bulges.push_back(0);
                }
            }
        }
        if (points.size() >= 2)
            polyline(e, n, points, bulges, true);
    }

    DL_Dxf& dxf_;
    DL_WriterA& dw_;
};

void tables(DL_Dxf& dxf, DL_WriterA& dw)
{
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, name);
    }
    dw.sectionEnd();
}

} // namespace

std::string dxfText(const QString& text)
{
    std::string out;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            char code[16];
            std::snprintf(code, sizeof code, "\\U+%04X", static_cast<unsigned>(c));
            out += code;
        }
    }
    return out;
}

DxfSaved saveDxf(const Document& document, const QString& path)
{
    ClassicNumbers classic;
    DxfSaved saved;
    DL_Dxf dxf;
    const QByteArray file = path.toLocal8Bit();
    std::unique_ptr<DL_WriterA> dw(dxf.out(file.constData(), DL_Codes::AC1015));
    if (!dw || dw->openFailed())
        throw EOleException("Не удалось записать файл DXF " + path.toStdString(), kErrInvalidInput);

    dxf.writeHeader(*dw);
    dw->dxfString(9, "$INSUNITS");
    dw->dxfInt(70, 4); // millimetres
    dw->dxfString(9, "$MEASUREMENT");
    dw->dxfInt(70, 1); // metric
    dw->sectionEnd();
    tables(dxf, *dw);

    dw->sectionEntities();
    Writer writer(dxf, *dw);
    for (const auto& e : document.entities()) {
        switch (e->type()) {
        case EntityType::Line: writer.line(static_cast<const LineEntity&>(*e)); break;
        case EntityType::Arc:
        case EntityType::Circle: writer.arc(static_cast<const ArcEntity&>(*e)); break;
        case EntityType::Polyline: {
            const auto& p = static_cast<const PolylineEntity&>(*e);
            writer.polyline(p, p.normal, p.points, p.bulges, false);
            break;
        }
        case EntityType::Polyline3D: writer.polyline3d(static_cast<const Polyline3DEntity&>(*e)); break;
        case EntityType::Region: writer.region(static_cast<const RegionEntity&>(*e)); break;
        case EntityType::MText: writer.mtext(static_cast<const MTextEntity&>(*e)); break;
        case EntityType::Solid: ++saved.solids; continue;
        }
        ++saved.written;
    }
    dw->sectionEnd();
    dxf.writeObjects(*dw);
    dxf.writeObjectsEnd(*dw);
    dw->dxfEOF();
    dw->close();
    return saved;
}

} // namespace acad
