#!/bin/sh
# Line coverage of the core (app, catalogue, rules, classfile, models) and of the platform layer, from the
# whole test suite. Reports per file and in total; the HTML report lands in build/coverage/html/.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh gcovr
cmake -S . -B build/coverage -DCMAKE_BUILD_TYPE=Debug -DROSTERMAKER_COVERAGE=ON -DROSTERMAKER_BENCH=OFF
cmake --build build/coverage --parallel "$(nproc)"
find build/coverage -name '*.gcda' -delete
(cd build/coverage && ctest --output-on-failure --parallel "$(nproc)")
mkdir -p build/coverage/html
core='src/(app|catalogue|rules|classfile|models)/'
echo "== Core =="
gcovr --root . --object-directory build/coverage --filter "$core" --print-summary \
      --html-details build/coverage/html/core.html
echo "== Platform =="
gcovr --root . --object-directory build/coverage --filter 'src/platform/' --print-summary
