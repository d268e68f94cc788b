# shellcheck shell=bash
# Shared by the benchmark scripts; sourced, never run: the few sums their
# figures are made of.

# median: the middle of the numbers on stdin, one a line (the lower of the
# two middle ones of an even count).
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR > 0) print v[int((NR + 1) / 2)] }'; }

# runNanoseconds PID: nanoseconds every thread of PID has run so far (the
# scheduler's own count, far finer than the clock ticks of /proc/PID/stat).
# Printed with %.0f: mawk's %d stops at 2^31, a little over 2 s of running.
runNanoseconds() {
  cat "/proc/$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f", sum }'
}

# ratio A B: A / B to two places; "-" when either is no figure ("-") or B is
# not above zero.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b > 0) printf "%.2f", a / b; else print "-" }'
}
