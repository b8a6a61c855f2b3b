// Every panel against a careless user: each edit of every part and side panel
// the toolbar shows gets, one at a time, each of a table of bad texts while
// the other edits hold a working size, and every button of the panel is
// pressed. After each press the program is still running, the error box (if
// any) says something the program knows how to say, every new solid is
// valid, and the drawing still saves as STEP and reads back whole.
#include "window_fixture.h"

#include "acad/numbers.h"
#include "acad/procedure.h"
#include "tools/pictures/records.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QDir>
#include <QTemporaryDir>

#include <BRepCheck_Analyzer.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <cfenv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace {

// The bad texts a careless user types.
QStringList badTexts()
{
    const QChar sep = acad::decimalSeparator();
    const QString wrongSep = sep == u'.' ? QStringLiteral("1,5") : QStringLiteral("1.5");
    return {QString(), QStringLiteral(" "), QStringLiteral("abc"), QStringLiteral("1e400"),
            QStringLiteral("-1e400"), QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-5"),
            QStringLiteral("0"), QStringLiteral("1e-300"), QStringLiteral("1e9"),
            QStringLiteral("99999999999999999999"), QStringLiteral("1,2,3"), wrongSep,
            QStringLiteral("\u0663"), // ARABIC-INDIC DIGIT THREE
            QStringLiteral("\uFF15")}; // FULLWIDTH DIGIT FIVE
}

// What an error box may say: the number conversions, the floating-point
// faults, the drawing layer's refusals, and a panel's own refusal (the
// panels speak Russian, so any text that opens with a Cyrillic letter).
bool knownErrorText(const QString& text)
{
    static const QRegularExpression forms(QStringLiteral(
        "^(?:'.*' is not a valid (?:floating point|integer) value"
        "|Invalid floating point operation|Floating point division by zero"
        "|Floating point overflow|Floating point underflow"
        "|\\p{Cyrillic}.*)\\.?$"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::UseUnicodePropertiesOption);
    return forms.match(text).hasMatch();
}

// Faults found by this test and not mended yet, skipped so that the rest
// stays guarded (panel, edit, text):
const std::set<std::string> knownFaults = {
};

// The figure's "3D" draws the whole worker, which takes minutes: it is
// pressed once, with the working sizes (the initial pose the strip's first
// button types), and left out of the bad-text cases of the strip's one
// edit, which it does not read; the figure's own tests check its edits.
const std::set<std::string> slowButtons = {"BitBtn57"};

// Knowingly relaxed: a panel's own refusals are taken as any Russian text,
// since each panel words its own. A case the panel specifies as drawing
// an odd but sound result (a negative length drawn below the plane, a zero
// radius) needs no entry, as every new solid is still checked for validity.
// Edits a press writes (results shown back to the user) are found by a
// press with the working sizes and are not held to keep their text.

// Ends the run when one press takes longer than a generous bound.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              std::unique_lock lock(m_);
              while (!stop_) {
                  if (armed_) {
                      // A press armed anew starts its own bound.
                      const unsigned armed = armings_;
                      if (!cv_.wait_for(lock, bound_,
                                        [&] { return stop_ || !armed_ || armings_ != armed; })) {
                          std::fprintf(stderr, "HANG: %s\n", what_.c_str());
                          std::fflush(stderr);
                          std::_Exit(3);
                      }
                  } else {
                      cv_.wait(lock);
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }
    void arm(const std::string& what, std::chrono::seconds bound = std::chrono::seconds(20))
    {
        {
            std::lock_guard lock(m_);
            what_ = what;
            bound_ = bound;
            ++armings_;
            armed_ = true;
        }
        cv_.notify_all();
    }
    void disarm()
    {
        {
            std::lock_guard lock(m_);
            armed_ = false;
        }
        cv_.notify_all();
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false;
    bool armed_ = false;
    std::chrono::seconds bound_{20};
    unsigned armings_ = 0;
    std::string what_;
    std::thread thread_;
};

// A solid whose shape the layer builds and the kernel finds valid. The
// layer joins some solids only when their shape is first asked for, so a
// refusal may come out here rather than at the press.
// A solid is valid; or, when the press reported a failure in its error
// box, the union the layer refused has left it as its own valid pieces.
bool validSolid(const acad::Entity& e, bool failureReported)
{
    bool valid = false, failed = false;
    const QString message = acad::runProcedure([&] { valid = BRepCheck_Analyzer(e.shape()).IsValid(); }, &failed);
    if (!failed)
        return valid;
    std::cout << "[fuzz] shape refused after the press: " << message.toStdString() << std::endl;
    const auto& solid = static_cast<const acad::SolidEntity&>(e);
    return failureReported && BRepCheck_Analyzer(solid.body.piecesCompound()).IsValid();
}

int solidsIn(const TopoDS_Shape& shape)
{
    int n = 0;
    for (TopExp_Explorer x(shape, TopAbs_SOLID); x.More(); x.Next())
        ++n;
    return n;
}

} // namespace

class FuzzTest : public WindowTest {
protected:
    // Files the panels write (the pose file) go to a folder of the test's own.
    void SetUp() override
    {
        WindowTest::SetUp();
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(previous_);
        WindowTest::TearDown();
    }

    // The panels the toolbar shows, in its order, each once.
    std::vector<QWidget*> panels()
    {
        std::vector<QWidget*> found;
        std::set<QWidget*> seen;
        for (QAbstractButton* tool : widget("Panel5")->findChildren<QAbstractButton*>()) {
            try {
                tool->click();
            } catch (const std::exception& x) {
                ADD_FAILURE() << tool->objectName().toStdString() << ": " << x.what();
            }
            for (QWidget* panel : form().clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (panel->width() == 0 || panel == widget("Panel5") || panel == widget("Panel4") ||
                    panel->objectName().startsWith(QLatin1String("Panel11")) || !panel->objectName().startsWith(u'P'))
                    continue;
                if (!panel->findChildren<QAbstractButton*>().isEmpty() && seen.insert(panel).second)
                    found.push_back(panel);
            }
        }
        return found;
    }

    std::vector<std::shared_ptr<acad::Entity>> entities()
    {
        std::vector<std::shared_ptr<acad::Entity>> all;
        const acad::IAcadModelSpace ms = form().AcadDocument1.ModelSpace();
        for (int i = 0; i < ms.Count(); ++i)
            all.push_back(ms.Item(i).entity());
        return all;
    }

    void clearDrawing()
    {
        acad::IAcadModelSpace ms = form().AcadDocument1.ModelSpace();
        for (int i = ms.Count() - 1; i >= 0; --i) {
            try {
                ms.Item(i).Delete();
            } catch (const std::exception& x) {
                ADD_FAILURE() << "deleting entity " << i << ": " << x.what();
            }
        }
    }

    // The drawing saves as STEP and reads back with as many solids.
    void expectSaves(const std::string& where)
    {
        int solids = 0;
        for (const auto& e : entities())
            if (e->type() == acad::EntityType::Solid && validSolid(*e, true)) {
                // A refused union is saved as its pieces.
                const auto& solid = static_cast<const acad::SolidEntity&>(*e);
                try {
                    solids += solidsIn(solid.body.shape());
                } catch (...) {
                    solids += solidsIn(solid.body.piecesCompound());
                }
            }
        const QString path = dir_.filePath(QStringLiteral("fuzz.step"));
        try {
            form().AcadDocument1.Document().SaveAs(path);
        } catch (const std::exception& x) {
            ADD_FAILURE() << where << ": the drawing does not save: " << x.what();
            return;
        }
        STEPControl_Reader reader;
        ASSERT_EQ(reader.ReadFile(path.toLocal8Bit().constData()), IFSelect_RetDone) << where;
        reader.TransferRoots();
        EXPECT_EQ(solidsIn(reader.OneShape()), solids) << where << ": solids read back";
        // The reader's own floating-point flags are none of the program's.
        std::feclearexcept(FE_ALL_EXCEPT);
    }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(FuzzTest, EveryEditOfEveryPanelTakesBadTextsSafely)
{
    // All texts for every edit take a few minutes; every third case, by a
    // fixed rotation through the texts, keeps the run short while each text
    // meets each panel.
    const int stride = std::getenv("FUZZ_ALL") ? 1 : 3;
    const QStringList bad = badTexts();
    const auto& records = pictures::partPictures();
    Watchdog watchdog;
    int cases = 0, run = 0, presses = 0, panelCount = 0, editCount = 0;

    for (QWidget* panel : panels()) {
        const std::string panelName = panel->objectName().toStdString();
        const QList<QLineEdit*> edits = panel->findChildren<QLineEdit*>();
        const QList<QAbstractButton*> buttons = panel->findChildren<QAbstractButton*>();
        if (edits.isEmpty())
            continue;
        ++panelCount;
        editCount += edits.size();
        clearDrawing();
        boxes.clear();

        // Working sizes: the panel's picture record, else its start texts.
        for (const pictures::PartPicture& r : records) {
            if (panelName != r.panel)
                continue;
            for (const pictures::Size& s : r.sizes)
                if (auto* e = form().findChild<QLineEdit*>(QLatin1String(s.edit)); e && edits.contains(e))
                    e->setText(QString::number(s.value, 'g', 12).replace(u'.', acad::decimalSeparator()));
            break;
        }
        std::map<QLineEdit*, QString> working;
        for (QLineEdit* e : edits)
            working[e] = e->text();

        // Edits a press writes back: those a press with the working sizes changes.
        std::set<QLineEdit*> written;
        for (QAbstractButton* b : buttons) {
            for (QLineEdit* e : edits)
                e->setText(working[e]);
            const bool slow = slowButtons.count(b->objectName().toStdString()) > 0;
            watchdog.arm(panelName + " " + b->objectName().toStdString() + " with the working sizes",
                         std::chrono::seconds(slow ? 900 : 20));
            try {
                b->click();
            } catch (const std::exception& x) {
                ADD_FAILURE() << panelName << " " << b->objectName().toStdString()
                              << " with the working sizes: escaped the error box: " << x.what();
            }
            watchdog.disarm();
            for (QLineEdit* e : edits)
                if (e->text() != working[e])
                    written.insert(e);
        }
        clearDrawing();
        boxes.clear();

        for (int ei = 0; ei < edits.size(); ++ei) {
            QLineEdit* edit = edits[ei];
            std::string last = panelName + " " + edit->objectName().toStdString();
            try {
            for (int ti = 0; ti < bad.size(); ++ti) {
                ++cases;
                if ((ti + ei + panelCount) % stride != 0)
                    continue;
                const std::string editText = panelName + " " + edit->objectName().toStdString() + "=\"" +
                                             bad[ti].toStdString() + '"';
                if (knownFaults.count(editText))
                    continue;
                ++run;
                for (QAbstractButton* b : buttons) {
                    if (slowButtons.count(b->objectName().toStdString()))
                        continue;
                    for (QLineEdit* e : edits)
                        e->setText(working[e]);
                    edit->setText(bad[ti]);
                    const std::string where = panelName + " " + edit->objectName().toStdString() + "=\"" +
                                              bad[ti].toStdString() + "\" " + b->objectName().toStdString();
                    const size_t before = entities().size();
                    boxes.clear();
                    last = where;
                    watchdog.arm(where);
                    try {
                        b->click();
                        QApplication::processEvents();
                    } catch (const std::exception& x) {
                        ADD_FAILURE() << where << ": escaped the error box: " << x.what();
                    }
                    watchdog.disarm();
                    ++presses;
                    for (const QString& text : boxes)
                        EXPECT_TRUE(knownErrorText(text)) << where << ": error text \"" << text.toStdString() << '"';
                    const auto now = entities();
                    for (size_t i = before; i < now.size(); ++i)
                        if (now[i]->type() == acad::EntityType::Solid)
                            EXPECT_TRUE(validSolid(*now[i], !boxes.isEmpty())) << where << ": invalid solid " << i;
                    // A press that ends without an error box writes its
                    // results: an edit it changes is one of them (the mass
                    // calculator's result stays empty with the start texts).
                    if (boxes.isEmpty())
                        for (QLineEdit* e : edits)
                            if (e != edit && e->text() != working[e])
                                written.insert(e);
                    for (QLineEdit* e : edits)
                        if (e != edit && !written.count(e) && e->isEnabled())
                            EXPECT_EQ(e->text(), working[e])
                                << where << ": " << e->objectName().toStdString() << " changed";
                }
            }
            expectSaves(panelName + " " + edit->objectName().toStdString());
            } catch (const std::exception& x) {
                ADD_FAILURE() << last << ": the checks after the press failed: " << x.what();
            }
            clearDrawing();
        }
        for (QLineEdit* e : edits)
            e->setText(working[e]);
    }
    std::cout << "[fuzz] " << panelCount << " panels, " << editCount << " edits, " << run << " of " << cases
              << " edit-text cases (" << presses << " presses)" << std::endl;
    EXPECT_GT(panelCount, 10);
}
