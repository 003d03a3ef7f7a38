#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suites (headless and Qt
# offscreen), the scripted user stories, the house formatting, the whole tree in Release and with
# clang (not one warning in either, the suites passing under clang too), the suites again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded run of the interpreter's fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

# Builds a configured tree and fails on any compiler warning (warnings are errors on the program's
# own code, but a warning from a build step outside it would still print).
build_quiet() {
  local dir=$1
  shift
  cmake --build "$dir" -j "$jobs" "$@" 2>&1 | tee "$dir/build.log"
  if grep -q "warning:" "$dir/build.log"; then
    echo "the build in $dir printed warnings" >&2
    exit 1
  fi
}

echo "== Formatting"
find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror

echo "== Build and test (GCC, Debug)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug > /dev/null
build_quiet build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== The whole tree in Release (GCC): not one warning"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVL_BUILD_TESTS=ON > /dev/null
build_quiet build-release

echo "== The whole tree with clang: not one warning, every suite passing"
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ > /dev/null
build_quiet build-clang
ctest --test-dir build-clang --output-on-failure -j "$jobs"

echo "== Sanitizers (address, undefined behaviour)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVL_SANITIZE=ON -DVL_BUILD_GUI=OFF > /dev/null
build_quiet build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Fuzzing the expression interpreter"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVL_FUZZ=ON -DVL_BUILD_GUI=OFF -DVL_BUILD_TESTS=OFF > /dev/null
build_quiet build-fuzz --target fuzz_equation
mkdir -p build-fuzz/corpus
./build-fuzz/fuzz/fuzz_equation -max_total_time="${VL_FUZZ_SECONDS:-60}" -timeout=5 \
  build-fuzz/corpus fuzz/corpus

echo "== All tests passed"
