#include "acad/fields.h"

#include "acad/errors.h"
#include "acad/model.h"

#include <utility>

namespace acad {

double& WorkingFields::Dim(int k)
{
    double* const bank[36] = {&Dim00, &Dim01, &Dim02, &Dim03, &Dim04, &Dim05, &Dim06, &Dim07, &Dim08,
                               &Dim09, &Dim10, &Dim11, &Dim12, &Dim13, &Dim14, &Dim15, &Dim16, &Dim17,
                               &Dim18, &Dim19, &Dim20, &Dim21, &Dim22, &Dim23, &Dim24, &Dim25, &Dim26,
                               &Dim27, &Dim28, &Dim29, &Dim30, &Dim31, &Dim32, &Dim33, &Dim34, &Dim35};
    return *bank[k];
}

void WorkingFields::SetProfile(std::initializer_list<XY> vertices)
{
    SetProfile(std::vector<XY>(vertices));
}

void WorkingFields::SetProfile(const std::vector<XY>& vertices)
{
    VertexArray = newVertexList(vertices.size());
    for (std::size_t k = 0; k < vertices.size(); ++k)
        setVertex(VertexArray, k, vertices[k].x, vertices[k].y);
}

void WorkingFields::MakeProfileRegion(std::initializer_list<Bulge> bulges)
{
    MakeProfileRegion(std::vector<Bulge>(bulges));
}

void WorkingFields::MakeProfileRegion(const std::vector<Bulge>& bulges)
{
    ProfilePolyline = ModelSpace().AddPolyline(VertexArray);
    for (const Bulge& b : bulges)
        ProfilePolyline.SetBulge(b.vertex, b.value);
    RegionSource = {ProfilePolyline};
    RegionResult = ModelSpace().AddRegion(RegionSource);
    ProfileRegion = ModelSpace().Item(ModelSpace().Count() - 1).as<IAcadRegion>();
}

void WorkingFields::DeleteProfile()
{
    ProfilePolyline.Delete();
    ProfileRegion.Delete();
}

IAcad3DSolid WorkingFields::ExtrudeProfile(double height, double taper)
{
    IAcad3DSolid solid = ModelSpace().AddExtrudedSolid(ProfileRegion, height, taper);
    DeleteProfile();
    return solid;
}

IAcad3DSolid WorkingFields::RevolveProfile(const AcadPoint& axisPoint, const AcadPoint& axisDirection, double angle)
{
    AxisPoint = axisPoint;
    AxisDirection = axisDirection;
    IAcad3DSolid solid = ModelSpace().AddRevolvedSolid(ProfileRegion, AxisPoint, AxisDirection, angle);
    DeleteProfile();
    return solid;
}

IAcad3DSolid WorkingFields::SweepProfile(const VertexList& path)
{
    VertexArray = path;
    SweepPath = ModelSpace().Add3DPoly(VertexArray);
    IAcad3DSolid solid = ModelSpace().AddExtrudedSolidAlongPath(ProfileRegion, SweepPath);
    SweepPath.Delete();
    return solid;
}

QString noBodyToSectionMessage()
{
    return QStringLiteral("Нет детали для сечения: сначала постройте ее кнопкой «3D» этой панели");
}

void WorkingFields::KeepBody(const void* owner)
{
    KeepBody(owner, {});
}

void WorkingFields::KeepBody(const void* owner, std::vector<double> sizes)
{
    bodyOwner_ = owner;
    keptBody_ = BodySolid;
    keptSizes_ = std::move(sizes);
}

void WorkingFields::SectionBody(const void* owner, double lineStartX)
{
    if (owner != bodyOwner_ || BodySolid.isNull() || !(BodySolid == keptBody_) || BodySolid.entity()->erased())
        throw Exception(noBodyToSectionMessage());
    AxisPoint = AcadPoint(0, 0, 0);
    AxisDirection = AcadPoint(77, 0, 0);
    LineStart = AcadPoint(lineStartX, 77, 0);
    ProfileRegion = BodySolid.SectionSolid(AxisPoint, AxisDirection, LineStart);
    ProfileRegion.put_Lineweight(50);
    BodySolid.Delete();
}

void WorkingFields::Line2D(double x1, double y1, double x2, double y2, int lineweight, int colour)
{
    LineStart = AcadPoint(x1, y1, 0);
    LineEnd = AcadPoint(x2, y2, 0);
    LastLine = ModelSpace().AddLine(LineStart, LineEnd);
    LastLine.put_Lineweight(lineweight);
    if (colour >= 0)
        LastLine.put_color(colour);
}

void WorkingFields::Arc2D(double cx, double cy, double radius, double startAngle, double endAngle, int lineweight,
                          int colour)
{
    BasePoint = AcadPoint(cx, cy, 0);
    ArcRadius = radius;
    ArcStartAngle = startAngle;
    ArcEndAngle = endAngle;
    LastArc = ModelSpace().AddArc(BasePoint, ArcRadius, ArcStartAngle, ArcEndAngle);
    LastArc.put_Lineweight(lineweight);
    if (colour >= 0)
        LastArc.put_color(colour);
}

void WorkingFields::Circle2D(double cx, double cy, double radius, int lineweight)
{
    BasePoint = AcadPoint(cx, cy, 0);
    ArcRadius = radius;
    LastCircle = ModelSpace().AddCircle(BasePoint, ArcRadius);
    LastCircle.put_Lineweight(lineweight);
}

} // namespace acad
