#!/usr/bin/env bash
# Checks the format of every C++ file under version control, builds the program and its tests
# with warnings as errors, runs every test, and runs them again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
    'tools/*.cpp' 'tools/*.h' | xargs -0 -r clang-format --dry-run --Werror
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAUDITORIA_WERROR=ON
cmake --build build
# CMAKE_BUILD_PARALLEL_LEVEL and CTEST_PARALLEL_LEVEL limit the jobs on a small machine.
ctest --test-dir build --output-on-failure -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}"
# Under root the tests of file permissions skip themselves: they run again as another user.
bash scripts/probar-sin-privilegios.sh build
bash scripts/probar-sanitizadores.sh
