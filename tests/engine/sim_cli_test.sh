#!/usr/bin/env bash
# The simulator's command line: good runs print one JSON object; bad arguments print one line on
# stderr naming the argument, nothing on stdout, and exit with status 2.
set -u
sim="$1"
failures=0
checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { checks=$((checks + 1)); }

expect_bad() {
  check
  local named="$1"; shift
  local out err status
  out=$("$sim" "$@" 2>/tmp/sim_err.$$); status=$?
  err=$(cat /tmp/sim_err.$$)
  [ "$status" -eq 2 ] || fail "'$*' exited $status, not 2"
  [ -z "$out" ] || fail "'$*' printed on stdout: $out"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "'$*' printed more than one line on stderr"
  printf '%s' "$err" | grep -qF -- "$named" || fail "'$*' did not name '$named': $err"
}

expect_bad "--bogus" --bogus 1
expect_bad "3" --decks 3
expect_bad "-5" --shoes -5
expect_bad "ten" --shoes ten
expect_bad "0" --shoes 0
expect_bad "--seed" --seed
expect_bad "x1" --seed x1
expect_bad "--decks" --decks

check
out=$("$sim" --decks 1 --shoes 50 --seed 11) || fail "good run failed"
for key in decks shoes hands banker player tie player_naturals banker_naturals seconds hands_per_second; do
  printf '%s' "$out" | grep -q "\"$key\":" || fail "missing key $key"
done
check
python3 - "$out" <<'PY' || fail "JSON does not add up"
import json, sys
d = json.loads(sys.argv[1])
assert d["decks"] == 1 and d["shoes"] == 50
assert d["banker"] + d["player"] + d["tie"] == d["hands"] > 0
PY
check
again=$("$sim" --decks 1 --shoes 50 --seed 11)
[ "$(printf '%s' "$out" | sed 's/"seconds.*//')" = "$(printf '%s' "$again" | sed 's/"seconds.*//')" ] \
  || fail "the same seed gave different counts"

rm -f /tmp/sim_err.$$
echo "$(( checks - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
