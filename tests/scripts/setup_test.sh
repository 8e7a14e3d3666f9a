#!/usr/bin/env bash
# scripts/setup against stand-ins for the package tools: a mirror caught mid-sync (update
# exits 100) that refuses every i386 package must not stop the set-up, while a required
# package that cannot be installed must.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir -p "$bin"

cat >"$bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$GLEAN_STUB_LOG"
case "$1" in
  update) echo "E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size. Mirror sync in progress?" >&2; exit 100 ;;
  install)
    for a in "$@"; do
      case "$a" in *:i386) echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100 ;; esac
      [ -n "${GLEAN_STUB_REFUSE:-}" ] && [ "$a" = "$GLEAN_STUB_REFUSE" ] && { echo "E: Unable to locate package $a" >&2; exit 100; }
    done ;;
esac
exit 0
STUB
# Nothing is installed, so every path of the set-up runs.
printf '#!/usr/bin/env bash\nexit 1\n' >"$bin/dpkg-query"
printf '#!/usr/bin/env bash\necho "dpkg $*" >>"$GLEAN_STUB_LOG"\nexit 0\n' >"$bin/dpkg"
printf '#!/usr/bin/env bash\n"$@"\n' >"$bin/sudo"
printf '#!/usr/bin/env bash\necho ja_JP.utf8\n' >"$bin/locale"
chmod +x "$bin"/*

failures=0
check() {  # check NAME CONDITION-TEXT COMMAND...
  local name=$1 what=$2; shift 2
  if "$@"; then echo "ok   $name: $what"; else echo "FAIL $name: $what"; failures=$((failures + 1)); fi
}

run_setup() {  # run_setup NAME KERNEL_32BIT [REFUSED_PACKAGE]
  export GLEAN_STUB_LOG=$work/$1.log GLEAN_KERNEL_RUNS_32BIT=$2 GLEAN_STUB_REFUSE=${3:-}
  : >"$GLEAN_STUB_LOG"
  PATH="$bin:$PATH" bash "$root/scripts/setup" >"$work/$1.out" 2>&1
  echo $? >"$work/$1.rc"
}

# A kernel that runs 32-bit code: wine32 is tried after the required packages, refused.
run_setup broken-mirror yes
out=$work/broken-mirror.out log=$work/broken-mirror.log
check broken-mirror "finishes with 0" test "$(cat "$work/broken-mirror.rc")" = 0
check broken-mirror "says the indexes failed, once" test "$(grep -c 'indexes could not be fetched' "$out")" = 1
check broken-mirror "installs the required packages without i386 ones" \
  grep -qE '^apt-get install .*wine64' "$log"
check broken-mirror "no i386 package among the required ones" \
  bash -c "! grep -E '^apt-get install .*wine64.*:i386' '$log'"
check broken-mirror "tries wine32:i386 after them" bash -c "tail -1 '$log' | grep -q 'wine32:i386'"
check broken-mirror "says the 32-bit tests will be skipped" grep -q '32-bit tests will be skipped' "$out"

# A kernel without 32-bit code: wine32 is not even tried.
run_setup no-32bit no
check no-32bit "finishes with 0" test "$(cat "$work/no-32bit.rc")" = 0
check no-32bit "never asks for an i386 package" bash -c "! grep -q ':i386' '$work/no-32bit.log'"
check no-32bit "says why in one line" test "$(grep -c '32-bit tests will be skipped' "$work/no-32bit.out")" = 1

# A required package that cannot be installed is a failure.
run_setup required-missing no cmake
check required-missing "fails" test "$(cat "$work/required-missing.rc")" != 0
check required-missing "says so" grep -q 'required packages could not be installed' "$work/required-missing.out"

[ "$failures" -eq 0 ]
