#!/usr/bin/env bash
# Runs frame_tests' small-screen case inside a 640x480 Wine desktop of its own. The desktop's
# explorer does not hand back the program's exit code, so the test's XML report decides.
# Usage: run_small_desktop.sh WINE_RUN PREFIX FRAME_TESTS_EXE
set -euo pipefail
wine_run=$1 prefix=$2 exe=$3
report=frame_tests_640x480.xml
rm -f "$report"
PELMO_EXPECT_SCREEN=640x480 "$wine_run" --prefix "$prefix" explorer /desktop=pelmo640,640x480 \
  "$exe" --gtest_filter='SmallScreen.*' --gtest_output="xml:$report" || true
# explorer returns before its program has finished: wait for the report.
for _ in $(seq 600); do
  [ -s "$report" ] && grep -q '</testsuites>' "$report" && break
  sleep 0.1
done
if [ ! -s "$report" ]; then
  echo "run_small_desktop: no report from frame_tests" >&2
  exit 1
fi
cat "$report"
grep -q 'tests="1"' "$report" && grep -q 'failures="0"' "$report" && ! grep -q 'result="skipped"' "$report"
