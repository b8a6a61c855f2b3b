#pragma once
// Floating-point faults. The computations of a procedure run with the
// processor's faults masked; the flags they leave are turned into the errors
// of a failed computation before a value reaches the drawing or an edit.
// While a procedure runs, its own arithmetic is watched: the first fault is
// noted the moment it happens, so that the error names the fault that came
// first, not the gravest of those raised since.
#include <cfenv>

namespace acad::fpu {

// Forgets every fault raised so far.
void clear();

// Raises the first fault since the last clear(): EInvalidOp, EZeroDivide or
// EOverflow, then clears. A fault that could not be noted as it happened
// (where watching is not available) is named in that order of precedence.
void check();

// Raises the fault a value stands for: NaN is an invalid operation, an
// infinity an overflow.
void checkValue(double value);

// Watches the arithmetic of the procedure that runs while it lives.
class Watch {
public:
    Watch();
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;
};

// Checks the faults on entry to a drawing-layer call and forgets, on exit,
// the flags that the geometry kernel raised inside it; the kernel's own
// arithmetic is not watched.
class CallGuard {
public:
    CallGuard();
    ~CallGuard();
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;
};

// Leaves the faults raised so far exactly as they are while a routine of the
// C runtime works (a number conversion), whatever flags that routine raises.
class KeepFaults {
public:
    KeepFaults();
    ~KeepFaults();
    KeepFaults(const KeepFaults&) = delete;
    KeepFaults& operator=(const KeepFaults&) = delete;

private:
    std::fenv_t saved_;
};

} // namespace acad::fpu
