#pragma once
// A DXF file read back with the DXF library's own reader: each entity with
// its kind, attributes (layer, colour, true colour, lineweight), its numbers,
// a polyline's vertices and flags, a text's string.
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <QString>

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

struct Read : DL_CreationAdapter {
    struct Item {
        std::string kind;
        DL_Attributes attributes;
        std::vector<double> values;
        std::vector<DL_VertexData> vertices;
        int flags = 0;
        std::string text;
        double normalZ = 1;
    };
    std::vector<Item> items;

    Item& add(const char* kind, std::vector<double> values)
    {
        Item item{kind, getAttributes(), std::move(values)};
        if (getExtrusion())
            item.normalZ = getExtrusion()->getDirection()[2];
        return items.emplace_back(std::move(item));
    }
    void addLine(const DL_LineData& d) override { add("LINE", {d.x1, d.y1, d.z1, d.x2, d.y2, d.z2}); }
    void addArc(const DL_ArcData& d) override { add("ARC", {d.cx, d.cy, d.cz, d.radius, d.angle1, d.angle2}); }
    void addCircle(const DL_CircleData& d) override { add("CIRCLE", {d.cx, d.cy, d.cz, d.radius}); }
    void addPolyline(const DL_PolylineData& d) override { add("POLYLINE", {d.elevation}).flags = d.flags; }
    void addVertex(const DL_VertexData& d) override { items.back().vertices.push_back(d); }
    void addMText(const DL_MTextData& d) override
    {
        Item& item = add("MTEXT", {d.ipx, d.ipy, d.ipz, d.height, d.width, double(d.attachmentPoint), d.dirx, d.diry});
        item.text = chunks + d.text;
        chunks.clear();
    }
    void addMTextChunk(const std::string& text) override { chunks += text; }
    std::string chunks;
};

// The file read back as the library reads it (numbers with a point).
inline Read readBack(const QString& path)
{
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    Read read;
    DL_Dxf dxf;
    EXPECT_TRUE(dxf.in(path.toLocal8Bit().toStdString(), &read));
    std::setlocale(LC_NUMERIC, numeric.c_str());
    return read;
}

