#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target torvil
exec ./build/app/torvil
