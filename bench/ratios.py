#!/usr/bin/env python3
"""Runs zelmar_flagrow_bench with repetitions and writes the table of ratios of medians.

Every ratio is our median CPU time divided by the other contender's, so below 1 means ours is
faster. The last column checks the targets of docs/performance.md. With --update the table
replaces the block between the ratios markers of that file, and the short table of the whole
workloads the block between the workloads markers; otherwise both go to stdout. --chart draws
the ratio to the fastest peer of every row and size into a PNG (this needs matplotlib, Debian's
python3-matplotlib).
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
WORKLOADS_BEGIN, WORKLOADS_END = "<!-- workloads:begin -->", "<!-- workloads:end -->"
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
# The whole workloads (bench/walks.cpp, bench/workloads.cpp), in the order of their short table,
# with what each does; the push_back rows count as one at 10^6 bits.
WORKLOADS = {
    "walk_0.1%": "for each set bit of 2^22 bits, 0.1 % set (`set_bits()`)",
    "walk_0.1%_find_next": "the same by a `find_next` loop (what `set_bits()` did before)",
    "walk_10%": "the same, 10 % set",
    "walk_10%_find_next": "the same by a `find_next` loop",
    "walk_50%": "the same, 50 % set",
    "walk_50%_find_next": "the same by a `find_next` loop",
    "pairs_count": "`count_and` over all pairs of 2000 sets of 200 bits; the peers `(a & b).count()`",
    "pairs_count_value": "the same, ours by `(a & b).count()`",
    "pairs_intersects": "`a.intersects(b)` over the same pairs (`std::bitset`: `(a & b).any()`)",
    "sieve": "sieve of Eratosthenes to 5·10^7 (`set(i)` strided, `count()`)",
    "bfs": "breadth-first search, 2·10^6 nodes × 8 edges, `test(i)`/`set(i)` on a visited bitmap",
    "push_back": "building 10^6 bits by `push_back`",
}
PUSHED_BITS = 1_000_000
# Ours-only workloads, held to the peers and the limit of the workload they do another way.
DONE_ANOTHER_WAY = {"_find_next": "", "pairs_count_value": "pairs_count"}

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
    # The commit the run starts at: the tree may move on while it runs.
    head = subprocess.run(["git", "-C", str(ROOT), "rev-parse", "--short", "HEAD"],
                          capture_output=True, text=True, check=False)
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


def is_workload(op, bits):
    return op in WORKLOADS and (op != "push_back" or bits == PUSHED_BITS)


def fastest_peer(rows, op, bits):
    """(name, row) of the fastest peer of a row, or None when no peer has it."""
    peers = [(c, rows[(op, c, bits)]) for c in PEERS if (op, c, bits) in rows]
    return min(peers, key=lambda p: p[1]["ns"]) if peers else None


def compared_with(op):
    """The workload whose peers and limit a row is held to: its own, or the one it does another
    way."""
    for way, base in DONE_ANOTHER_WAY.items():
        if op == way:
            return base
        if op.endswith(way):
            return op.removesuffix(way)
    return op


def workload_table(results):
    rows = medians(results)
    lines = [
        "| workload | ours | fastest peer | ratio | the limit (plain word loop) |",
        "|---|---|---|---|---|",
    ]
    rank = {op: i for i, op in enumerate(WORKLOADS)}
    keys = sorted(((op, bits) for op, c, bits in rows if c == "ours" and is_workload(op, bits)),
                  key=lambda k: rank[k[0]])
    for op, bits in keys:
        ours = rows[(op, "ours", bits)]
        best = fastest_peer(rows, compared_with(op), bits)
        peer = f"{best[0]} {duration(best[1]['ns'])}" if best else "—"
        share = ratio(ours["ns"] / best[1]["ns"]) if best else "—"
        raw = rows.get((compared_with(op), "raw", bits))
        limit = f"{duration(raw['ns'])} ({ratio(ours['ns'] / raw['ns'])}×)" if raw else "—"
        lines.append(f"| {WORKLOADS[op]} | {duration(ours['ns'])} | {peer} | {share} | {limit} |")
    return "\n".join(lines)


def chart(results, path):
    """Every row and size with a peer: our time over the fastest peer's, on a log scale, one
    colour per size, the workloads at the right."""
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    rows = medians(results)
    rank = {op: i for i, op in enumerate(ORDER + list(WORKLOADS))}
    ops = sorted({op for op, c, bits in rows if c == "ours" and fastest_peer(rows, op, bits)},
                 key=lambda op: (op in WORKLOADS, rank.get(op, len(rank)), op))
    sizes = sorted({bits for op, c, bits in rows if c == "ours"})
    fig, ax = plt.subplots(figsize=(16, 6.5))
    colours = plt.get_cmap("viridis")
    for n, bits in enumerate(sizes):
        xs, ys = [], []
        for x, op in enumerate(ops):
            best = fastest_peer(rows, op, bits)
            if (op, "ours", bits) in rows and best:
                xs.append(x)
                ys.append(rows[(op, "ours", bits)]["ns"] / best[1]["ns"])
        if xs:
            ax.scatter(xs, ys, s=22, color=colours(n / max(1, len(sizes) - 1)),
                       label=shown_bits(bits), zorder=3)
    ax.axhline(1.0, color="black", linewidth=0.8)
    ax.set_yscale("log")
    ax.set_xticks(range(len(ops)), ops, rotation=90, fontsize=8)
    ax.set_xlim(-0.7, len(ops) - 0.3)
    ax.set_ylabel("our time / the fastest peer's (below 1: ours is faster)")
    context = results.get("context", {})
    ax.set_title(f"zelmar_flagrow against boost::dynamic_bitset, std::vector<bool> and "
                 f"std::bitset, kernel family {context.get('isa', '?')}, commit "
                 f"{context.get('commit', '?')}")
    ax.grid(axis="y", which="both", linewidth=0.3)
    ax.legend(title="bits", fontsize=8, loc="upper left", bbox_to_anchor=(1.005, 1))
    fig.tight_layout()
    fig.savefig(path, dpi=90)


def replace_block(doc, begin, end, text, name):
    pattern = re.compile(re.escape(begin) + ".*?" + re.escape(end), re.S)
    if not pattern.search(doc):
        sys.exit(f"{name}: no {begin} ... {end} block")
    return pattern.sub(lambda _: f"{begin}\n{text}\n{end}", doc)


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
                        help="replace the ratios and workloads blocks of this markdown file")
    parser.add_argument("--chart", type=pathlib.Path, help="draw the ratios into this PNG file")
    args = parser.parse_args()

    results = run(args)
    text, workloads = table(results), workload_table(results)
    if args.chart:
        chart(results, args.chart)
    if not args.update:
        print(workloads, text, sep="\n\n")
        return 0
    doc = replace_block(args.update.read_text(), BEGIN, END, text, args.update)
    doc = replace_block(doc, WORKLOADS_BEGIN, WORKLOADS_END, workloads, args.update)
    args.update.write_text(doc)
    return 0


if __name__ == "__main__":
    sys.exit(main())
