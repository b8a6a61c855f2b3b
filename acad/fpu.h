#pragma once
// Floating-point faults. The computations of a procedure run with the
// processor's faults masked; the flags they leave are turned into the errors
// of a failed computation before a value reaches the drawing or an edit.

namespace acad::fpu {

// Forgets every fault raised so far.
void clear();

// Raises EInvalidOp, EZeroDivide or EOverflow (in this order of precedence)
// when a computation since the last clear() has faulted, then clears.
void check();

// Raises the fault a value stands for: NaN is an invalid operation, an
// infinity an overflow.
void checkValue(double value);

// Checks the flags on entry to a drawing-layer call and forgets, on exit,
// the flags that the geometry kernel raised inside it.
class CallGuard {
public:
    CallGuard() { check(); }
    ~CallGuard() { clear(); }
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;
};

} // namespace acad::fpu
