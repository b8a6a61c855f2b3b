#include "acad/interfaces.h"

#include "acad/errors.h"
#include "acad/fpu.h"
#include "acad/geometry.h"
#include "acad/model.h"

#include <Bnd_Box.hxx>
#include <gp_Ax1.hxx>
#include <gp_Pln.hxx>

#include <cmath>

namespace acad {

namespace {

[[noreturn]] void refuse(const char* text, uint32_t code = kErrInvalidInput)
{
    throw EOleException(text, code);
}

// A document that has been closed answers no more calls.
constexpr uint32_t kErrDisconnected = 0x80010108u;

Document& open(const std::shared_ptr<Document>& document)
{
    if (!document)
        refuse("Объект не задан");
    if (document->closed())
        refuse("Чертеж закрыт", kErrDisconnected);
    return *document;
}

gp_Pnt pnt(const AcadPoint& p)
{
    for (double v : p.v)
        fpu::checkValue(v);
    return gp_Pnt(p[0], p[1], p[2]);
}

double num(double v)
{
    fpu::checkValue(v);
    return v;
}

std::vector<gp_Pnt> points(const VertexList& list, std::size_t minimum)
{
    if (list.size() % 3 != 0 || list.size() / 3 < minimum)
        refuse("Неверные данные: список вершин");
    std::vector<gp_Pnt> pts;
    for (std::size_t i = 0; i < list.size(); i += 3)
        pts.emplace_back(num(list[i]), num(list[i + 1]), num(list[i + 2]));
    return pts;
}

template <class T>
T& impl(Entity& e)
{
    return static_cast<T&>(e);
}

} // namespace

// Colours

void AcadAcCmColor::SetRGB(int red, int green, int blue)
{
    if (red < 0 || red > 255 || green < 0 || green > 255 || blue < 0 || blue > 255)
        refuse("Неверные данные: цвет");
    colour_ = Colour::fromRgb(red, green, blue);
}

// Entities

Entity& IAcadEntity::live() const
{
    fpu::check();
    if (!e_)
        refuse("Объект не задан");
    if (e_->erased())
        refuse("Объект удален", kErrObjectErased);
    return *e_;
}

void IAcadEntity::Delete()
{
    fpu::CallGuard guard;
    Entity& e = live();
    e.document()->erase(e);
}

void IAcadEntity::Move(const AcadPoint& from, const AcadPoint& to)
{
    fpu::CallGuard guard;
    Entity& e = live();
    gp_Trsf t;
    t.SetTranslation(pnt(from), pnt(to));
    e.transform(t);
    e.document()->touch();
}

void IAcadEntity::Rotate3D(const AcadPoint& point1, const AcadPoint& point2, double angle)
{
    fpu::CallGuard guard;
    Entity& e = live();
    const gp_Pnt a = pnt(point1), b = pnt(point2);
    num(angle);
    if (a.Distance(b) < 1e-12)
        refuse("Неверные данные: ось поворота");
    gp_Trsf t;
    t.SetRotation(gp_Ax1(a, gp_Vec(a, b)), angle);
    e.transform(t);
    e.document()->touch();
}

void IAcadEntity::ScaleEntity(const AcadPoint& base, double factor)
{
    fpu::CallGuard guard;
    Entity& e = live();
    const gp_Pnt p = pnt(base);
    if (!(num(factor) > 0))
        refuse("Неверные данные: масштаб");
    gp_Trsf t;
    t.SetScale(p, factor);
    e.transform(t);
    e.document()->touch();
}

int IAcadEntity::get_color() const
{
    fpu::CallGuard guard;
    return live().colour.index;
}

void IAcadEntity::put_color(int index)
{
    fpu::CallGuard guard;
    Entity& e = live();
    if (index < 0 || index > 256)
        refuse("Неверные данные: номер цвета");
    e.colour = Colour::fromIndex(index);
    if (e.type() == EntityType::Solid)
        impl<SolidEntity>(e).body.clearFaceColours();
    e.document()->touch();
}

int IAcadEntity::get_Lineweight() const
{
    fpu::CallGuard guard;
    return live().lineweight;
}

void IAcadEntity::put_Lineweight(int lineweight)
{
    fpu::CallGuard guard;
    Entity& e = live();
    static const int allowed[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40,
                                  50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
    if (std::find(std::begin(allowed), std::end(allowed), lineweight) == std::end(allowed))
        refuse("Неверные данные: вес линии");
    e.lineweight = lineweight;
    e.document()->touch();
}

AcadAcCmColor IAcadEntity::get_TrueColor() const
{
    fpu::CallGuard guard;
    return AcadAcCmColor(live().colour);
}

void IAcadEntity::put_TrueColor(const AcadAcCmColor& colour)
{
    fpu::CallGuard guard;
    Entity& e = live();
    e.colour = colour.colour();
    if (e.type() == EntityType::Solid)
        impl<SolidEntity>(e).body.clearFaceColours();
    e.document()->touch();
}

void IAcadEntity::GetBoundingBox(AcadPoint& minPoint, AcadPoint& maxPoint) const
{
    fpu::CallGuard guard;
    const Bnd_Box box = live().boundingBox();
    if (box.IsVoid())
        refuse("Неверные данные: пустой объект");
    double x0, y0, z0, x1, y1, z1;
    box.Get(x0, y0, z0, x1, y1, z1);
    minPoint = AcadPoint(x0, y0, z0);
    maxPoint = AcadPoint(x1, y1, z1);
}

QString IAcadEntity::ObjectName() const
{
    return QString::fromLatin1(live().objectName());
}

bool IAcadPolyline::supports() const { return e_ && e_->type() == EntityType::Polyline; }
bool IAcad3DPolyline::supports() const { return e_ && e_->type() == EntityType::Polyline3D; }
bool IAcadRegion::supports() const { return e_ && e_->type() == EntityType::Region; }
bool IAcad3DSolid::supports() const { return e_ && e_->type() == EntityType::Solid; }
bool IAcadLine::supports() const { return e_ && e_->type() == EntityType::Line; }
bool IAcadArc::supports() const { return e_ && e_->type() == EntityType::Arc; }
bool IAcadCircle::supports() const { return e_ && e_->type() == EntityType::Circle; }
bool IAcadMText::supports() const { return e_ && e_->type() == EntityType::MText; }

void IAcadPolyline::SetBulge(int index, double bulge)
{
    fpu::CallGuard guard;
    auto& p = impl<PolylineEntity>(live());
    num(bulge);
    if (index < 0 || index >= static_cast<int>(p.points.size()))
        refuse("Неверный индекс", kErrBadIndex);
    p.bulges[index] = bulge;
    p.document()->touch();
}

double IAcadRegion::Area() const
{
    fpu::CallGuard guard;
    return impl<RegionEntity>(live()).area();
}

void IAcad3DSolid::Boolean(int operation, const IAcad3DSolid& other)
{
    fpu::CallGuard guard;
    auto& self = impl<SolidEntity>(live());
    if (!other.supports())
        refuse("Неверные данные: второе тело");
    auto& tool = impl<SolidEntity>(other.live());
    if (&tool == &self)
        refuse("Неверные данные: тело с самим собой");
    if (tool.document() != self.document())
        refuse("Неверные данные: тела разных чертежей");
    switch (operation) {
    case acUnion:
        self.body.unite(std::move(tool.body), tool.colour, self.colour);
        break;
    case acIntersection:
        self.body.intersect(std::move(tool.body));
        break;
    case acSubtraction:
        self.body.subtract(std::move(tool.body));
        break;
    default:
        refuse("Неверные данные: вид операции");
    }
    tool.document()->erase(tool);
    self.document()->touch();
}

IAcadRegion IAcad3DSolid::SectionSolid(const AcadPoint& point1, const AcadPoint& point2, const AcadPoint& point3)
{
    fpu::CallGuard guard;
    auto& self = impl<SolidEntity>(live());
    const gp_Pnt a = pnt(point1), b = pnt(point2), c = pnt(point3);
    const gp_Vec n = gp_Vec(a, b).Crossed(gp_Vec(a, c));
    if (n.Magnitude() < 1e-12)
        refuse("Неверные данные: точки плоскости на одной прямой");
    const gp_Pln plane(gp_Ax3(a, gp_Dir(n), gp_Dir(gp_Vec(a, b))));
    const TopoDS_Shape faces = self.body.section(plane);
    if (faces.IsNull())
        refuse("Плоскость не пересекает тело", kErrModeling);
    auto region = std::make_shared<RegionEntity>();
    region->faces = faces;
    self.document()->add(region);
    return IAcadRegion(region);
}

double IAcad3DSolid::Volume() const
{
    fpu::CallGuard guard;
    return impl<SolidEntity>(live()).body.volume();
}

void IAcadMText::Set(const QString& property, const OleVariant& value)
{
    fpu::CallGuard guard;
    auto& t = impl<MTextEntity>(live());
    auto number = [&]() -> double {
        if (const double* d = std::get_if<double>(&value))
            return num(*d);
        if (const int* i = std::get_if<int>(&value))
            return *i;
        refuse("Несоответствие типа");
    };
    if (property.compare(QLatin1String("Height"), Qt::CaseInsensitive) == 0) {
        const double h = number();
        if (!(h > 0))
            refuse("Неверные данные: высота текста");
        t.height = h;
    } else if (property.compare(QLatin1String("AttachmentPoint"), Qt::CaseInsensitive) == 0) {
        const int a = static_cast<int>(number());
        if (a < 1 || a > 9)
            refuse("Неверные данные: точка вставки текста");
        t.attachAt(a);
    } else if (property.compare(QLatin1String("Rotation"), Qt::CaseInsensitive) == 0) {
        t.rotation = number();
    } else if (property.compare(QLatin1String("Width"), Qt::CaseInsensitive) == 0) {
        t.width = number();
    } else if (property.compare(QLatin1String("TextString"), Qt::CaseInsensitive) == 0) {
        const QString* s = std::get_if<QString>(&value);
        if (!s)
            refuse("Несоответствие типа");
        t.text = *s;
    } else {
        refuse("Неизвестное имя", 0x80020006u);
    }
    t.document()->touch();
}

// Model space

Document& IAcadModelSpace::doc() const
{
    return open(d_);
}

template <class T, class E>
T IAcadModelSpace::added(std::shared_ptr<E> entity)
{
    doc().add(entity);
    return T(std::move(entity));
}

IAcadPolyline IAcadModelSpace::AddPolyline(const VertexList& vertices)
{
    fpu::CallGuard guard;
    auto p = std::make_shared<PolylineEntity>();
    p->points = points(vertices, 2);
    p->bulges.assign(p->points.size(), 0.0);
    return added<IAcadPolyline>(p);
}

IAcad3DPolyline IAcadModelSpace::Add3DPoly(const VertexList& vertices)
{
    fpu::CallGuard guard;
    auto p = std::make_shared<Polyline3DEntity>();
    p->points = points(vertices, 2);
    return added<IAcad3DPolyline>(p);
}

std::vector<IAcadRegion> IAcadModelSpace::AddRegion(const std::vector<IAcadEntity>& curves)
{
    fpu::CallGuard guard;
    if (curves.empty())
        refuse("Неверные данные: пустой список");
    std::vector<TopoDS_Shape> faces;
    for (const IAcadEntity& c : curves) {
        if (!c.entity())
            refuse("Объект не задан");
        Entity& e = *c.entity();
        if (e.erased())
            refuse("Объект удален", kErrObjectErased);
        if (e.type() == EntityType::Polyline) {
            const auto& p = impl<PolylineEntity>(e);
            faces.push_back(geom::regionFromPolyline(p.points, p.bulges, p.normal));
        } else if (e.type() == EntityType::Circle) {
            const auto& a = impl<ArcEntity>(e);
            faces.push_back(geom::regionFromCircle(a.position.Location(), a.position.Direction(), a.radius));
        } else {
            refuse("Неверные данные: кривая не замкнута");
        }
    }
    std::vector<IAcadRegion> regions;
    for (const TopoDS_Shape& f : faces) {
        auto r = std::make_shared<RegionEntity>();
        r->faces = f;
        regions.push_back(added<IAcadRegion>(r));
    }
    return regions;
}

int IAcadModelSpace::Count() const
{
    fpu::CallGuard guard;
    return doc().count();
}

IAcadEntity IAcadModelSpace::Item(int index) const
{
    fpu::CallGuard guard;
    if (index < 0 || index >= doc().count())
        refuse("Неверный индекс", kErrBadIndex);
    return IAcadEntity(doc().item(index));
}

namespace {

const RegionEntity& liveRegion(const IAcadRegion& region)
{
    if (!region.entity())
        refuse("Объект не задан");
    if (region.entity()->erased())
        refuse("Объект удален", kErrObjectErased);
    if (!region.supports())
        refuse("Неверные данные: не область");
    return static_cast<const RegionEntity&>(*region.entity());
}

std::shared_ptr<SolidEntity> solidOf(const TopoDS_Shape& shape)
{
    return std::make_shared<SolidEntity>(SolidBody(shape));
}

} // namespace

IAcad3DSolid IAcadModelSpace::AddExtrudedSolid(const IAcadRegion& region, double height, double taperAngle)
{
    fpu::CallGuard guard;
    const RegionEntity& r = liveRegion(region);
    geom::Extruded e = geom::extrude(r.faces, num(height), num(taperAngle));
    return added<IAcad3DSolid>(std::make_shared<SolidEntity>(SolidBody(e.solid, nullptr, std::move(e.prism))));
}

IAcad3DSolid IAcadModelSpace::AddExtrudedSolidAlongPath(const IAcadRegion& region, const IAcadEntity& path)
{
    fpu::CallGuard guard;
    const RegionEntity& r = liveRegion(region);
    if (!path.entity())
        refuse("Объект не задан");
    const Entity& p = *path.entity();
    if (p.erased())
        refuse("Объект удален", kErrObjectErased);
    std::vector<gp_Pnt> pts;
    if (p.type() == EntityType::Polyline3D) {
        pts = static_cast<const Polyline3DEntity&>(p).points;
    } else if (p.type() == EntityType::Line) {
        const auto& l = static_cast<const LineEntity&>(p);
        pts = {l.start, l.end};
    } else if (p.type() == EntityType::Polyline) {
        const auto& pl = static_cast<const PolylineEntity&>(p);
        for (double b : pl.bulges)
            if (b != 0.0)
                refuse("Траектория с дугами не поддерживается", kErrNotImplemented);
        pts = pl.points;
    } else {
        refuse("Неверные данные: траектория");
    }
    geom::Swept swept = geom::sweep(r.faces, pts);
    return added<IAcad3DSolid>(std::make_shared<SolidEntity>(SolidBody(swept.solid, std::move(swept.record))));
}

IAcad3DSolid IAcadModelSpace::AddRevolvedSolid(const IAcadRegion& region, const AcadPoint& axisPoint,
                                               const AcadPoint& axisDirection, double angle)
{
    fpu::CallGuard guard;
    const RegionEntity& r = liveRegion(region);
    const gp_Pnt dir = pnt(axisDirection);
    const TopoDS_Shape solid =
        geom::revolve(r.faces, pnt(axisPoint), gp_Vec(dir.XYZ()), num(angle));
    return added<IAcad3DSolid>(solidOf(solid));
}

IAcad3DSolid IAcadModelSpace::AddBox(const AcadPoint& centre, double length, double width, double height)
{
    fpu::CallGuard guard;
    return added<IAcad3DSolid>(solidOf(geom::box(pnt(centre), num(length), num(width), num(height))));
}

IAcad3DSolid IAcadModelSpace::AddWedge(const AcadPoint& centre, double length, double width, double height)
{
    fpu::CallGuard guard;
    return added<IAcad3DSolid>(solidOf(geom::wedge(pnt(centre), num(length), num(width), num(height))));
}

IAcad3DSolid IAcadModelSpace::AddCylinder(const AcadPoint& centre, double radius, double height)
{
    fpu::CallGuard guard;
    return added<IAcad3DSolid>(solidOf(geom::cylinder(pnt(centre), num(radius), num(height))));
}

IAcad3DSolid IAcadModelSpace::AddCone(const AcadPoint& centre, double baseRadius, double height)
{
    fpu::CallGuard guard;
    return added<IAcad3DSolid>(solidOf(geom::cone(pnt(centre), num(baseRadius), num(height))));
}

IAcad3DSolid IAcadModelSpace::AddSphere(const AcadPoint& centre, double radius)
{
    fpu::CallGuard guard;
    return added<IAcad3DSolid>(solidOf(geom::sphere(pnt(centre), num(radius))));
}

IAcad3DSolid IAcadModelSpace::AddTorus(const AcadPoint& centre, double torusRadius, double tubeRadius)
{
    fpu::CallGuard guard;
    return added<IAcad3DSolid>(solidOf(geom::torus(pnt(centre), num(torusRadius), num(tubeRadius))));
}

IAcadLine IAcadModelSpace::AddLine(const AcadPoint& start, const AcadPoint& end)
{
    fpu::CallGuard guard;
    auto l = std::make_shared<LineEntity>();
    l->start = pnt(start);
    l->end = pnt(end);
    return added<IAcadLine>(l);
}

IAcadArc IAcadModelSpace::AddArc(const AcadPoint& centre, double radius, double startAngle, double endAngle)
{
    fpu::CallGuard guard;
    if (!(num(radius) > 0))
        refuse("Неверные данные: радиус");
    auto a = std::make_shared<ArcEntity>(EntityType::Arc);
    a->position = gp_Ax2(pnt(centre), gp::DZ(), gp::DX());
    a->radius = radius;
    a->startAngle = num(startAngle);
    a->endAngle = num(endAngle);
    return added<IAcadArc>(a);
}

IAcadCircle IAcadModelSpace::AddCircle(const AcadPoint& centre, double radius)
{
    fpu::CallGuard guard;
    if (!(num(radius) > 0))
        refuse("Неверные данные: радиус");
    auto a = std::make_shared<ArcEntity>(EntityType::Circle);
    a->position = gp_Ax2(pnt(centre), gp::DZ(), gp::DX());
    a->radius = radius;
    a->endAngle = 2 * M_PI;
    return added<IAcadCircle>(a);
}

IAcadMText IAcadModelSpace::AddMText(const AcadPoint& insertion, double width, const QString& text)
{
    fpu::CallGuard guard;
    auto t = std::make_shared<MTextEntity>();
    t->insertion = pnt(insertion);
    t->width = num(width);
    t->text = text;
    return added<IAcadMText>(t);
}

// Document and application

IAcadModelSpace IAcadDocument::ModelSpace() const
{
    fpu::CallGuard guard;
    open(d_);
    return IAcadModelSpace(d_);
}

void IAcadDocument::SaveAs(const QString& path) const
{
    fpu::CallGuard guard;
    open(d_).saveAs(path);
}

IAcadApplication IAcadDocument::Application() const
{
    fpu::CallGuard guard;
    if (!d_)
        refuse("Объект не задан");
    // The application that holds the document.
    try {
        const auto app = server::activeObject(QStringLiteral("AutoCAD.Application"));
        for (const auto& d : app->documents())
            if (d == d_)
                return IAcadApplication(app);
    } catch (const EOleException&) {
    }
    refuse("Приложение недоступно", 0x800401E3u);
}

IAcadDocument IAcadApplication::ActiveDocument() const
{
    fpu::CallGuard guard;
    if (!a_)
        refuse("Объект не задан");
    std::shared_ptr<Document> active = a_->activeDocument();
    if (!active)
        refuse("Нет открытого чертежа", kErrDisconnected);
    return IAcadDocument(std::move(active));
}

void IAcadApplication::Set(const QString& property, const OleVariant& value)
{
    fpu::CallGuard guard;
    if (!a_)
        refuse("Объект не задан");
    if (property.compare(QLatin1String("Visible"), Qt::CaseInsensitive) != 0)
        refuse("Неизвестное имя", 0x80020006u);
    bool on = false;
    if (const bool* b = std::get_if<bool>(&value))
        on = *b;
    else if (const int* i = std::get_if<int>(&value))
        on = *i != 0;
    else
        refuse("Несоответствие типа");
    a_->setVisible(on);
}

bool IAcadApplication::Visible() const
{
    fpu::CallGuard guard;
    return a_ && a_->visible();
}

IAcadApplication GetActiveOleObject(const QString& programId)
{
    fpu::CallGuard guard;
    return IAcadApplication(server::activeObject(programId));
}

// The connection

void TAcadDocument::ConnectTo(const IAcadDocument& document)
{
    doc_ = document;
}

void TAcadDocument::Connect()
{
    fpu::CallGuard guard;
    if (IsBound())
        return;
    doc_ = IAcadDocument(server::runningOrNewDocument());
}

void TAcadDocument::Disconnect()
{
    doc_ = IAcadDocument();
}

IAcadDocument TAcadDocument::bound()
{
    fpu::CallGuard guard;
    // The drawing was closed in its window: the next call goes to the
    // program's active drawing, a new one when none is open.
    if (IsBound() && doc_.document()->closed())
        doc_ = IAcadDocument();
    if (!IsBound()) {
        try {
            Connect();
        } catch (const EOleException&) {
        }
    }
    if (!IsBound())
        throw EAssertionFailed(std::string(
            "DefaultInterface is NULL. Component is not connected to Server. You must call 'Connect' or "
            "'ConnectTo' before this operation"));
    return doc_;
}

IAcadModelSpace TAcadDocument::ModelSpace()
{
    return bound().ModelSpace();
}

IAcadApplication TAcadDocument::Application()
{
    return bound().Application();
}

} // namespace acad
