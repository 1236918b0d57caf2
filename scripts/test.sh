#!/usr/bin/env bash
# Sets up, builds and runs every test of Brisola.
#
#   bash scripts/test.sh         build with warnings as errors, run every test
#   bash scripts/test.sh --ci    the same, after the format check, and then a second build
#                                with AddressSanitizer and UndefinedBehaviorSanitizer that
#                                runs the whole suite again, and a short run of every fuzz
#                                target (FUZZ_SECONDS each, 15 unless set) built with clang
set -euo pipefail
cd "$(dirname "$0")/.."

ci=0
for arg in "$@"; do
  case "$arg" in
    --ci) ci=1 ;;
    *) echo "usage: bash scripts/test.sh [--ci]" >&2; exit 2 ;;
  esac
done

bash scripts/setup.sh

# Repeated builds of the same sources come from the compiler cache when there is one.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD"
fi
jobs="$(nproc)"

# Runs the suite in a build folder. When a test fails, the end of its output is printed again
# after the summary, so that what went wrong is still there when only the log's end is read.
run_tests() {
  local dir="$1"
  shift
  if (cd "$dir" && ctest --output-on-failure "$@"); then
    return 0
  fi
  local failed="$dir/Testing/Temporary/LastTestsFailed.log" log="$dir/Testing/Temporary/LastTest.log"
  if [ -f "$failed" ] && [ -f "$log" ]; then
    cut -d: -f2 "$failed" | while read -r name; do
      echo "test: the end of what $name printed:"
      awk -v name="$name" -v keep=60 '
        $0 ~ ("^[0-9]+/[0-9]+ Testing: " name "$") { on = 1; n = 0 }
        on { line[n % keep] = $0; n++ }
        on && index($0, "\"" name "\" end time:") == 1 { on = 0; done = n }
        END { for (i = (done > keep ? done - keep : 0); i < done; i++) print line[i % keep] }' "$log"
    done
  fi
  return 1
}

if [ "$ci" -eq 1 ]; then
  echo "test: format check"
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi

echo "test: build with warnings as errors"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DBRISOLA_WERROR=ON >/dev/null
cmake --build build
run_tests build --timeout 300 -j "$jobs"

if [ "$ci" -eq 1 ]; then
  echo "test: build with AddressSanitizer and UndefinedBehaviorSanitizer"
  # The benchmark ran in the first pass; the second pass is about memory and undefined behaviour.
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRISOLA_SANITIZE=ON -DBRISOLA_WERROR=ON \
    -DBRISOLA_BENCH=OFF >/dev/null
  cmake --build build-sanitize
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  run_tests build-sanitize --timeout 600 -j "$jobs"
fi

if [ "$ci" -eq 1 ]; then
  echo "test: fuzz targets, ${FUZZ_SECONDS:-15} seconds each"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRISOLA_FUZZ=ON -DBRISOLA_TESTS=OFF >/dev/null
  targets=(statement_builders rtf_reader number_rule report_formats)
  cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"
  export QT_QPA_PLATFORM=offscreen
  root="$PWD"
  for target in "${targets[@]}"; do
    # The fuzzer adds what it finds to a copy: the committed corpus stays as it is, and a
    # finding is left in the work folder named on failure.
    work="$(mktemp -d)"
    cp -r "fuzz/corpus/$target" "$work/corpus"
    if ! (cd "$work" && "$root/build-fuzz/fuzz/bin/fuzz_$target" -max_total_time="${FUZZ_SECONDS:-15}" \
          -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 corpus >"$work/fuzz.log" 2>&1); then
      tail -n 40 "$work/fuzz.log"
      echo "test: fuzz_$target found a fault; its input is in $work" >&2
      exit 1
    fi
    grep -E '^Done' "$work/fuzz.log" || true
    rm -rf "$work"
  done
fi
