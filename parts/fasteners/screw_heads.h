#pragma once
// Screw heads with the neck under them down to the start of the thread, as
// one solid of revolution standing on the Z axis, the top of the head in
// z = 0: the cylinder head with a hexagon socket (Panel77) and the cylinder,
// semicircular, countersunk and raised countersunk heads with a slot
// (Panel78 to Panel81). One construction serves all five, fed by the data
// of each head.
#include "app/shell/part_panel.h"

#include <memory>
#include <vector>

namespace Ui {
class Panel77;
class Panel78;
class Panel79;
class Panel80;
class Panel81;
} // namespace Ui

namespace fasteners {

// The sizes of a head, by the letters of the panels' pictures (D2 and K1 of
// some panels are D and K here, t1 is t).
struct HeadSizes {
    double D = 0, K = 0, d1 = 0, L = 0, R = 0, r = 0, n = 0, t = 0, r1 = 0, D1 = 0, R1 = 0, f = 0;
    double e1 = 0, S1 = 0;
};

enum class HeadShape { Socket, Cylinder, Semicircular, Countersunk, Raised };

// An edit read into a size and a slot of the dimension bank.
struct HeadRead {
    const char* edit;
    double HeadSizes::*size;
    int slot;
};

struct ScrewHead {
    HeadShape shape;
    std::vector<HeadRead> reads;     // before anything is drawn
    std::vector<HeadRead> lateReads; // once the head is made and turned (the socket's e1, S1)
    int colour;
};

class ScrewHeadPanel : public shell::PartPanel {
protected:
    ScrewHeadPanel(shell::PanelContext& context, QWidget* parent, const ScrewHead& head);
    // Reads the sizes and draws the head into NewSolid.
    void drawHead();

private:
    double read(const HeadRead& r, HeadSizes& sizes);
    void addDome(const HeadSizes& s, bool withNeck);
    void addCap(const HeadSizes& s);
    void cutSlot(const HeadSizes& s);
    void cutSocket(HeadSizes& s);
    const ScrewHead& head_;
};

class SocketHeadPanel : public ScrewHeadPanel {
public:
    SocketHeadPanel(shell::PanelContext& context, QWidget* parent);
    ~SocketHeadPanel() override;
    void BitBtn69Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel77> ui;
};

class CylinderHeadPanel : public ScrewHeadPanel {
public:
    CylinderHeadPanel(shell::PanelContext& context, QWidget* parent);
    ~CylinderHeadPanel() override;
    void BitBtn70Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel78> ui;
};

class SemicircularHeadPanel : public ScrewHeadPanel {
public:
    SemicircularHeadPanel(shell::PanelContext& context, QWidget* parent);
    ~SemicircularHeadPanel() override;
    void BitBtn72Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel79> ui;
};

class CountersunkHeadPanel : public ScrewHeadPanel {
public:
    CountersunkHeadPanel(shell::PanelContext& context, QWidget* parent);
    ~CountersunkHeadPanel() override;
    void BitBtn74Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel80> ui;
};

class RaisedHeadPanel : public ScrewHeadPanel {
public:
    RaisedHeadPanel(shell::PanelContext& context, QWidget* parent);
    ~RaisedHeadPanel() override;
    void BitBtn76Click(); // "3D"

private:
    std::unique_ptr<Ui::Panel81> ui;
};

} // namespace fasteners
