#pragma once
// The drawing itself: entities of a document's model space with their
// geometry, the document and the application. Procedures reach it through
// the interfaces of acad/interfaces.h; the drawing window, the STEP writer
// and the tests read it here.
#include "acad/body.h"
#include "acad/colour.h"

#include <QString>
#include <QStringList>

#include <Bnd_Box.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax2.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>
#include <gp_Trsf.hxx>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace acad {

class Document;
class Application;

enum class EntityType { Polyline, Polyline3D, Region, Solid, Line, Arc, Circle, MText };

class Entity {
public:
    explicit Entity(EntityType type) : type_(type) {}
    virtual ~Entity() = default;
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    EntityType type() const { return type_; }
    Document* document() const { return document_; }
    bool erased() const { return erased_; }
    uint64_t serial() const { return serial_; }
    virtual const char* objectName() const = 0;

    Colour colour;
    int lineweight = -1; // by layer

    // A rigid motion, or a uniform scaling about a point.
    virtual void transform(const gp_Trsf& t) = 0;
    // The geometry as a shape (edges or faces); solids give their body.
    virtual TopoDS_Shape shape() const = 0;
    Bnd_Box boundingBox() const;

private:
    friend class Document;
    EntityType type_;
    Document* document_ = nullptr;
    bool erased_ = false;
    uint64_t serial_ = 0;
};

// A polyline in a plane: vertices with a bulge each.
class PolylineEntity : public Entity {
public:
    PolylineEntity() : Entity(EntityType::Polyline) {}
    const char* objectName() const override { return "AcDbPolyline"; }
    std::vector<gp_Pnt> points;
    std::vector<double> bulges;
    gp_Dir normal{0, 0, 1};
    void transform(const gp_Trsf& t) override;
    TopoDS_Shape shape() const override;
};

class Polyline3DEntity : public Entity {
public:
    Polyline3DEntity() : Entity(EntityType::Polyline3D) {}
    const char* objectName() const override { return "AcDb3dPolyline"; }
    std::vector<gp_Pnt> points;
    void transform(const gp_Trsf& t) override;
    TopoDS_Shape shape() const override;
};

// A region: planar faces, holes as inner loops.
class RegionEntity : public Entity {
public:
    RegionEntity() : Entity(EntityType::Region) {}
    const char* objectName() const override { return "AcDbRegion"; }
    TopoDS_Shape faces;
    void transform(const gp_Trsf& t) override;
    TopoDS_Shape shape() const override { return faces; }
    double area() const;
};

class SolidEntity : public Entity {
public:
    explicit SolidEntity(SolidBody b) : Entity(EntityType::Solid), body(std::move(b)) {}
    const char* objectName() const override { return "AcDb3dSolid"; }
    SolidBody body;
    void transform(const gp_Trsf& t) override { body.transform(t); }
    TopoDS_Shape shape() const override { return body.shape(); }
    // The colour of a face of shape(): its own, or the solid's.
    Colour faceColour(const TopoDS_Shape& face) const;
};

class LineEntity : public Entity {
public:
    LineEntity() : Entity(EntityType::Line) {}
    const char* objectName() const override { return "AcDbLine"; }
    gp_Pnt start, end;
    void transform(const gp_Trsf& t) override;
    TopoDS_Shape shape() const override;
};

// An arc runs counter-clockwise about the Z axis of its position from the
// start angle to the end angle; a circle is a whole turn.
class ArcEntity : public Entity {
public:
    explicit ArcEntity(EntityType type = EntityType::Arc) : Entity(type) {}
    const char* objectName() const override { return type() == EntityType::Arc ? "AcDbArc" : "AcDbCircle"; }
    gp_Ax2 position;
    double radius = 0;
    double startAngle = 0, endAngle = 0;
    void transform(const gp_Trsf& t) override;
    TopoDS_Shape shape() const override;
};

class MTextEntity : public Entity {
public:
    MTextEntity() : Entity(EntityType::MText) {}
    const char* objectName() const override { return "AcDbMText"; }
    gp_Pnt insertion;
    gp_Dir normal{0, 0, 1};
    double width = 0;
    double height = 2.5;
    int attachment = 1; // top left
    double rotation = 0;
    QString text;
    void transform(const gp_Trsf& t) override;
    TopoDS_Shape shape() const override;

    // The text is laid out in a box as wide as `width`: it wraps at blanks.
    // Every character, blank included, advances kAdvance times the height; a
    // word that would end beyond the width starts a new line and the blanks
    // before it are dropped; a word wider than the box overflows it on a
    // line of its own. A paragraph break ("\P" or a line feed) always starts
    // a new line; a width of 0 breaks at paragraph breaks only, the box then
    // as wide as the longest line. Lines stand kLineSpacing times the height
    // apart, so the box is as tall as the first line plus that spacing for
    // each further line.
    static constexpr double kAdvance = 0.72;
    static constexpr double kLineSpacing = 5.0 / 3.0;
    QStringList lines() const;
    double boxWidth() const;
    double boxHeight() const;
    // The directions of the text in its plane: along the lines (the rotation
    // about the normal) and up the box.
    gp_Dir xDirection() const;
    gp_Dir yDirection() const;
    // The box's corners. The insertion point is the box's point named by
    // the attachment (1 to 9: top, middle, bottom rows of left, centre and
    // right), so the box turns with the rotation about the insertion point.
    gp_Pnt upperLeft() const;
    gp_Pnt boxPoint(int attachment) const;
    // Names another point of the box as the insertion point; the box stays.
    void attachAt(int newAttachment);
};

// A drawing: its model space and what has been saved of it.
class Document {
public:
    explicit Document(QString name);
    // The entities still referenced elsewhere leave the drawing with it.
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const QString& name() const { return name_; }

    // Model space, in creation order.
    int count() const { return static_cast<int>(entities_.size()); }
    const std::shared_ptr<Entity>& item(int index) const { return entities_[index]; }
    const std::vector<std::shared_ptr<Entity>>& entities() const { return entities_; }
    void add(const std::shared_ptr<Entity>& entity);
    void erase(Entity& entity);
    // An entity whose geometry or colour changed.
    void touch();

    // Changes since creation, and up to the last save.
    uint64_t revision() const { return revision_; }
    bool modifiedSinceSave() const { return revision_ != savedRevision_ && !entities_.empty(); }

    // Writes the model space as a STEP file (acad/step.cpp); throws
    // EOleException on failure.
    void saveAs(const QString& path);
    void markSaved();

    // Called after every change.
    using Listener = std::function<void()>;
    int addListener(Listener listener);
    void removeListener(int id);

    // Closes the drawing, as closing its window does: its entities leave it
    // (a call on one fails as on a deleted entity), and its application
    // holds it no more.
    void close();
    bool closed() const { return closed_; }

private:
    friend class Application;
    void detachEntities();

    QString name_;
    Application* application_ = nullptr;
    bool closed_ = false;
    std::vector<std::shared_ptr<Entity>> entities_;
    uint64_t revision_ = 0, savedRevision_ = 0, nextSerial_ = 1;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
};

// Makes every union still pending in any drawing, so that a union the
// kernel refuses fails the procedure that asked for it; throws
// EOleException as the union would have. A body whose union failed keeps
// its pieces, which the window shows and STEP saves.
void finishPendingUnions();

// The drawing program: its open documents and its window. It starts with
// one drawing, "Чертеж1".
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The drawing opened last of those open; null when all are closed.
    std::shared_ptr<Document> activeDocument() const;
    const std::vector<std::shared_ptr<Document>>& documents() const { return documents_; }
    // Opens a new drawing, "Чертеж2", "Чертеж3" and so on, as the active
    // one; a visible program shows it in its window.
    std::shared_ptr<Document> newDocument();

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // How the drawing window is shown; installed by the window's module.
    using VisibilityHook = std::function<void(Application&, bool)>;
    static void setVisibilityHook(VisibilityHook hook);

private:
    friend class Document;
    void forget(const Document& document);

    std::vector<std::shared_ptr<Document>> documents_;
    int opened_ = 0;
    bool visible_ = false;
};

// The running drawing program of this process, as the operating system's
// table of running objects would offer it.
namespace server {
// The running application, or EOleException when none runs.
std::shared_ptr<Application> activeObject(const QString& programId);
// The active document of the running application (a new one when it has
// none open), or of one started now.
std::shared_ptr<Document> runningOrNewDocument();
// Makes the program unreachable (for tests of a machine without it).
void setReachable(bool reachable);
// Ends the running application, as if its user had closed it.
void shutdown();
} // namespace server

} // namespace acad
