#include "acad/procedure.h"

#include "acad/errors.h"
#include "acad/fpu.h"
#include "acad/model.h"

#include <Standard_Failure.hxx>

#include <new>

namespace acad {

QString runProcedure(const std::function<void()>& procedure, bool* failed)
{
    if (failed)
        *failed = true;
    try {
        fpu::clear();
        {
            // Only the procedure itself is watched.
            fpu::Watch watch;
            procedure();
            fpu::check();
        }
        // The unions the layer kept pending belong to this procedure.
        finishPendingUnions();
        if (failed)
            *failed = false;
        return {};
    } catch (const Exception& e) {
        fpu::clear();
        return e.message();
    } catch (const Standard_Failure& e) {
        fpu::clear();
        return QString::fromUtf8(oleErrorMessage(e.GetMessageString() ? e.GetMessageString() : "", kErrModeling).c_str());
    } catch (const std::bad_alloc&) {
        fpu::clear();
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        fpu::clear();
        return QString::fromUtf8(e.what());
    }
}

} // namespace acad
