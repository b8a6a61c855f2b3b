#include "acad/view/guard.h"

#include <Standard_Failure.hxx>

#include <QDebug>

namespace acad::view {

void reportFailure(const char* what, const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Standard_Failure& e) {
        qWarning("Окно чертежа: %s: %s: %s", what, e.DynamicType()->Name(),
                 e.GetMessageString() ? e.GetMessageString() : "");
    } catch (const std::exception& e) {
        qWarning("Окно чертежа: %s: %s", what, e.what());
    } catch (...) {
        qWarning("Окно чертежа: %s: неизвестная ошибка", what);
    }
}

} // namespace acad::view
