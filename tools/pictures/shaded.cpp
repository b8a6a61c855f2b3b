#include "tools/pictures/shaded.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GCPnts_TangentialDeflection.hxx>
#include <Geom2d_Curve.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Vec.hxx>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace pictures {

namespace {

constexpr int kSupersample = 2;

struct Camera {
    gp_Vec right, up, toViewer;
    double scale;
    double cx, cy;       // where the solids' centre lands, in buffer pixels
    gp_Vec centre;

    // Buffer x, y and the depth towards the viewer.
    gp_Vec map(const gp_Pnt& p) const
    {
        const gp_Vec v = gp_Vec(p.XYZ()) - centre;
        return gp_Vec(cx + scale * v.Dot(right), cy - scale * v.Dot(up), v.Dot(toViewer));
    }
};

class Buffer {
public:
    Buffer(int w, int h) : w_(w), h_(h), colour_(std::size_t(w) * h), depth_(std::size_t(w) * h, -1e30), hit_(std::size_t(w) * h) {}

    void triangle(const gp_Vec (&p)[3], const gp_Vec (&n)[3], const QColor& colour, const gp_Vec& light,
                  const gp_Vec& toViewer)
    {
        const double area = (p[1].X() - p[0].X()) * (p[2].Y() - p[0].Y()) - (p[2].X() - p[0].X()) * (p[1].Y() - p[0].Y());
        if (std::abs(area) < 1e-12)
            return;
        const int x0 = std::max(0, int(std::floor(std::min({p[0].X(), p[1].X(), p[2].X()}))));
        const int x1 = std::min(w_ - 1, int(std::ceil(std::max({p[0].X(), p[1].X(), p[2].X()}))));
        const int y0 = std::max(0, int(std::floor(std::min({p[0].Y(), p[1].Y(), p[2].Y()}))));
        const int y1 = std::min(h_ - 1, int(std::ceil(std::max({p[0].Y(), p[1].Y(), p[2].Y()}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double w0 = ((p[1].X() - px) * (p[2].Y() - py) - (p[2].X() - px) * (p[1].Y() - py)) / area;
                const double w1 = ((p[2].X() - px) * (p[0].Y() - py) - (p[0].X() - px) * (p[2].Y() - py)) / area;
                const double w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0)
                    continue;
                const double z = w0 * p[0].Z() + w1 * p[1].Z() + w2 * p[2].Z();
                const std::size_t i = std::size_t(y) * w_ + x;
                if (z <= depth_[i])
                    continue;
                depth_[i] = z;
                hit_[i] = true;
                gp_Vec normal = n[0] * w0 + n[1] * w1 + n[2] * w2;
                if (normal.SquareMagnitude() < 1e-18)
                    normal = toViewer;
                normal.Normalize();
                if (normal.Dot(toViewer) < 0)
                    normal.Reverse();
                colour_[i] = shade(colour, normal, light, toViewer);
            }
        }
    }

    // An edge point: drawn dark where nothing lies in front of it.
    void edgePoint(const gp_Vec& p, double bias)
    {
        for (int dy = 0; dy < kSupersample; ++dy) {
            for (int dx = 0; dx < kSupersample; ++dx) {
                const int x = int(std::floor(p.X())) + dx - kSupersample / 2, y = int(std::floor(p.Y())) + dy - kSupersample / 2;
                if (x < 0 || y < 0 || x >= w_ || y >= h_)
                    continue;
                const std::size_t i = std::size_t(y) * w_ + x;
                if (p.Z() + bias >= depth_[i] && hit_[i])
                    colour_[i] = qRgb(qRed(colour_[i]) / 3, qGreen(colour_[i]) / 3, qBlue(colour_[i]) / 3);
            }
        }
    }

    // The outline: solid pixels next to the background, or next to a solid
    // pixel much further back, drawn dark.
    void outline(double depthStep)
    {
        std::vector<bool> edge(hit_.size());
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                const std::size_t i = std::size_t(y) * w_ + x;
                if (!hit_[i])
                    continue;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_)
                        continue;
                    const std::size_t j = std::size_t(ny) * w_ + nx;
                    if (!hit_[j] || depth_[i] - depth_[j] > depthStep)
                        edge[i] = true;
                }
            }
        for (std::size_t i = 0; i < edge.size(); ++i)
            if (edge[i])
                colour_[i] = qRgb(qRed(colour_[i]) / 4, qGreen(colour_[i]) / 4, qBlue(colour_[i]) / 4);
    }

    // Reduced to the picture over the background.
    void reduceInto(QImage& image, const QRect& frame) const
    {
        const int n = kSupersample * kSupersample;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb under = image.pixel(frame.x() + x, frame.y() + y);
                int r = 0, g = 0, b = 0;
                for (int sy = 0; sy < kSupersample; ++sy) {
                    for (int sx = 0; sx < kSupersample; ++sx) {
                        const std::size_t i = std::size_t(y * kSupersample + sy) * w_ + x * kSupersample + sx;
                        const QRgb c = hit_[i] ? colour_[i] : under;
                        r += qRed(c);
                        g += qGreen(c);
                        b += qBlue(c);
                    }
                }
                image.setPixel(frame.x() + x, frame.y() + y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
            }
        }
    }

private:
    static QRgb shade(const QColor& colour, const gp_Vec& normal, const gp_Vec& light, const gp_Vec& toViewer)
    {
        const double diffuse = std::max(0.0, normal.Dot(light));
        const gp_Vec reflected = normal * (2 * normal.Dot(light)) - light;
        const double highlight = std::pow(std::max(0.0, reflected.Dot(toViewer)), 24) * 0.35;
        const double k = 0.42 + 0.58 * diffuse;
        auto channel = [&](int c) { return std::clamp(int(c * k + 255 * highlight + 0.5), 0, 255); };
        return qRgb(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
    }

    int w_, h_;
    std::vector<QRgb> colour_;
    std::vector<double> depth_;
    std::vector<bool> hit_;
};

void drawSolid(Buffer& buffer, const Camera& camera, const ShadedSolid& solid, const gp_Vec& light, double deflection)
{
    BRepMesh_IncrementalMesh(solid.shape, deflection, false, 0.25, false);
    TopTools_IndexedMapOfShape coloured;
    for (const auto& [face, colour] : solid.faceColours)
        coloured.Add(face);
    for (TopExp_Explorer f(solid.shape, TopAbs_FACE); f.More(); f.Next()) {
        const TopoDS_Face face = TopoDS::Face(f.Current());
        const int own = coloured.FindIndex(face);
        const QColor& colour = own > 0 ? solid.faceColours[own - 1].second : solid.colour;
        TopLoc_Location location;
        const Handle(Poly_Triangulation) mesh = BRep_Tool::Triangulation(face, location);
        if (mesh.IsNull())
            continue;
        const gp_Trsf trsf = location.Transformation();
        std::vector<gp_Vec> nodes(mesh->NbNodes() + 1), normals(mesh->NbNodes() + 1, gp_Vec(0, 0, 0));
        for (int i = 1; i <= mesh->NbNodes(); ++i)
            nodes[i] = camera.map(mesh->Node(i).Transformed(trsf));
        const bool reversed = face.Orientation() == TopAbs_REVERSED;
        // Smooth within a face: each node's normal the sum of its triangles'.
        for (int t = 1; t <= mesh->NbTriangles(); ++t) {
            int a, b, c;
            mesh->Triangle(t).Get(a, b, c);
            const gp_Pnt pa = mesh->Node(a).Transformed(trsf), pb = mesh->Node(b).Transformed(trsf),
                         pc = mesh->Node(c).Transformed(trsf);
            gp_Vec n = gp_Vec(pa, pb).Crossed(gp_Vec(pa, pc));
            if (reversed)
                n.Reverse();
            normals[a] += n;
            normals[b] += n;
            normals[c] += n;
        }
        for (int t = 1; t <= mesh->NbTriangles(); ++t) {
            int a, b, c;
            mesh->Triangle(t).Get(a, b, c);
            const gp_Vec p[3] = {nodes[a], nodes[b], nodes[c]};
            // Normals in the camera's frame, for the light given in it.
            auto toCamera = [&](const gp_Vec& v) {
                return gp_Vec(v.Dot(camera.right), v.Dot(camera.up), v.Dot(camera.toViewer));
            };
            const gp_Vec n[3] = {toCamera(normals[a]), toCamera(normals[b]), toCamera(normals[c])};
            buffer.triangle(p, n, colour, light, gp_Vec(0, 0, 1));
        }
    }
}

// The outward normal of the face at the middle of its edge, if it has one
// there.
std::optional<gp_Vec> normalAlong(const TopoDS_Edge& edge, const TopoDS_Face& face)
{
    double first, last;
    const Handle(Geom2d_Curve) onFace = BRep_Tool::CurveOnSurface(edge, face, first, last);
    if (onFace.IsNull())
        return std::nullopt;
    const gp_Pnt2d uv = onFace->Value((first + last) / 2);
    gp_Pnt p;
    gp_Vec du, dv;
    BRepAdaptor_Surface(face).D1(uv.X(), uv.Y(), p, du, dv);
    gp_Vec n = du.Crossed(dv);
    if (n.Magnitude() < 1e-12)
        return std::nullopt;
    if (face.Orientation() == TopAbs_REVERSED)
        n.Reverse();
    return n.Normalized();
}

// The sharp edges: those between faces that meet at an angle (of at least
// minFold radians where it is given), and the free ones.
void drawEdges(Buffer& buffer, const Camera& camera, const TopoDS_Shape& shape, double deflection, double minFold)
{
    TopTools_IndexedDataMapOfShapeListOfShape faces;
    TopExp::MapShapesAndAncestors(shape, TopAbs_EDGE, TopAbs_FACE, faces);
    for (int i = 1; i <= faces.Extent(); ++i) {
        const TopoDS_Edge edge = TopoDS::Edge(faces.FindKey(i));
        const TopTools_ListOfShape& around = faces.FindFromIndex(i);
        if (BRep_Tool::Degenerated(edge))
            continue;
        if (around.Extent() == 2) {
            const TopoDS_Face f1 = TopoDS::Face(around.First()), f2 = TopoDS::Face(around.Last());
            if (f1.IsSame(f2) || BRep_Tool::Continuity(edge, f1, f2) != GeomAbs_C0)
                continue;
            if (minFold > 0) {
                const std::optional<gp_Vec> n1 = normalAlong(edge, f1), n2 = normalAlong(edge, f2);
                if (n1 && n2 && n1->Angle(*n2) < minFold)
                    continue;
            }
        }
        BRepAdaptor_Curve curve(edge);
        GCPnts_TangentialDeflection sampler(curve, 0.05, deflection);
        for (int k = 1; k < sampler.NbPoints(); ++k) {
            const gp_Vec a = camera.map(sampler.Value(k)), b = camera.map(sampler.Value(k + 1));
            const int steps = std::max(1, int(std::hypot(b.X() - a.X(), b.Y() - a.Y()) * 2));
            for (int s = 0; s <= steps; ++s)
                buffer.edgePoint(a + (b - a) * (double(s) / steps), 2.5 / camera.scale + 0.02);
        }
    }
}

} // namespace

QImage shadedView(const std::vector<ShadedSolid>& solids, const View& view, const QImage& background,
                  const QRect& frame)
{
    return shadedPicture(solids, view, background, frame, false, 0).image;
}

ShadedPicture shadedPicture(const std::vector<ShadedSolid>& solids, const View& view, const QImage& background,
                            const QRect& frame, bool outlined, double smallestFold)
{
    Camera camera;
    camera.toViewer = gp_Vec(view.toViewer[0], view.toViewer[1], view.toViewer[2]).Normalized();
    camera.right = gp_Vec(view.up[0], view.up[1], view.up[2]).Crossed(camera.toViewer).Normalized();
    camera.up = camera.toViewer.Crossed(camera.right);

    // The extent of the solids across the view.
    double minX = 1e30, maxX = -1e30, minY = 1e30, maxY = -1e30;
    for (const ShadedSolid& s : solids) {
        Bnd_Box box;
        BRepBndLib::Add(s.shape, box);
        double x0, y0, z0, x1, y1, z1;
        box.Get(x0, y0, z0, x1, y1, z1);
        for (double x : {x0, x1})
            for (double y : {y0, y1})
                for (double z : {z0, z1}) {
                    const gp_Vec v(x, y, z);
                    minX = std::min(minX, v.Dot(camera.right));
                    maxX = std::max(maxX, v.Dot(camera.right));
                    minY = std::min(minY, v.Dot(camera.up));
                    maxY = std::max(maxY, v.Dot(camera.up));
                }
    }
    const int w = frame.width() * kSupersample, h = frame.height() * kSupersample;
    camera.scale = std::min(w / (maxX - minX), h / (maxY - minY));
    camera.centre = camera.right * ((minX + maxX) / 2) + camera.up * ((minY + maxY) / 2);
    camera.cx = w / 2.0;
    camera.cy = h / 2.0;

    // The light from above, to the left and in front, in the camera's frame.
    const gp_Vec light = gp_Vec(-0.35, 0.55, 0.75).Normalized();
    const double deflection = 0.6 / camera.scale * kSupersample;
    Buffer buffer(w, h);
    for (const ShadedSolid& s : solids)
        drawSolid(buffer, camera, s, light, deflection);
    for (const ShadedSolid& s : solids)
        drawEdges(buffer, camera, s.shape, deflection, smallestFold * M_PI / 180);
    if (outlined)
        buffer.outline(8.0 * kSupersample / camera.scale);

    QImage image = background.convertToFormat(QImage::Format_RGB32);
    buffer.reduceInto(image, frame);
    const QPointF corner = frame.topLeft();
    return {image, [camera, corner](const gp_Pnt& p) {
                const gp_Vec v = camera.map(p);
                return corner + QPointF(v.X(), v.Y()) / kSupersample;
            }};
}

} // namespace pictures
