# Turns the benchmark's CSV (aggregates only) into the table scripts/bench.sh prints: one line
# per case with the optimised and straightforward medians of CPU time, their ratio, and the
# case's target from bench/targets.txt (the first line whose pattern matches the case).
#
# Usage: awk -f scripts/bench-table.awk bench/targets.txt results.csv

function nanoseconds(value, unit) {
    if (unit == "ns") return value
    if (unit == "us") return value * 1e3
    if (unit == "ms") return value * 1e6
    return value * 1e9
}

function human(ns) {
    if (ns == "") return "-"
    if (ns < 1e3) return sprintf("%.0f ns", ns)
    if (ns < 1e6) return sprintf("%.2f us", ns / 1e3)
    if (ns < 1e9) return sprintf("%.2f ms", ns / 1e6)
    return sprintf("%.2f s", ns / 1e9)
}

# "5us", "2ms" as nanoseconds; "" when the text is no time.
function parse_time(text,    n, unit) {
    if (!match(text, /^[0-9.]+(ns|us|ms|s)$/)) return ""
    n = text; sub(/[a-z]+$/, "", n)
    unit = text; sub(/^[0-9.]+/, "", unit)
    return nanoseconds(n + 0, unit)
}

# The target's text with whether the case meets it: a time the optimised median must not
# exceed, or a ratio ("10x") it must reach.
function judged(target, optimised, ratio,    limit) {
    if (target == "" || target == "-") return "-"
    if (optimised == "") return target
    if (target ~ /^[0-9.]+x$/) {
        if (ratio == "") return target
        return target " " (ratio + 0 >= substr(target, 1, length(target) - 1) + 0 ? "met" : "MISSED")
    }
    limit = parse_time(target)
    if (limit == "") return target
    return "<= " target " " (optimised <= limit ? "met" : "MISSED")
}

FNR == NR {
    if ($0 ~ /^[ \t]*(#|$)/) next
    split($0, field, /\t+/)
    patterns[++targets] = field[1]
    goals[targets] = field[2]
    next
}

BEGIN { FS = "," }

/^"/ {
    name = $1
    gsub(/"/, "", name)
    if ($9 == "true") {            # error_occurred: the run gives its reason instead
        reason = $10
        gsub(/"/, "", reason)
        aggregate = ""
    } else if (name ~ /_median$/) {
        sub(/_median$/, "", name)
        aggregate = "median"
    } else {
        next
    }
    implementation = name
    sub(/.*\//, "", implementation)
    key = name
    sub(/\/[^\/]*$/, "", key)
    if (!(key in seen)) {
        seen[key] = 1
        order[++cases] = key
    }
    if (aggregate == "") {
        failed[key] = implementation ": " reason
    } else if (implementation == "straightforward") {
        slow[key] = nanoseconds($4, $5)
    } else {
        fast[key] = nanoseconds($4, $5)
    }
}

END {
    printf "%-64s %12s %16s %8s  %s\n", "case", "optimised", "straightforward", "ratio", "target"
    for (i = 1; i <= cases; ++i) {
        key = order[i]
        ratio = (key in fast) && (key in slow) && fast[key] > 0 ? slow[key] / fast[key] : ""
        target = ""
        for (t = 1; t <= targets; ++t)
            if (key ~ patterns[t]) { target = goals[t]; break }
        printf "%-64s %12s %16s %8s  %s\n", key, human(fast[key]), human(slow[key]),
               ratio == "" ? "-" : sprintf("%.1fx", ratio), judged(target, fast[key], ratio)
        if (key in failed)
            printf "    error in %s\n", failed[key]
    }
}
