#!/usr/bin/env python3
"""Runs zelmar_flagrow_bench with repetitions and writes the table of ratios of medians.

Every ratio is our median CPU time divided by the other contender's, so below 1 means ours is
faster. The last column checks the targets of docs/performance.md. With --update the table
replaces the block between the ratios markers of that file; otherwise it goes to stdout.
"""

import argparse
import json
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
BEGIN, END = "<!-- ratios:begin -->", "<!-- ratios:end -->"
PEERS = ("boost", "vbool", "bitset")
# The peers a row must be at least as fast as; std::bitset, inline and heap-free at a size fixed
# when it is compiled, is the stretch goal, within BITSET_STRETCH of it.
HELD_TO = ("boost", "vbool")
BITSET_STRETCH = 1.3
# Over a target by less than this, or by less than twice the rows' own spread (their larger
# coefficient of variation), a row counts as noise, not as a miss.
NOISE = 0.05

# Whole-vector rows that must stay within 1.3x of the raw floor at 2^30 bits.
MEMORY_BOUND = {
    "count", "any", "any_range", "eq", "and", "or", "xor", "and_short", "or_short", "xor_short",
    "not", "set_range", "clear_range", "flip_range", "to_words", "from_words", "plus", "append",
    "copy", "nado", "from_words_grow",
}
# Table order: the order of the program's families.
ORDER = [
    "count", "any", "any_range", "eq", "and", "or", "xor", "and_short", "or_short", "xor_short",
    "not", "shl1", "shr1", "shl32", "shr32", "shl33", "shr33", "shlhalf", "shrhalf",
    "set_range", "clear_range", "flip_range", "to_text", "from_text", "to_words", "from_words",
    "to_words_range", "from_words_range", "from_words_grow", "plus", "append", "copy", "nado",
    "set_bit_seq", "set_bit_rand", "test_bit_seq", "test_bit_rand",
]
# The heap an operation may hold beside what was live before it, in arrays of its result.
# A second array shows as +0.5 or more, so the slack only absorbs the allocator's rounding.
EXTRA_ARRAYS = {"nado": 0.05, "plus": 1.05, "from_words_grow": 1.05}


def run(args):
    """The benchmark's JSON results, from a fresh run or from --json (several saved runs, of
    different rows, make one table; the first one's context heads it)."""
    if args.json:
        runs = [json.loads(pathlib.Path(path).read_text()) for path in args.json]
        for other in runs[1:]:
            runs[0]["benchmarks"] += other["benchmarks"]
        return runs[0]
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        command = [
            str(args.bench),
            f"--benchmark_repetitions={args.repetitions}",
            "--benchmark_enable_random_interleaving=true",
            "--benchmark_report_aggregates_only=true",
            f"--benchmark_min_time={args.min_time}",
            f"--benchmark_filter={args.filter}",
            f"--benchmark_out={out.name}",
            "--benchmark_out_format=json",
        ]
        if args.isa:
            command.append(f"--isa={args.isa}")
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        results = json.loads(pathlib.Path(out.name).read_text())
    head = subprocess.run(["git", "-C", str(ROOT), "rev-parse", "--short", "HEAD"],
                          capture_output=True, text=True, check=False)
    results["context"]["commit"] = head.stdout.strip() or "?"
    if args.save:
        pathlib.Path(args.save).write_text(json.dumps(results, indent=1))
    return results


NS_PER = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
# A size in a row name below this is log2 of the bits (bench/rows.h).
SMALLEST_BITS = 64
LARGEST_BITS = 1 << 30


def bits_of(label):
    size = int(label)
    return 1 << size if size < SMALLEST_BITS else size


def shown_bits(bits):
    return f"2^{bits.bit_length() - 1}" if bits >= 1 << 14 and bits & (bits - 1) == 0 else str(bits)


def medians(results):
    """{(op, contender, bits): row} for the median of every row (the row itself without repeats),
    with the spread of its repetitions."""
    rows, spread = {}, {}
    for b in results["benchmarks"]:
        # Rows of the largest size carry a /min_time:... suffix.
        op, contender, label = b["run_name"].split("/")[:3]
        key = (op, contender, bits_of(label))
        kind = b.get("aggregate_name") if b.get("run_type") == "aggregate" else "median"
        if kind == "cv":
            spread[key] = b["cpu_time"]
        elif kind == "median":
            rows[key] = {
                "ns": b["cpu_time"] * NS_PER[b["time_unit"]],
                "bps": b.get("bytes_per_second", 0.0),
                "extra": b.get("extra_arrays"),
            }
    for key, row in rows.items():
        row["cv"] = spread.get(key, 0.0)
    return rows


def verdicts(op, bits, ours, others):
    """The targets the row misses, as short notes; 'ok' when none."""
    notes = []

    def check(ratio, limit, what, other):
        noise = max(NOISE, 2 * max(ours["cv"], other["cv"]))
        if ratio > limit * (1 + noise):
            notes.append(f"**miss** {what}")
        elif ratio > limit:
            notes.append(f"noise {what}")

    peers = [others[p] for p in HELD_TO if p in others]
    if peers:
        best = min(peers, key=lambda row: row["ns"])
        if op in ("to_text", "from_text"):
            check(ours["ns"] / best["ns"], 0.1, "10x peer", best)
            if ours["bps"] < 1e9:
                notes.append("**miss** 1 GB/s")
        else:
            check(ours["ns"] / best["ns"], 1.0, "peer", best)
    if "bitset" in others:
        check(ours["ns"] / others["bitset"]["ns"], BITSET_STRETCH, "1.3x bitset", others["bitset"])
    raw = others.get("raw")
    if raw:
        ratio = ours["ns"] / raw["ns"]
        if op.startswith(("shl", "shr")) or op.endswith("_words_range"):
            check(ratio, 1.5, "1.5x raw", raw)
        elif bits == LARGEST_BITS and op in MEMORY_BOUND:
            check(ratio, 1.3, "1.3x raw", raw)
    if op in EXTRA_ARRAYS and ours["extra"] is not None and ours["extra"] > EXTRA_ARRAYS[op]:
        notes.append(f"**miss** memory ({ours['extra']:.2f} arrays)")
    return ", ".join(notes) or "ok"


def speed(bps):
    return f"{bps / 1e9:.3g}"


def ratio(r):
    return f"{r:.2f}" if r >= 0.1 else f"{r:.2g}"


def duration(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def table(results):
    rows = medians(results)
    context = results.get("context", {})
    lines = [
        f"Run of {context.get('date', '?')} at commit {context.get('commit', '?')}, "
        f"kernel family `{context.get('isa', '?')}`, "
        f"medians of CPU time over the repetitions. Ratio = our time / their time "
        f"(below 1: ours is faster); / best = against the fastest peer of the row; GB/s counts "
        f"characters for the text rows, bits / 8 elsewhere; extra = arrays held at once beside "
        f"the old contents.",
        "",
        "| row | bits | ours | GB/s | / best | / boost | / vbool | / bitset | / raw | extra | targets |",
        "|---|---|---|---|---|---|---|---|---|---|---|",
    ]
    misses = []
    rank = {op: i for i, op in enumerate(ORDER)}
    keys = sorted({(op, bits) for op, c, bits in rows if c == "ours"},
                  key=lambda k: (k[1], rank.get(k[0], len(ORDER)), k[0]))
    for op, bits in keys:
        ours = rows[(op, "ours", bits)]
        others = {c: rows[(op, c, bits)] for c in (*PEERS, "raw") if (op, c, bits) in rows}
        peers = [others[c] for c in PEERS if c in others]
        best = ratio(ours["ns"] / min(p["ns"] for p in peers)) if peers else "—"
        cells = [ratio(ours["ns"] / other["ns"]) if other else "—"
                 for other in (others.get(c) for c in (*PEERS, "raw"))]
        extra = f"{ours['extra']:.2f}" if ours["extra"] is not None else ""
        verdict = verdicts(op, bits, ours, others)
        if "miss" in verdict:
            misses.append(f"`{op}` at {shown_bits(bits)}: {verdict.replace('**', '')}")
        lines.append(f"| {op} | {shown_bits(bits)} | {duration(ours['ns'])} | {speed(ours['bps'])} | "
                     f"{best} | " + " | ".join(cells) + f" | {extra} | {verdict} |")
    lines += ["", f"Rows that miss a target: {len(misses)}."]
    lines += [f"- {m}" for m in misses]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bench", type=pathlib.Path,
                        default=ROOT / "build/default/bin/zelmar_flagrow_bench")
    parser.add_argument("--repetitions", type=int, default=3)
    parser.add_argument("--min-time", default="0.05")
    parser.add_argument("--filter", default=".", help="regular expression over row names")
    parser.add_argument("--isa", help="force a kernel family (zelmar_flagrow_bench --list_isas names them)")
    parser.add_argument("--json", action="append",
                        help="render the table from this JSON output instead of running; repeatable")
    parser.add_argument("--save", help="also keep the JSON output of the run here")
    parser.add_argument("--update", type=pathlib.Path,
                        help="replace the ratios block of this markdown file")
    args = parser.parse_args()

    text = table(run(args))
    if not args.update:
        print(text)
        return 0
    doc = args.update.read_text()
    pattern = re.compile(re.escape(BEGIN) + ".*?" + re.escape(END), re.S)
    if not pattern.search(doc):
        sys.exit(f"{args.update}: no {BEGIN} ... {END} block")
    args.update.write_text(pattern.sub(lambda _: f"{BEGIN}\n{text}\n{END}", doc))
    return 0


if __name__ == "__main__":
    sys.exit(main())
