#include "acad/view/drawing_window.h"

#include "acad/dxf.h"

#include "acad/errors.h"
#include "acad/numbers.h"
#include "acad/view/guard.h"
#include "acad/view/scene.h"
#include "acad/view/viewport.h"

#include <AIS_InteractiveContext.hxx>
#include <Standard_Failure.hxx>

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace acad::view {

namespace {

// Chordal deviation of the mesh, as a part of an entity's size; entities
// much smaller than the model are meshed as if they were a twentieth of it.
constexpr double kRelativeDeflection = 0.002;
constexpr double kSmallestShare = 0.05;

double diagonal(const Bnd_Box& box)
{
    return box.IsVoid() ? 0.0 : std::sqrt(box.SquareExtent());
}

// The folder the save dialog opens in: the home folder, then the folder last
// saved into during this run (nothing keeps it beyond the run).
QString& saveFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

} // namespace

struct DrawingWindow::Shown {
    EntityState state;
    Bnd_Box box;
    Handle(AIS_InteractiveObject) object;
};

DrawingWindow::DrawingWindow(std::shared_ptr<Document> document) : document_(std::move(document))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document_->name() + QStringLiteral(" — ТОРВИЛ 10-2011"));
    resize(1024, 720);

    viewport_ = new Viewport(this);
    setCentralWidget(viewport_);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    QAction* save = file->addAction(QStringLiteral("Сохранить как STEP…"), this, &DrawingWindow::saveAsStep);
    save->setShortcut(QKeySequence::SaveAs);
    QAction* saveDxf = file->addAction(QStringLiteral("Сохранить как DXF…"), this, &DrawingWindow::saveAsDxf);
    saveDxf->setObjectName(QStringLiteral("saveDxfAction"));
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("Закрыть"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Вид"));
    QAction* fit = view->addAction(QStringLiteral("Показать всё"), this, &DrawingWindow::fitAll);
    fit->setShortcut(Qt::Key_F);
    QAction* top = view->addAction(QStringLiteral("Вид сверху"), this, &DrawingWindow::topView);
    top->setShortcut(Qt::Key_T);
    QAction* iso = view->addAction(QStringLiteral("Изометрия"), this, &DrawingWindow::isometricView);
    iso->setShortcut(Qt::Key_I);
    QMenu* service = menuBar()->addMenu(QStringLiteral("&Сервис"));
    QMenu* inquiry = service->addMenu(QStringLiteral("Запрос"));
    QAction* massProperties =
        inquiry->addAction(QStringLiteral("Регион/Массовые свойства"), this, &DrawingWindow::showMassProperties);
    massProperties->setObjectName(QStringLiteral("massPropertiesAction"));
    QToolBar* bar = addToolBar(QStringLiteral("Вид"));
    bar->setObjectName(QStringLiteral("viewToolBar"));
    bar->addAction(fit);
    bar->addAction(top);
    bar->addAction(iso);

    listener_ = document_->addListener([this] { scheduleRefresh(); });
    scheduleRefresh();
}

DrawingWindow::~DrawingWindow()
{
    document_->removeListener(listener_);
    // The presentations go before the viewer they are shown in.
    guarded("закрытие окна", [&] {
        const Handle(AIS_InteractiveContext)& context = viewport_->context();
        for (auto& [serial, shown] : shown_)
            if (!context.IsNull() && !shown->object.IsNull())
                context->Remove(shown->object, false);
        shown_.clear();
    });
}

Handle(AIS_InteractiveObject) DrawingWindow::presentation(const Entity& entity) const
{
    const auto it = shown_.find(entity.serial());
    return it == shown_.end() || entity.document() != document_.get() || entity.erased() ? nullptr
                                                                                           : it->second->object;
}

std::vector<const SolidEntity*> DrawingWindow::solidsForReport() const
{
    std::vector<const SolidEntity*> all, selected;
    const Handle(AIS_InteractiveContext)& context = viewport_->context();
    for (const auto& e : document_->entities()) {
        if (e->erased() || e->type() != EntityType::Solid)
            continue;
        const auto* solid = static_cast<const SolidEntity*>(e.get());
        all.push_back(solid);
        const Handle(AIS_InteractiveObject) shown = presentation(*e);
        if (!context.IsNull() && !shown.IsNull() && context->IsSelected(shown))
            selected.push_back(solid);
    }
    return selected.empty() ? all : selected;
}

QDialog* DrawingWindow::showMassProperties()
{
    bool selected = false;
    const Handle(AIS_InteractiveContext)& context = viewport_->context();
    if (!context.IsNull())
        selected = context->NbSelected() > 0;
    const auto solids = solidsForReport();
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("massPropertiesReport"));
    dialog->setWindowTitle(QStringLiteral("Массовые свойства"));
    auto* text = new QPlainTextEdit(dialog);
    text->setReadOnly(true);
    text->setPlainText(massPropertiesReport(solids, selected));
    text->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(420, 200);
    dialog->open();
    return dialog;
}

QString massPropertiesReport(const std::vector<const SolidEntity*>& solids, bool selected)
{
    double volume = 0;
    for (const SolidEntity* solid : solids) {
        try {
            volume += solid->body.volume();
        } catch (const std::exception&) {
            // A body the kernel cannot measure adds nothing.
        }
    }
    QString figure = QString::number(volume, 'f', 4);
    figure.replace(u'.', decimalSeparator());
    const QString which = solids.empty() ? QStringLiteral("в чертеже нет тел")
                          : selected     ? QStringLiteral("выделенные")
                                         : QStringLiteral("все тела чертежа");
    return QStringLiteral("Тела: %1 (%2)\nМасса (Mass): %3\nОбъем (Volume): %3 мм³\n")
        .arg(solids.size())
        .arg(which, figure);
}

void DrawingWindow::fitAll()
{
    viewport_->fitAll();
}

void DrawingWindow::topView()
{
    viewport_->setProjection(V3d_Zpos);
}

void DrawingWindow::isometricView()
{
    viewport_->setProjection(V3d_XposYnegZpos);
}

void DrawingWindow::scheduleRefresh()
{
    // One refresh for any number of changes: only the first change after a
    // refresh posts one. The flag may be set from any thread.
    if (refreshPending_.exchange(true))
        return;
    QMetaObject::invokeMethod(this, [this] { refresh(); }, Qt::QueuedConnection);
}

void DrawingWindow::refresh()
{
    refreshPending_ = false;
    // A drawing closed otherwise than by this window takes its window along.
    if (document_->closed()) {
        close();
        return;
    }
    if (!isVisible()) {
        stale_ = true;
        return;
    }
    stale_ = false;
    ++refreshCount_;
    Bnd_Box model, changed;
    guarded("обновление чертежа", [&] { update(model, changed); });
    if (shown_.empty()) {
        // Content that appears in an empty window again is fitted again.
        fitted_ = false;
    } else if ((!fitted_ || !viewport_->shows(changed)) && viewport_->view()) {
        // New or changed entities out of sight: show the whole drawing.
        fitted_ = true;
        viewport_->fitAll();
        return;
    }
    viewport_->redraw();
}

void DrawingWindow::update(Bnd_Box& model, Bnd_Box& changed)
{
    const Handle(AIS_InteractiveContext)& context = viewport_->context();
    std::unordered_map<uint64_t, std::unique_ptr<Shown>> next;
    std::vector<std::pair<const Entity*, Shown*>> fresh;

    for (const auto& entity : document_->entities()) {
        if (!entity || entity->erased())
            continue;
        guarded("состояние объекта", [&] {
            const Entity& e = *entity;
            EntityState state = stateOf(e);
            const auto old = shown_.find(e.serial());
            if (old != shown_.end() && old->second->state == state) {
                model.Add(old->second->box);
                next.emplace(e.serial(), std::move(old->second));
                shown_.erase(old);
                return;
            }
            // A solid with unions pending shows as one body. Should the
            // kernel refuse, the pieces show as they are and the state of
            // the pieces is remembered, so the union is not tried again
            // until the solid changes.
            if (e.type() == EntityType::Solid) {
                resolveSolid(static_cast<const SolidEntity&>(e));
                state = stateOf(e);
            }
            auto shown = std::make_unique<Shown>();
            shown->state = std::move(state);
            shown->box = boxOf(e);
            model.Add(shown->box);
            changed.Add(shown->box);
            fresh.emplace_back(&e, shown.get());
            next.emplace(e.serial(), std::move(shown));
        });
    }

    // What is left has changed or left the model space.
    for (auto& [serial, shown] : shown_)
        if (!context.IsNull() && !shown->object.IsNull())
            guarded("удаление объекта", [&] { context->Remove(shown->object, false); });
    shown_ = std::move(next);

    const double modelSize = diagonal(model);
    for (auto& [entity, shown] : fresh) {
        guarded("показ объекта", [&] {
            const double size = std::max({diagonal(shown->box), modelSize * kSmallestShare, 1e-3});
            shown->object = presentationOf(*entity, size * kRelativeDeflection);
            if (!context.IsNull() && !shown->object.IsNull())
                context->Display(shown->object, displayModeOf(*entity), -1, false);
        });
    }
}

bool DrawingWindow::saveAsStep()
{
    const QString suggested = QDir(saveFolder()).filePath(document_->name() + QStringLiteral(".step"));
    QFileDialog dialog(this, QStringLiteral("Сохранить как STEP"), suggested,
                       QStringLiteral("Файлы STEP (*.step *.stp)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("step"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();
    const QFileInfo chosen(path);
    saveFolder() = chosen.absoluteDir().exists() ? chosen.absolutePath() : dialog.directory().absolutePath();

    QString failure;
    {
        KeepFloatFlags keep;
        try {
            document_->saveAs(path);
            return true;
        } catch (const Exception& e) {
            failure = e.message();
        } catch (const Standard_Failure& e) {
            failure = QString::fromUtf8(e.GetMessageString() ? e.GetMessageString() : "");
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    }
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Не удалось сохранить чертеж в файл %1.\n%2")
                              .arg(QDir::toNativeSeparators(path), errorBoxText(failure)));
    return false;
}

bool DrawingWindow::saveAsDxf()
{
    const QString suggested = QDir(saveFolder()).filePath(document_->name() + QStringLiteral(".dxf"));
    QFileDialog dialog(this, QStringLiteral("Сохранить как DXF"), suggested, QStringLiteral("Файлы DXF (*.dxf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("dxf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();
    const QFileInfo chosen(path);
    saveFolder() = chosen.absoluteDir().exists() ? chosen.absolutePath() : dialog.directory().absolutePath();
    return writeDxf(path);
}

bool DrawingWindow::writeDxf(const QString& path)
{
    QString failure;
    try {
        const DxfSaved saved = saveDxf(*document_, path);
        if (saved.solids > 0)
            statusBar()->showMessage(QStringLiteral("Тела (%1) в DXF не записаны: их сохраняют как STEP.").arg(saved.solids));
        else
            statusBar()->showMessage(QStringLiteral("Чертеж записан в файл %1.").arg(QDir::toNativeSeparators(path)));
        return true;
    } catch (const Exception& e) {
        failure = e.message();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Не удалось сохранить чертеж в файл %1.\n%2")
                              .arg(QDir::toNativeSeparators(path), errorBoxText(failure)));
    return false;
}

void DrawingWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (stale_)
        scheduleRefresh();
}

void DrawingWindow::closeEvent(QCloseEvent* event)
{
    if (!askToSave()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the window closes its drawing; the next drawing call opens a
    // new one.
    document_->close();
}

bool DrawingWindow::askToSave()
{
    if (!document_->modifiedSinceSave())
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    QStringLiteral("Сохранить изменения в чертеже «%1»?").arg(document_->name()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && saveAsStep());
}

} // namespace acad::view
