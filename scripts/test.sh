#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suites (headless and Qt
# offscreen), the scripted user stories, a Release build of the program that must print no warning,
# the suites again under AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded run of the
# interpreter's fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== The program as scripts/run.sh builds it (Release): not one warning"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVL_BUILD_TESTS=OFF > /dev/null
cmake --build build-release -j "$jobs" --target vantre 2>&1 | tee build-release/build.log
if grep -q "warning:" build-release/build.log; then
  echo "the Release build printed warnings" >&2
  exit 1
fi

echo "== Sanitizers (address, undefined behaviour)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVL_SANITIZE=ON -DVL_BUILD_GUI=OFF > /dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Fuzzing the expression interpreter"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVL_FUZZ=ON -DVL_BUILD_GUI=OFF -DVL_BUILD_TESTS=OFF > /dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_equation
mkdir -p build-fuzz/corpus
./build-fuzz/fuzz/fuzz_equation -max_total_time="${VL_FUZZ_SECONDS:-60}" -timeout=5 \
  build-fuzz/corpus fuzz/corpus

echo "== All tests passed"
