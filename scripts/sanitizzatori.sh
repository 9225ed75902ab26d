#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own
# and runs it: any finding fails the run. Slower than scripts/test.sh, so CI runs it after that one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
VIBRANA_BUILD_TYPE=Debug bash scripts/compila.sh build/sanitizzatori \
  -DVIBRANA_ASAN=ON -DVIBRANA_UBSAN=ON -DVIBRANA_BENCH=OFF -DVIBRANA_WERROR=ON
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# intercept_tls_get_addr=0: the leak checker of g++ 12's runtime misreads the dynamic TLS of libraries
# loaded at run time on this glibc and its tracer crashes after the tests have passed ("Tracer caught
# signal 11", a known fault of the sanitizer runtime); leaks are still checked everywhere else.
export ASAN_OPTIONS=halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1:intercept_tls_get_addr=0
bash scripts/prove_con_server.sh build/sanitizzatori
