#pragma once
// Work the drawing window does from the event loop: the viewer's own
// computations must leave no trace in the floating-point flags, which the
// drawing layer reads as faults of a procedure, and no failure may escape
// into Qt's event loop.
#include <cfenv>
#include <exception>

namespace acad::view {

// Puts the floating-point flags back as they were when it was made.
class KeepFloatFlags {
public:
    KeepFloatFlags() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~KeepFloatFlags() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    KeepFloatFlags(const KeepFloatFlags&) = delete;
    KeepFloatFlags& operator=(const KeepFloatFlags&) = delete;

private:
    std::fexcept_t saved_;
};

// Reports a failure caught in the window's work; `what` names the work.
void reportFailure(const char* what, const std::exception_ptr& failure);

// Runs f with the flags kept and every failure caught and reported.
template <class F>
bool guarded(const char* what, F&& f)
{
    KeepFloatFlags keep;
    try {
        f();
        return true;
    } catch (...) {
        reportFailure(what, std::current_exception());
        return false;
    }
}

} // namespace acad::view
