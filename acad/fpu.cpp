#include "acad/fpu.h"

#include "acad/errors.h"

#include <QAbstractEventDispatcher>
#include <QObject>

#include <cfenv>
#include <cmath>
#include <csignal>

#if defined(__x86_64__) && defined(__linux__)
#define ACAD_FPU_WATCH 1
#include <dlfcn.h>
#include <link.h>
#include <ucontext.h>
#include <xmmintrin.h>
#endif

// How the watch works: while a procedure runs, the processor's SSE exceptions
// for an invalid operation, a division by zero and an overflow are unmasked.
// The first faulting instruction traps; the handler notes its fault (when the
// instruction belongs to the program itself or to the maths library, that is
// to the procedure's own arithmetic), masks the exceptions again in the
// interrupted context and lets the instruction complete with its default
// result, so that the procedure goes on exactly as unwatched until the next
// check raises the noted fault. Calls into the drawing layer (the geometry
// kernel, the drawing window) and number conversions run with the exceptions
// masked, and so does the rest of a procedure that runs an event loop (a
// dialog): code of other libraries never runs watched.

namespace acad::fpu {

namespace {

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The fault noted first since the last clear(): FE_INVALID, FE_DIVBYZERO,
// FE_OVERFLOW or 0.
volatile std::sig_atomic_t noted = 0;

// Procedures being watched, calls inside them that are not, and whether the
// watch stepped aside for the rest of the procedure.
thread_local int watching = 0;
thread_local int holding = 0;
thread_local bool steppedAside = false;

[[noreturn]] void raise(int fault)
{
    if (fault == FE_INVALID)
        throw EInvalidOp();
    if (fault == FE_DIVBYZERO)
        throw EZeroDivide();
    throw EOverflow();
}

#ifdef ACAD_FPU_WATCH

constexpr unsigned kMasks = 0x0080u | 0x0200u | 0x0400u; // MXCSR: invalid, zero divide, overflow

// The code of the program and of the maths library.
struct Range {
    ElfW(Addr) begin, end;
};
Range ranges[16];
int rangeCount = 0;

struct sigaction previous;

bool ownCode(ElfW(Addr) address)
{
    for (int k = 0; k < rangeCount; ++k)
        if (address >= ranges[k].begin && address < ranges[k].end)
            return true;
    return false;
}

int addCodeOf(dl_phdr_info* info, size_t, void* data)
{
    const auto address = reinterpret_cast<ElfW(Addr)>(data);
    bool holds = false;
    for (int k = 0; k < info->dlpi_phnum; ++k) {
        const ElfW(Phdr)& p = info->dlpi_phdr[k];
        const ElfW(Addr) begin = info->dlpi_addr + p.p_vaddr;
        if (p.p_type == PT_LOAD && address >= begin && address < begin + p.p_memsz)
            holds = true;
    }
    if (!holds)
        return 0;
    for (int k = 0; k < info->dlpi_phnum && rangeCount < 16; ++k) {
        const ElfW(Phdr)& p = info->dlpi_phdr[k];
        if (p.p_type == PT_LOAD && (p.p_flags & PF_X))
            ranges[rangeCount++] = {info->dlpi_addr + p.p_vaddr, info->dlpi_addr + p.p_vaddr + p.p_memsz};
    }
    return 1;
}

int faultOf(int code)
{
    switch (code) {
    case FPE_FLTINV: return FE_INVALID;
    case FPE_FLTDIV: return FE_DIVBYZERO;
    case FPE_FLTOVF: return FE_OVERFLOW;
    default: return 0;
    }
}

void onFault(int signal, siginfo_t* info, void* context)
{
    auto* uc = static_cast<ucontext_t*>(context);
    fpregset_t fp = uc ? uc->uc_mcontext.fpregs : nullptr;
    const int fault = faultOf(info->si_code);
    // An SSE fault that the watch unmasked (the x87 unit is never unmasked).
    if (fp && fault && (fp->mxcsr & kMasks) != kMasks && !(fp->swd & ~fp->cwd & 0x3f)) {
        if (!noted && ownCode(static_cast<ElfW(Addr)>(uc->uc_mcontext.gregs[REG_RIP])))
            noted = fault;
        fp->mxcsr |= kMasks;
        return;
    }
    if ((previous.sa_flags & SA_SIGINFO) && previous.sa_sigaction) {
        previous.sa_sigaction(signal, info, context);
    } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN && previous.sa_handler) {
        previous.sa_handler(signal);
    } else {
        // The fault is none of ours: it ends the program as it would have.
        std::signal(SIGFPE, SIG_DFL);
    }
}

bool install()
{
    static const bool installed = [] {
        dl_iterate_phdr(&addCodeOf, reinterpret_cast<void*>(&onFault));
        if (void* sine = dlsym(RTLD_DEFAULT, "sin"))
            dl_iterate_phdr(&addCodeOf, sine);
        struct sigaction action {};
        action.sa_sigaction = &onFault;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        return sigaction(SIGFPE, &action, &previous) == 0;
    }();
    return installed;
}

// Unmasks the watched exceptions while a procedure's own code runs.
void applyWatch()
{
    unsigned csr = _mm_getcsr();
    if (watching > 0 && holding == 0 && !steppedAside)
        csr &= ~kMasks;
    else
        csr |= kMasks;
    _mm_setcsr(csr);
}

#else

bool install() { return false; }
void applyWatch() {}

#endif

// Events dispatched from a procedure's own code (a dialog it shows) run code
// of other libraries (the drawing window repainting, say): the watch steps
// aside for the rest of the procedure.
void watchEventLoop()
{
    static bool connected = false;
    if (connected)
        return;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [] {
            if (watching > 0 && holding == 0 && !steppedAside) {
                steppedAside = true;
                applyWatch();
            }
        });
        connected = true;
    }
}

} // namespace

void clear()
{
    std::feclearexcept(FE_ALL_EXCEPT);
    noted = 0;
    applyWatch();
}

void check()
{
    const int first = noted;
    const int raised = std::fetestexcept(kFaults);
    if (!first && !raised)
        return;
    clear();
    if (first)
        raise(first);
    raise(raised & FE_INVALID ? FE_INVALID : raised & FE_DIVBYZERO ? FE_DIVBYZERO : FE_OVERFLOW);
}

void checkValue(double value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    if (std::isinf(value))
        throw EOverflow();
}

Watch::Watch()
{
    if (!install())
        return;
    watchEventLoop();
    if (watching++ == 0)
        steppedAside = false;
    applyWatch();
}

Watch::~Watch()
{
    if (watching == 0)
        return;
    --watching;
    applyWatch();
}

CallGuard::CallGuard()
{
    check();
    ++holding;
    applyWatch();
}

CallGuard::~CallGuard()
{
    --holding;
    clear();
}

KeepFaults::KeepFaults()
{
    std::feholdexcept(&saved_);
}

KeepFaults::~KeepFaults()
{
    std::fesetenv(&saved_);
}

} // namespace acad::fpu
