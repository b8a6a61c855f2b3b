#!/bin/sh
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs the test suite
# under them. Arguments go to ctest (e.g. `-R fuzz` for a part of it).
#
# Leaks of the libraries' own singletons (OpenCASCADE, Qt, Mesa, fontconfig,
# glib) are suppressed and listed apart at the end of each test's output
# ("Suppressions used"); any leak reported in full is the program's own.
# Every test's output is kept in build-sanitize/Testing/Temporary/LastTest.log.
set -e
cd "$(dirname "$0")/.."
dir=build-sanitize
jobs=${JOBS:-2}

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --build "$dir" -j "$jobs"

supp="$PWD/$dir/lsan.supp"
cat > "$supp" <<'SUPP'
# Singletons and caches the libraries keep until the process ends.
leak:libTK
leak:libQt6
leak:libGL
leak:libEGL
leak:libGLX
leak:libgallium
leak:swrast_dri
leak:_dri.so
leak:libLLVM
leak:libfontconfig
leak:libfreetype
leak:libglib-2.0
leak:libgobject-2.0
leak:libdbus-1
leak:libX11
leak:libxcb
leak:libxkbcommon
leak:libicuuc
SUPP

# The program handles floating-point faults itself: leave SIGFPE to it.
# OpenCASCADE's own allocator is turned off so that its blocks are seen.
export ASAN_OPTIONS="handle_sigfpe=0:detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp:print_suppressions=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export MMGT_OPT=0
export QT_QPA_PLATFORM=offscreen

status=0
ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 1800 "$@" || status=$?
log="$dir/Testing/Temporary/LastTest.log"
if [ -f "$log" ]; then
    echo "Program leaks and errors (reported in full):"
    grep -cE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" "$log" || true
    echo "Library leaks suppressed (per test, see $log):"
    grep -A1 "Suppressions used" "$log" | grep -cE "^ *[0-9]+ " || true
fi
exit $status
