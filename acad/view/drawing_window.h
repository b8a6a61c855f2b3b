#pragma once
// The drawing program's window: the model space of one document in 3D.
// Closing the window closes its drawing, after asking whether to save it.
//
// The window follows the document: every change only marks the scene out of
// date, and the scene is brought up to date once, when control returns to
// the event loop, however many entities a procedure made or removed
// meanwhile. Entities whose state is unchanged keep their presentation. A
// hidden window waits until it is shown. The view follows the drawing: what
// appears in an empty drawing, or out of sight, makes the view show the
// whole drawing; otherwise the user's own view stays as it is.
#include "acad/model.h"

#include <AIS_InteractiveObject.hxx>
#include <Bnd_Box.hxx>

#include <QMainWindow>

#include <atomic>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class QDialog;

namespace acad::view {

class Viewport;
struct EntityState;

class DrawingWindow : public QMainWindow {
    Q_OBJECT
public:
    // A top-level window; it keeps the document alive while it is open.
    explicit DrawingWindow(std::shared_ptr<Document> document);
    ~DrawingWindow() override;

    const std::shared_ptr<Document>& document() const { return document_; }
    Viewport* viewport() const { return viewport_; }

    // Entities that have a presentation in the scene now.
    int shownCount() const { return static_cast<int>(shown_.size()); }
    // How many times the scene has been brought up to date.
    int refreshCount() const { return refreshCount_; }
    // The presentation showing an entity; null when it shows none.
    Handle(AIS_InteractiveObject) presentation(const Entity& entity) const;

public slots:
    void fitAll();
    void topView();
    void isometricView();
    // Asks for a file name and writes the document as STEP; true when written.
    bool saveAsStep();
    // Asks for a file name and writes the drawing's 2D entities and texts
    // as DXF; the status line says when solids were left out. True when
    // written.
    bool saveAsDxf();
    // The same without asking.
    bool writeDxf(const QString& path);
    // Asks whether to save the drawing's unsaved entities, and saves them
    // when told; true when the drawing may close (nothing unsaved, saved, or
    // the changes given up).
    bool askToSave();
    // Service > Inquiry > Region/Mass properties: the volume of the selected
    // solids, or of every solid of the drawing when none is selected, shown
    // as text to copy. Returns the report's window.
    QDialog* showMassProperties();

public:
    // The solids selected in the view, or every solid of the drawing when
    // none is selected.
    std::vector<const SolidEntity*> solidsForReport() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Shown;
    void scheduleRefresh();
    void refresh();
    void update(Bnd_Box& model, Bnd_Box& changed);

    std::shared_ptr<Document> document_;
    int listener_ = 0;
    Viewport* viewport_ = nullptr;
    std::unordered_map<uint64_t, std::unique_ptr<Shown>> shown_;
    std::atomic<bool> refreshPending_{false};
    int refreshCount_ = 0;
    bool fitted_ = false;
    bool stale_ = false;
};

// The mass-properties report of solids: how many, and their volume in
// cubic millimetres (their mass at a density of 1), written with the
// system's decimal separator so that it can be copied as it stands.
QString massPropertiesReport(const std::vector<const SolidEntity*>& solids, bool selected);

} // namespace acad::view
