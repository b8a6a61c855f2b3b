#pragma once
// The drawing working fields shared by every drawing procedure, and the fixed
// ways in which the procedures use them: the profile-to-solid sequence, the
// 2D section of a part and the 2D lines.
#include "acad/interfaces.h"
#include "acad/types.h"

#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace acad {

// A bulge set on a vertex of the current profile.
struct Bulge {
    int vertex;
    double value;
};

struct XY {
    double x, y;
};

class WorkingFields {
public:
    explicit WorkingFields(TAcadDocument& connection) : AcadDocument1(connection) {}
    WorkingFields(const WorkingFields&) = delete;
    WorkingFields& operator=(const WorkingFields&) = delete;

    TAcadDocument& AcadDocument1;

    // The fields, in declaration order, with their start values.
    int32_t ModeFlag = 0;
    AcadPoint LineStart, LineEnd;
    AcadPoint BasePoint;
    VertexList VertexArray;
    AcadPoint AxisPoint, AxisDirection;
    AcadPoint Axis2Point, Axis2Direction;
    AcadPoint TextPoint;
    double ArcRadius = 0, ArcStartAngle = 0, ArcEndAngle = 0;
    IAcadLine LastLine;
    IAcadArc LastArc;
    IAcadCircle LastCircle;
    IAcadPolyline ProfilePolyline;
    IAcadRegion ProfileRegion;
    IAcad3DSolid ExtraSolid, NewSolid, BodySolid, GroupSolid, ToolSolid;
    std::vector<IAcadRegion> RegionResult;
    std::vector<IAcadEntity> RegionSource;
    IAcadMText LastText;
    IAcad3DPolyline SweepPath;
    double Dim00 = 0, Dim01 = 0, Dim02 = 0, Dim03 = 0, Dim04 = 0, Dim05 = 0, Dim06 = 0, Dim07 = 0, Dim08 = 0,
           Dim09 = 0, Dim10 = 0, Dim11 = 0, Dim12 = 0, Dim13 = 0, Dim14 = 0, Dim15 = 0, Dim16 = 0, Dim17 = 0,
           Dim18 = 0, Dim19 = 0, Dim20 = 0, Dim21 = 0, Dim22 = 0, Dim23 = 0, Dim24 = 0, Dim25 = 0, Dim26 = 0,
           Dim27 = 0, Dim28 = 0, Dim29 = 0, Dim30 = 0, Dim31 = 0, Dim32 = 0, Dim33 = 0, Dim34 = 0, Dim35 = 0;

    // Slot k of the bank, for procedures that walk it by number.
    double& Dim(int k);

    // The model space of the bound document, asked for anew on every call.
    IAcadModelSpace ModelSpace() { return AcadDocument1.ModelSpace(); }

    // The profile-to-solid sequence, step by step.
    // VertexArray := the vertices (z = 0); the list closes on itself.
    void SetProfile(std::initializer_list<XY> vertices);
    void SetProfile(const std::vector<XY>& vertices);
    // ProfilePolyline := AddPolyline(VertexArray); the bulges in the order
    // given; RegionSource := [ProfilePolyline]; RegionResult := AddRegion;
    // ProfileRegion := the newest entity as a region.
    void MakeProfileRegion(std::initializer_list<Bulge> bulges = {});
    void MakeProfileRegion(const std::vector<Bulge>& bulges);
    // ProfilePolyline.Delete, then ProfileRegion.Delete.
    void DeleteProfile();
    // The region extruded along +Z by the height (taper in radians), then the
    // profile deleted.
    IAcad3DSolid ExtrudeProfile(double height, double taper = 0.0);
    // The region revolved about AxisPoint along AxisDirection (set here) by
    // the angle, then the profile deleted.
    IAcad3DSolid RevolveProfile(const AcadPoint& axisPoint, const AcadPoint& axisDirection,
                                double angle = 6.283185307179586);
    // VertexArray := the path, SweepPath := Add3DPoly, the region swept
    // along it, SweepPath deleted. The profile stays.
    IAcad3DSolid SweepProfile(const VertexList& path);

    // The 2D section of the part that a panel's "3D" button left in
    // BodySolid: the owner names the panel. KeepBody records the solid;
    // SectionBody sections it by the plane z = 0 (AxisPoint (0, 0, 0),
    // AxisDirection (77, 0, 0), LineStart (lineStartX, 77, 0)), gives the
    // section lineweight 50 and deletes the solid. When BodySolid holds no
    // solid of that panel's, nothing changes and the procedure fails.
    void KeepBody(const void* owner);
    void SectionBody(const void* owner, double lineStartX = 77.0);
    // KeepBody with the sizes the part was drawn from, so that its "2D"
    // draws its lines from them whatever the bank holds by then; KeptSizes
    // gives them back once SectionBody has found the part.
    void KeepBody(const void* owner, std::vector<double> sizes);
    const std::vector<double>& KeptSizes() const { return keptSizes_; }

    // The 2D line idiom: a line, arc or circle in the XY plane with its
    // lineweight and, where colour >= 0, its colour.
    void Line2D(double x1, double y1, double x2, double y2, int lineweight, int colour = -1);
    void Arc2D(double cx, double cy, double radius, double startAngle, double endAngle, int lineweight = 50,
               int colour = -1);
    void Circle2D(double cx, double cy, double radius, int lineweight = 50);

private:
    const void* bodyOwner_ = nullptr;
    IAcad3DSolid keptBody_;
    std::vector<double> keptSizes_;
};

// The message shown when a "2D" button finds no part of its own to section.
QString noBodyToSectionMessage();

} // namespace acad
