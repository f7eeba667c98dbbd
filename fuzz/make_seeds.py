#!/usr/bin/env python3
"""Seed inputs of the fuzz targets, cut down from real and demo months.

  fuzz/make_seeds.py OUT_DIR REAL_FOLDER DEMO_FOLDER PLUVELLE_CLI

Writes OUT_DIR/<target>/seed-* ; merge them into fuzz/corpus/<target> with
the target's -merge=1 so that only inputs bringing new coverage are kept.
"""
import os
import struct
import subprocess
import sys
import tempfile

HEADER, RECORD = 212, 88
SEP = b"#PLVSEP#"


def days_of(month):
    """{day: (summary1+summary2 bytes, [archive record bytes])} by the day counts."""
    counts = [struct.unpack_from("<h", month, 20 + 6 * d)[0] for d in range(32)]
    days, at = {}, HEADER
    for d in range(1, 32):
        n = counts[d]
        if n <= 0:
            continue
        block = month[at:at + n * RECORD]
        days[d] = (block[:2 * RECORD], [block[k:k + RECORD] for k in range(2 * RECORD, n * RECORD, RECORD)])
        at += n * RECORD
    return month[:16], days


def build(ident, days):
    """A well-formed month of {day: (summaries, records)}."""
    index, body, pos = [(0, 0)] * 32, b"", 0
    for d in sorted(days):
        summaries, records = days[d]
        n = 2 + len(records)
        index[d] = (n, pos)
        pos += n
        body += summaries + b"".join(records)
    header = ident + struct.pack("<i", pos) + b"".join(struct.pack("<hi", n, s) for n, s in index)
    return header + body


def cut(month, keep):
    """keep: {day: slice of its archive records}."""
    ident, days = days_of(month)
    return build(ident, {d: (days[d][0], days[d][1][s]) for d, s in keep.items() if d in days})


def summaries_only(month):
    ident, days = days_of(month)
    return build(ident, {d: (s, []) for d, (s, _) in days.items()})


def write(out, target, name, data):
    folder = os.path.join(out, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + name), "wb") as f:
        f.write(data)


def table_csv(cli, month):
    """The table export of a month, without the empty rows after the records."""
    with tempfile.TemporaryDirectory() as tmp:
        wlk, csv = os.path.join(tmp, "2016-04.wlk"), os.path.join(tmp, "t.csv")
        with open(wlk, "wb") as f:
            f.write(month)
        subprocess.run([cli, "table", wlk, csv], check=True, capture_output=True)
        lines = open(csv, "rb").read().split(b"\r\n")
    while lines and lines[-1].strip(b"; ") == b"":
        lines.pop()
    return b"\r\n".join(lines + [b";" * 48, b""])


def main():
    out, real, demo, cli = sys.argv[1:5]
    read = lambda *p: open(os.path.join(*p), "rb").read()
    b = read(real, "station-b", "2016-04.wlk")   # five-minute, 0.01 in collector
    j = read(real, "station-j", "2012-02.wlk")   # one-minute, 0.2 mm collector
    jan, feb, mar = (read(demo, "2026-%02d.wlk" % m) for m in (1, 2, 3))

    # Records every hour or so: the whole day's shape in a few records.
    small = {
        "b-noon": cut(b, {3: slice(130, 160, 3)}),
        "b-days": cut(b, {1: slice(0, 12, 2), 2: slice(0, None, 12), 25: slice(-12, None, 3)}),
        "j-evening": cut(j, {1: slice(1380, 1440, 6), 2: slice(0, 30, 5)}),
        "demo-edges": cut(feb, {1: slice(0, None, 12), 16: slice(-20, None, 4), 18: slice(0, 20, 4),
                                28: slice(0, None, 12)}),
        "demo-summer-noon": cut(mar, {30: slice(130, 160, 3)}),
    }
    for name, month in small.items():
        write(out, "daily_summaries", name, month)
        write(out, "sunshine", name, bytes([0]) + month)
        write(out, "sunshine", name + "-utc-pole", bytes([0b011]) + month)
    write(out, "daily_summaries", "loaded-then-changed", small["b-days"] + SEP + small["demo-edges"])
    write(out, "sunshine", "loaded-then-changed", bytes([0]) + small["demo-edges"] + SEP + small["b-noon"])

    prev = cut(jan, {31: slice(-72, None, 6)})
    nxt = cut(mar, {1: slice(0, 96, 6)})
    open_feb = cut(feb, {1: slice(0, None, 12), 2: slice(0, None, 12), 28: slice(0, None, 12)})
    write(out, "wmo_daily", "legal-three", bytes([0]) + open_feb + SEP + prev + SEP + nxt)
    write(out, "wmo_daily", "utc-three", bytes([1]) + open_feb + SEP + prev + SEP + nxt)
    write(out, "wmo_daily", "alone-folders", bytes([0b110]) + small["b-days"])
    write(out, "wmo_daily", "one-minute", bytes([0]) + small["j-evening"] + SEP + small["j-evening"])

    extremes = [summaries_only(m) for m in (jan, feb, mar, b)]
    write(out, "station_extremes", "four", SEP.join(extremes))
    write(out, "station_extremes", "one-minute", summaries_only(j) + SEP + small["b-days"])

    write(out, "ic_following", "legal", bytes([0]) + open_feb + SEP + nxt)
    write(out, "ic_following", "utc", bytes([1]) + open_feb)
    write(out, "ic_following", "folder", bytes([0b10]) + open_feb)
    write(out, "ic_following", "one-minute", bytes([0]) + small["j-evening"] + SEP + small["j-evening"])

    for name in ("b-days", "j-evening", "demo-edges"):
        csv = table_csv(cli, small[name])
        write(out, "table_import", name, csv)
        write(out, "table_import", name + "-over-month", small["b-noon"] + SEP + csv)
    write(out, "table_import", "midnight-comma-missing",
          b"Date;Heure;\r\n01/04/2016;23:55;12,5;- -;;\r\n01/04/2016;24:00;1.0;\r\n02/04/2016;00:05;x;\r\n")

    settings = {
        "plain": b"45.5\r\n-5.25\r\n50\r\n",
        "commas": b"45,123456789\r\n-5,25\r\n50,5",
        "cr-only": b"1e308\r-91\r\r",
        "one-line": b"-33.9",
        "cp1252": b"\xe9\x80\x81;\n\xff\x00\n\x9d\n",
    }
    accounts = {
        "plain": b"07123\r\nstation\r\nAbCdEf0123\r\n",
        "long-password": b"07123\r\nstation\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n",
        "accents": b"St\xe9\r\nutilisateur \x80\r\nmot de passe \xe9t\xe9\r\n",
        "folder-code": b"../x\r\nu\r\np\r\n",
        "lf-no-end": b"07123\nstation",
    }
    for target, texts in (("sunshine_settings", settings), ("infoclimat_settings", accounts)):
        for name, text in texts.items():
            write(out, target, name, text)


if __name__ == "__main__":
    main()
