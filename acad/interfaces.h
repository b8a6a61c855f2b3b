#pragma once
// The drawing program as the procedures see it: application, document, model
// space and entities, reached through counted references. Releasing a
// reference never removes an entity; Delete does. A call on an entity that
// has been deleted or used up by a Boolean fails, as a call on a null
// reference does. Every refusal raises EOleException with the program's
// message; a floating-point fault pending from the caller's computation is
// raised before the call does anything.
#include "acad/colour.h"
#include "acad/errors.h"
#include "acad/types.h"

#include <QString>

#include <memory>
#include <vector>

namespace acad {

class Entity;
class Document;
class Application;

class IAcadRegion;

// A true colour as the drawing program hands it out: read it from an entity,
// change it, and put it back.
class AcadAcCmColor {
public:
    AcadAcCmColor() = default;
    explicit AcadAcCmColor(const Colour& c) : colour_(c) {}
    void SetRGB(int red, int green, int blue);
    int Red() const { return colour_.kind == Colour::Kind::Rgb || colour_.kind == Colour::Kind::Index ? colour_.r : 255; }
    int Green() const { return colour_.kind == Colour::Kind::Rgb || colour_.kind == Colour::Kind::Index ? colour_.g : 255; }
    int Blue() const { return colour_.kind == Colour::Kind::Rgb || colour_.kind == Colour::Kind::Index ? colour_.b : 255; }
    int ColorIndex() const { return colour_.index; }
    const Colour& colour() const { return colour_; }

private:
    Colour colour_;
};

// Boolean operations.
enum AcBooleanType { acUnion = 0, acIntersection = 1, acSubtraction = 2 };

class IAcadEntity {
public:
    IAcadEntity() = default;
    explicit IAcadEntity(std::shared_ptr<Entity> entity) : e_(std::move(entity)) {}

    bool isNull() const { return !e_; }
    const std::shared_ptr<Entity>& entity() const { return e_; }
    friend bool operator==(const IAcadEntity& a, const IAcadEntity& b) { return a.e_ == b.e_; }

    void Delete();
    void Move(const AcadPoint& from, const AcadPoint& to);
    void Rotate3D(const AcadPoint& point1, const AcadPoint& point2, double angle);
    void ScaleEntity(const AcadPoint& base, double factor);

    int get_color() const;
    void put_color(int index);
    int get_Lineweight() const;
    void put_Lineweight(int lineweight);
    AcadAcCmColor get_TrueColor() const;
    void put_TrueColor(const AcadAcCmColor& colour);

    void GetBoundingBox(AcadPoint& minPoint, AcadPoint& maxPoint) const;
    QString ObjectName() const;

    // The entity queried for another interface; EIntfCastError when it does
    // not offer it.
    template <class T>
    T as() const
    {
        T t(e_);
        if (!e_ || !t.supports())
            throw EIntfCastError();
        return t;
    }

protected:
    // The entity, or a refusal when there is none or it has left the drawing.
    Entity& live() const;
    std::shared_ptr<Entity> e_;
};

class IAcadPolyline : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
    void SetBulge(int index, double bulge);
};

class IAcad3DPolyline : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
};

class IAcadRegion : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
    double Area() const;
};

class IAcad3DSolid : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
    // The receiver becomes the result; the other solid is used up.
    void Boolean(int operation, const IAcad3DSolid& other);
    // The section by the plane through three points, a new region; the solid stays.
    IAcadRegion SectionSolid(const AcadPoint& point1, const AcadPoint& point2, const AcadPoint& point3);
    double Volume() const;
};

class IAcadLine : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
};

class IAcadArc : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
};

class IAcadCircle : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
};

// A multiline text; its properties are set by name, late-bound: "Height",
// "AttachmentPoint", "Rotation", "Width", "TextString".
class IAcadMText : public IAcadEntity {
public:
    using IAcadEntity::IAcadEntity;
    bool supports() const;
    void Set(const QString& property, const OleVariant& value);
};

class IAcadModelSpace {
public:
    explicit IAcadModelSpace(std::shared_ptr<Document> document) : d_(std::move(document)) {}

    IAcadPolyline AddPolyline(const VertexList& vertices);
    IAcad3DPolyline Add3DPoly(const VertexList& vertices);
    // One region for each closed curve of the list, each the newest entity in turn.
    std::vector<IAcadRegion> AddRegion(const std::vector<IAcadEntity>& curves);
    int Count() const;
    IAcadEntity Item(int index) const;

    IAcad3DSolid AddExtrudedSolid(const IAcadRegion& region, double height, double taperAngle);
    IAcad3DSolid AddExtrudedSolidAlongPath(const IAcadRegion& region, const IAcadEntity& path);
    IAcad3DSolid AddRevolvedSolid(const IAcadRegion& region, const AcadPoint& axisPoint,
                                  const AcadPoint& axisDirection, double angle);
    IAcad3DSolid AddBox(const AcadPoint& centre, double length, double width, double height);
    IAcad3DSolid AddWedge(const AcadPoint& centre, double length, double width, double height);
    IAcad3DSolid AddCylinder(const AcadPoint& centre, double radius, double height);
    IAcad3DSolid AddCone(const AcadPoint& centre, double baseRadius, double height);
    IAcad3DSolid AddSphere(const AcadPoint& centre, double radius);
    IAcad3DSolid AddTorus(const AcadPoint& centre, double torusRadius, double tubeRadius);

    IAcadLine AddLine(const AcadPoint& start, const AcadPoint& end);
    IAcadArc AddArc(const AcadPoint& centre, double radius, double startAngle, double endAngle);
    IAcadCircle AddCircle(const AcadPoint& centre, double radius);
    IAcadMText AddMText(const AcadPoint& insertion, double width, const QString& text);

private:
    Document& doc() const;
    template <class T, class E>
    T added(std::shared_ptr<E> entity);
    std::shared_ptr<Document> d_;
};

class IAcadApplication;

class IAcadDocument {
public:
    IAcadDocument() = default;
    explicit IAcadDocument(std::shared_ptr<Document> document) : d_(std::move(document)) {}
    bool isNull() const { return !d_; }
    const std::shared_ptr<Document>& document() const { return d_; }
    IAcadModelSpace ModelSpace() const;
    IAcadApplication Application() const;
    // Saves the drawing as a STEP file.
    void SaveAs(const QString& path) const;

private:
    std::shared_ptr<Document> d_;
};

class IAcadApplication {
public:
    IAcadApplication() = default;
    explicit IAcadApplication(std::shared_ptr<acad::Application> app) : a_(std::move(app)) {}
    bool isNull() const { return !a_; }
    const std::shared_ptr<acad::Application>& application() const { return a_; }
    IAcadDocument ActiveDocument() const;
    // Late-bound properties by name: "Visible".
    void Set(const QString& property, const OleVariant& value);
    bool Visible() const;

private:
    std::shared_ptr<acad::Application> a_;
};

// The running drawing program registered under a program identifier.
IAcadApplication GetActiveOleObject(const QString& programId);

// The window's connection to one document of the drawing program.
class TAcadDocument {
public:
    // Drops the current binding, if any, and binds to the document.
    void ConnectTo(const IAcadDocument& document);
    // Binds, when unbound, to the running program's document, or to one of a
    // program started now.
    void Connect();
    void Disconnect();
    bool IsBound() const { return !doc_.isNull(); }

    // The bound document's model space and application; unbound, Connect
    // runs first, and a refusal follows when it binds nothing. A drawing
    // closed since it was bound is let go first, so the call goes to the
    // program's active drawing, or to a new one when none is open.
    IAcadModelSpace ModelSpace();
    IAcadApplication Application();
    IAcadDocument Document() { return bound(); }

private:
    IAcadDocument bound();
    IAcadDocument doc_;
};

} // namespace acad
