#!/usr/bin/env bash
# The simulator's command line: good runs print one JSON object; bad arguments print one line on
# stderr naming the argument, nothing on stdout, and exit with status 2. The same seed gives the same
# output on any number of threads, and Ctrl-C ends a run with what it has played.
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

# Strategy options: bad values, options that need --system, limits that contradict each other.
expect_bad "--system" --system bogus
expect_bad "nowhere" --system flat --side nowhere
expect_bad "2.5" --system flat --unit 2.5
expect_bad "0" --system flat --unit 0
expect_bad "-5" --system flat --bankroll -5
expect_bad "1.234" --system flat --bankroll 1.234
expect_bad "--max" --system flat --unit 10 --max 5
expect_bad "--min" --system flat --min 0
expect_bad "0" --system flat --session-shoes 0
expect_bad "0" --system flat --sessions 0
expect_bad "x" --system flat --stop-win x
expect_bad "--stop-loss" --system flat --stop-loss
expect_bad "0" --threads 0
expect_bad "--side" --side banker
expect_bad "--curve" --curve /tmp/sim_curve.$$.csv
expect_bad "--curve" --system flat --curve /nonexistent/dir/curve.csv
# A plain run of any count runs until it is interrupted; sessions are bounded by memory.
expect_bad "99999999999999999999" --shoes 99999999999999999999
expect_bad "--shoes" --system flat --shoes 9999999999999999999
expect_bad "--sessions" --system flat --sessions 100000001
expect_bad "--counts" --counts 0,0,0,0,0,0,0,0,4,4
expect_bad "1,2,3" --odds --counts 1,2,3
expect_bad "--edge-report" --system flat --edge-report
# An option is given once; a session must be able to place its first bet; the bankroll's limit is the one
# its message states; a curve that cannot be written leaves no result on stdout.
expect_bad "--seed given twice" --seed 1 --shoes 5 --seed 2
expect_bad "--odds given twice" --odds --odds
expect_bad "--unit" --system flat --unit 2000 --bankroll 1000
expect_bad "--min" --system flat --min 2000 --bankroll 1000
expect_bad "to 1000000000000," --system flat --bankroll 1000000000000.01
expect_bad "--curve" --system flat --sessions 20 --curve /dev/full
check
"$sim" --system flat --bankroll 1000000000000 --sessions 1 >/dev/null || fail "the largest bankroll was refused"
expect_bad "bogus" --system flat --versus bogus
expect_bad "--versus" --versus flat
expect_bad "--versus-side" --system flat --versus-side player

check
help=$("$sim" --help); status=$?
[ "$status" -eq 0 ] || fail "--help exited $status"
for option in --decks --shoes --seed --threads --system --side --unit --bankroll --min --max \
              --session-shoes --sessions --stop-win --stop-loss --versus --versus-side --curve --odds --counts \
              --edge-report --help; do
  printf '%s' "$help" | grep -qF -- "$option" || fail "--help does not document $option"
done

# Everything but the timing keys is byte for byte the same for any thread count.
untimed() { sed 's/, "seconds".*//'; }
check
plain1=$("$sim" --shoes 300 --seed 5 --threads 1 | untimed)
for threads in 2 3; do
  [ "$("$sim" --shoes 300 --seed 5 --threads $threads | untimed)" = "$plain1" ] \
    || fail "plain run differs on $threads threads"
done
check
[ "$plain1" = "$("$sim" --decks 8 --shoes 300 --seed 5 | untimed)" ] || fail "the default thread count differs"

check
strategy=(--system martingale --side follow --unit 5 --bankroll 300.50 --max 200 --session-shoes 2 \
          --sessions 150 --stop-win 150 --seed 9)
s1=$("$sim" "${strategy[@]}" --threads 1 --curve /tmp/sim_curve1.$$.csv | untimed)
s3=$("$sim" "${strategy[@]}" --threads 3 --curve /tmp/sim_curve3.$$.csv | untimed)
[ -n "$s1" ] && [ "$s1" = "$s3" ] || fail "strategy run differs on 3 threads: $s1 / $s3"
cmp -s /tmp/sim_curve1.$$.csv /tmp/sim_curve3.$$.csv || fail "the curve differs on 3 threads"

check
out=$("$sim" "${strategy[@]}" --threads 2 --curve /tmp/sim_curve1.$$.csv)
python3 - "$out" /tmp/sim_curve1.$$.csv <<'PY' || fail "strategy JSON or curve wrong"
import json, re, sys
text = sys.argv[1]
d = json.loads(text)
for key in ("sessions", "wagered", "net", "edge", "ruined", "final_bankroll", "max_drawdown", "threads",
            "interrupted", "hands", "shoes", "banker", "player", "tie"):
    assert key in d, key
assert d["sessions"] == 150 and d["threads"] == 2 and d["interrupted"] is False
assert d["banker"] + d["player"] + d["tie"] == d["hands"] > 0
assert 150 <= d["shoes"] <= 300
p = d["final_bankroll"]
assert p["p5"] <= p["p25"] <= p["p50"] <= p["p75"] <= p["p95"]
assert abs(d["edge"] + d["net"] / d["wagered"]) < 1e-6
# Money is printed with exactly two decimals.
for key in ("wagered", "net", "max_drawdown"):
    assert re.search(r'"%s": -?\d+\.\d\d[,}]' % key, text), key
lines = open(sys.argv[2]).read().splitlines()
assert lines[0] == "hand,p5,p25,p50,p75,p95", lines[0]
# One line per hand index up to the longest session: at most 2 shoes of at most 102 hands.
assert 2 * 60 <= len(lines) - 1 <= 2 * 102, len(lines)
for number, line in enumerate(lines[1:], 1):
    fields = line.split(",")
    assert len(fields) == 6 and int(fields[0]) == number, line
    values = [float(f) for f in fields[1:]]
    assert values == sorted(values), line
PY

# Two systems over the same shoes: the same output on any thread count; a system against itself
# differs by exactly nothing, with no paired error.
check
versus=(--system paroli --side player --unit 5 --bankroll 400 --session-shoes 2 --sessions 120 --seed 21 \
        --versus dalembert --versus-side banker)
v1=$("$sim" "${versus[@]}" --threads 1 | untimed)
[ -n "$v1" ] && [ "$v1" = "$("$sim" "${versus[@]}" --threads 3 | untimed)" ] || fail "comparison differs on 3 threads"
check
same=$("$sim" --system martingale --side follow --unit 5 --bankroll 300 --max 160 --sessions 200 --seed 6 \
       --versus martingale --threads 2)
python3 - "$same" "${v1}}" <<'PY' || fail "comparison JSON wrong: $same"
import json, sys
same, other = (json.loads(text) for text in sys.argv[1:])
study = {k: v for k, v in same.items()
         if k not in ("versus", "difference", "interrupted", "seconds", "hands_per_second", "threads")}
assert same["versus"] == study, same["versus"]
d = same["difference"]
assert d["mean"] == 0 and d["se_paired"] == 0 and d["se_unpaired"] > 0, d
assert d["ruin_rate"]["se_paired"] == 0 and d["max_drawdown"]["median"] == 0, d
assert set(other["versus"]) == set(study) and other["versus"]["system"] == "dalembert"
assert other["versus"]["side"] == "banker" and other["side"] == "player"
f, s = other["net"], other["versus"]["net"]
assert abs(other["difference"]["mean"] - (f - s) / other["sessions"]) < 1e-5, other["difference"]
PY

# The exact odds: a fresh 6-deck shoe to the last bit, and a composition of eights and nines.
check
[ "$("$sim" --odds --decks 6 | python3 -c 'import json,sys; d=json.load(sys.stdin); print(d["banker"], d["player"], d["tie"])')" \
  = "0.4586527188253242 0.4462785698388768 0.09506871133579899" ] || fail "6-deck odds"
check
"$sim" --odds --counts 0,0,0,0,0,0,0,0,4,4 | python3 -c '
import json, sys
d = json.load(sys.stdin)
assert d["cards"] == 8 and d["ev_tie"] > 0 and abs(d["banker"] + d["player"] + d["tie"] - 1) < 2e-6
' || fail "odds of a composition"
# The edge report counts every hand, and the same seed gives it on any thread count.
check
e1=$("$sim" --shoes 40 --seed 3 --edge-report --threads 1 | untimed)
[ "$e1" = "$("$sim" --shoes 40 --seed 3 --edge-report --threads 2 | untimed)" ] || fail "edge report differs"
# untimed() took the closing brace away with the timing keys.
python3 - "${e1}}" <<'PY' || fail "edge report wrong: $e1"
import json, sys
d = json.loads(sys.argv[1])
assert d["edge_hands"] == d["hands"] and 0 <= d["edge_positive_hands"] <= d["hands"]
assert d["edge_banker_bets"] + d["edge_player_bets"] + d["edge_tie_bets"] == d["edge_positive_hands"]
# Every bet counted had a positive expectation; luck alone keeps the realised win near it.
assert d["edge_expected_per_bet"] > 0 and d["edge_expected_se"] > 0 and d["edge_per_bet_se"] > 0
assert abs(d["edge_per_bet"] - d["edge_expected_per_bet"]) < 5 * d["edge_per_bet_se"], d
PY

# A billion-dollar flat bet on 95 million decided hands wagers more than 64 bits of cents hold: every cent is
# still counted.
check
big=$("$sim" --system flat --unit 1000000000 --bankroll 1000000000000 --sessions 13000 --session-shoes 100 --seed 2)
python3 - "$big" <<'PY' || fail "large wagers wrong: $big"
import json, re, sys
d = json.loads(sys.argv[1])
decided = d["banker"] + d["player"]
assert decided * 10**11 > 2**63, decided
assert re.search(r'"wagered": %d000000000\.00,' % decided, sys.argv[1])
assert re.search(r'"net": %d0000000\.00,' % (95 * d["banker"] - 100 * d["player"]), sys.argv[1])
assert abs(d["edge"] - 0.0106) < 0.002, d["edge"]
PY

# Ctrl-C: the run stops and prints what it played, marked as interrupted.
for run in "--threads 2" "--system paroli --sessions 100000000 --session-shoes 1 --threads 2"; do
  check
  # shellcheck disable=SC2086
  "$sim" --shoes 9999999999999999999 $run >/tmp/sim_int.$$ 2>/dev/null &
  pid=$!
  # Interrupted once it has had a second of processor time, however busy the machine is.
  for _ in $(seq 300); do
    sleep 0.1
    ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || echo 0)
    [ "$ticks" -ge "$(getconf CLK_TCK)" ] && break
  done
  kill -INT "$pid"
  wait "$pid"; status=$?
  [ "$status" -eq 130 ] || fail "'$run' interrupted exited $status, not 130"
  python3 - "$(cat /tmp/sim_int.$$)" <<'PY' || fail "'$run' interrupted output wrong: $(cat /tmp/sim_int.$$)"
import json, sys
d = json.loads(sys.argv[1])
assert d["interrupted"] is True
assert d["shoes"] > 0 and d["banker"] + d["player"] + d["tie"] == d["hands"]
PY
done

rm -f /tmp/sim_err.$$ /tmp/sim_int.$$ /tmp/sim_curve1.$$.csv /tmp/sim_curve3.$$.csv
echo "$(( checks - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
