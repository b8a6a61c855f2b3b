#include "acad/model.h"

#include "acad/errors.h"
#include "acad/geometry.h"

#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRep_Builder.hxx>
#include <GProp_GProps.hxx>
#include <TopoDS_Compound.hxx>

#include <algorithm>
#include <cmath>
#include <utility>

namespace acad {

Bnd_Box Entity::boundingBox() const
{
    Bnd_Box box;
    const TopoDS_Shape s = shape();
    if (!s.IsNull())
        BRepBndLib::AddOptimal(s, box, false, false);
    return box;
}

namespace {

TopoDS_Shape transformed(const TopoDS_Shape& shape, const gp_Trsf& t)
{
    return BRepBuilderAPI_Transform(shape, t, true).Shape();
}

} // namespace

void PolylineEntity::transform(const gp_Trsf& t)
{
    for (gp_Pnt& p : points)
        p.Transform(t);
    normal.Transform(t);
}

TopoDS_Shape PolylineEntity::shape() const
{
    TopoDS_Compound c;
    BRep_Builder b;
    b.MakeCompound(c);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const gp_Pnt& a = points[i];
        const gp_Pnt& e = points[i + 1];
        if (a.Distance(e) < 1e-12)
            continue;
        const double bulge = i < bulges.size() ? bulges[i] : 0.0;
        const TopoDS_Edge edge =
            bulge == 0.0 ? geom::lineEdge(a, e) : geom::arcEdge(a, geom::arcMiddle(a, e, bulge, normal), e);
        if (!edge.IsNull())
            b.Add(c, edge);
    }
    return c;
}

void Polyline3DEntity::transform(const gp_Trsf& t)
{
    for (gp_Pnt& p : points)
        p.Transform(t);
}

TopoDS_Shape Polyline3DEntity::shape() const
{
    TopoDS_Compound c;
    BRep_Builder b;
    b.MakeCompound(c);
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        if (points[i].Distance(points[i + 1]) > 1e-12)
            b.Add(c, geom::lineEdge(points[i], points[i + 1]));
    return c;
}

void RegionEntity::transform(const gp_Trsf& t)
{
    faces = transformed(faces, t);
}

double RegionEntity::area() const
{
    GProp_GProps props;
    BRepGProp::SurfaceProperties(faces, props);
    return props.Mass();
}

Colour SolidEntity::faceColour(const TopoDS_Shape& face) const
{
    if (const Colour* c = body.faceColours().find(face))
        return *c;
    return colour;
}

void LineEntity::transform(const gp_Trsf& t)
{
    start.Transform(t);
    end.Transform(t);
}

TopoDS_Shape LineEntity::shape() const
{
    if (start.Distance(end) < 1e-12)
        return BRepBuilderAPI_MakeVertex(start).Vertex();
    return geom::lineEdge(start, end);
}

void ArcEntity::transform(const gp_Trsf& t)
{
    position.Transform(t);
    radius *= std::fabs(t.ScaleFactor());
}

TopoDS_Shape ArcEntity::shape() const
{
    if (type() == EntityType::Circle)
        return geom::circleEdge(position, radius, 0, 2 * M_PI);
    double a = startAngle, e = endAngle;
    while (e <= a)
        e += 2 * M_PI;
    return geom::circleEdge(position, radius, a, e);
}

void MTextEntity::transform(const gp_Trsf& t)
{
    // The text's own X direction follows the turn.
    gp_Dir xdir(std::cos(rotation), std::sin(rotation), 0);
    insertion.Transform(t);
    normal.Transform(t);
    xdir.Transform(t);
    rotation = std::atan2(xdir.Y(), xdir.X());
    const double s = std::fabs(t.ScaleFactor());
    height *= s;
    width *= s;
}

TopoDS_Shape MTextEntity::shape() const
{
    return BRepBuilderAPI_MakeVertex(insertion).Vertex();
}

QStringList MTextEntity::lines() const
{
    QString plain = text;
    plain.replace(QLatin1String("\\P"), QLatin1String("\n"));
    const double advance = kAdvance * height;
    QStringList out;
    for (const QString& paragraph : plain.split(u'\n')) {
        if (!(width > 0)) {
            out << paragraph;
            continue;
        }
        // Words with the blanks before each of them.
        QString line;
        int k = 0;
        const int n = static_cast<int>(paragraph.size());
        while (k < n) {
            int start = k;
            while (k < n && paragraph[k] == u' ')
                ++k;
            const QString blanks = paragraph.mid(start, k - start);
            start = k;
            while (k < n && paragraph[k] != u' ')
                ++k;
            const QString word = paragraph.mid(start, k - start);
            if (word.isEmpty()) {
                line += blanks; // blanks at the end stay with the last line
                break;
            }
            const QString longer = line + blanks + word;
            if (line.isEmpty())
                line = longer;
            else if (longer.size() * advance <= width + 1e-9)
                line = longer;
            else {
                out << line;
                line = word;
            }
        }
        out << line;
    }
    return out;
}

double MTextEntity::boxWidth() const
{
    if (width > 0)
        return width;
    qsizetype longest = 0;
    for (const QString& line : lines())
        longest = std::max(longest, line.size());
    return longest * kAdvance * height;
}

double MTextEntity::boxHeight() const
{
    return height + (lines().size() - 1) * kLineSpacing * height;
}

gp_Dir MTextEntity::xDirection() const
{
    gp_Vec x(std::cos(rotation), std::sin(rotation), 0);
    x -= gp_Vec(normal) * x.Dot(gp_Vec(normal));
    if (x.Magnitude() < 1e-9)
        return gp_Ax2(insertion, normal).XDirection();
    return gp_Dir(x);
}

gp_Dir MTextEntity::yDirection() const
{
    return normal.Crossed(xDirection());
}

namespace {
// The attachment's place in the box from its upper-left corner: along the
// text and down the box.
std::pair<double, double> attachmentShare(int attachment)
{
    const int a = std::clamp(attachment, 1, 9) - 1;
    return {0.5 * (a % 3), 0.5 * (a / 3)};
}
} // namespace

gp_Pnt MTextEntity::upperLeft() const
{
    const auto [along, down] = attachmentShare(attachment);
    return insertion.Translated(-along * boxWidth() * gp_Vec(xDirection()) + down * boxHeight() * gp_Vec(yDirection()));
}

gp_Pnt MTextEntity::boxPoint(int point) const
{
    const auto [along, down] = attachmentShare(point);
    return upperLeft().Translated(along * boxWidth() * gp_Vec(xDirection()) - down * boxHeight() * gp_Vec(yDirection()));
}

void MTextEntity::attachAt(int newAttachment)
{
    insertion = boxPoint(newAttachment);
    attachment = newAttachment;
}

// Document

namespace {
// Every drawing alive, so that the end of a procedure can finish the
// unions it left pending in any of them.
std::vector<Document*>& liveDocuments()
{
    static std::vector<Document*> documents;
    return documents;
}
} // namespace

Document::Document(QString name) : name_(std::move(name))
{
    liveDocuments().push_back(this);
}

Document::~Document()
{
    std::erase(liveDocuments(), this);
    detachEntities();
}

void finishPendingUnions()
{
    // A copy: finishing a union changes no drawing's list, but stays safe
    // should a listener open or close one.
    const std::vector<Document*> documents = liveDocuments();
    for (const Document* d : documents)
        for (const auto& e : d->entities())
            if (e->type() == EntityType::Solid)
                (void)static_cast<const SolidEntity&>(*e).body.shape();
}

void Document::detachEntities()
{
    for (const auto& e : entities_) {
        e->erased_ = true;
        e->document_ = nullptr;
    }
    entities_.clear();
}

void Document::close()
{
    if (closed_)
        return;
    closed_ = true;
    detachEntities();
    touch();
    // Last: the application may hold the last reference to this drawing.
    if (Application* application = std::exchange(application_, nullptr))
        application->forget(*this);
}

void Document::add(const std::shared_ptr<Entity>& entity)
{
    entity->document_ = this;
    entity->serial_ = nextSerial_++;
    entities_.push_back(entity);
    touch();
}

void Document::erase(Entity& entity)
{
    if (entity.erased_)
        return;
    entity.erased_ = true;
    const auto it = std::find_if(entities_.begin(), entities_.end(),
                                 [&](const std::shared_ptr<Entity>& e) { return e.get() == &entity; });
    if (it != entities_.end())
        entities_.erase(it);
    touch();
}

void Document::touch()
{
    ++revision_;
    // A listener may remove itself; walk a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener();
}

int Document::addListener(Listener listener)
{
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Document::removeListener(int id)
{
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [id](const auto& l) { return l.first == id; }),
                     listeners_.end());
}

void Document::markSaved()
{
    savedRevision_ = revision_;
}

// Application

namespace {
Application::VisibilityHook& visibilityHook()
{
    static Application::VisibilityHook hook;
    return hook;
}
} // namespace

Application::Application()
{
    newDocument();
}

Application::~Application()
{
    for (const auto& d : documents_)
        d->application_ = nullptr;
}

std::shared_ptr<Document> Application::activeDocument() const
{
    return documents_.empty() ? nullptr : documents_.back();
}

std::shared_ptr<Document> Application::newDocument()
{
    auto document = std::make_shared<Document>(QStringLiteral("Чертеж%1").arg(++opened_));
    document->application_ = this;
    documents_.push_back(document);
    if (visible_ && visibilityHook())
        visibilityHook()(*this, true);
    return document;
}

void Application::forget(const Document& document)
{
    documents_.erase(std::remove_if(documents_.begin(), documents_.end(),
                                    [&](const std::shared_ptr<Document>& d) { return d.get() == &document; }),
                     documents_.end());
}

void Application::setVisible(bool visible)
{
    visible_ = visible;
    if (visibilityHook())
        visibilityHook()(*this, visible);
}

void Application::setVisibilityHook(VisibilityHook hook)
{
    visibilityHook() = std::move(hook);
}

// The running program

namespace server {

namespace {
struct State {
    std::shared_ptr<Application> running;
    bool reachable = true;
};
State& state()
{
    static State s;
    return s;
}
constexpr uint32_t kUnavailable = 0x800401E3u;   // no such running object
constexpr uint32_t kExecFailure = 0x80080005u;   // the server failed to start
} // namespace

std::shared_ptr<Application> activeObject(const QString& programId)
{
    if (!state().reachable || !state().running || programId != QLatin1String("AutoCAD.Application"))
        throw EOleException("Операция недоступна", kUnavailable);
    return state().running;
}

std::shared_ptr<Document> runningOrNewDocument()
{
    if (!state().reachable)
        throw EOleException("Сбой выполнения сервера", kExecFailure);
    if (!state().running)
        state().running = std::make_shared<Application>();
    if (const auto active = state().running->activeDocument())
        return active;
    return state().running->newDocument();
}

void setReachable(bool reachable)
{
    state().reachable = reachable;
}

void shutdown()
{
    if (state().running)
        state().running->setVisible(false);
    state().running.reset();
}

} // namespace server

} // namespace acad
