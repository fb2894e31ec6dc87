#!/usr/bin/env python3
"""Generates the bundled Sarnet Contest example log and its expected summary.

The log (sarnet-example.adi) is made from a fixed seed, so every run writes the same bytes.
The expected summary (sarnet-example.expected.txt) comes from this script's own reference
scorer: the contest rules applied independently of the plug-in, and the country file read
the way sarnet-score reads it.

    examples/generate_example.py [--cty PATH] [--out DIR]
"""

import argparse
import os
import random
import sys

SEED = 20261206
OWN_CALL = "YO8SRN"
CONTEST_DATE = (2026, 12, 6)
START_MINUTE = 16 * 60  # 16:00 UTC
CREDIT_LINE = "Scored by the Sarnet Contest statistics plug-in"

COUNTIES = ("AB AR AG BC BH BN BT BV BR BU BZ CS CL CJ CT CV DB DJ GL GR GJ HR HD IF IL IS "
            "MM MH MS NT OT PH SM SJ SB SV TR TM TL VS VL VN").split()
BAND_SLOTS = ["160m", "80m", "40m", "20m", "15m", "10m"]
FOREIGN_PREFIXES = ["DL", "OE", "HA", "LZ", "UR", "UT", "US", "SP", "OK", "OM", "S5", "9A",
                    "YU", "ER", "I", "F", "G", "EA", "UA", "YL", "LY", "ES", "SV", "E7",
                    "Z3", "4O", "OH", "SM", "LA", "ON", "PA", "HB9", "UX", "DK", "IK"]
PORTABLE_MODIFIERS = {"P", "M", "MM", "AM", "QRP", "A", "B"}


# ---------------------------------------------------------------- country file

class Cty:
    def __init__(self, path):
        with open(path, "rb") as f:
            text = f.read().decode("latin-1")
        self.exact, self.prefixes = {}, {}
        for entry in text.split(";"):
            if not entry.strip():
                continue
            fields = entry.split(":")
            if len(fields) < 9:
                raise SystemExit(f"{path}: not a cty.dat entity: {entry[:40]!r}")
            name, primary = fields[0].strip(), fields[7].strip().lstrip("*")
            for alias in ":".join(fields[8:]).split(","):
                alias = alias.strip()
                for stop in "([<{~":
                    alias = alias.split(stop)[0]
                alias = alias.upper()
                if not alias:
                    continue
                if alias.startswith("="):
                    self.exact.setdefault(alias[1:], (name, primary))
                else:
                    self.prefixes.setdefault(alias, (name, primary))
        self.longest = max(len(p) for p in self.prefixes)

    def lookup(self, call):
        call = call.strip().upper()
        if call in self.exact:
            return self.exact[call]
        parts = call.split("/")
        while len(parts) > 1 and (parts[-1] in PORTABLE_MODIFIERS or
                                  (len(parts[-1]) == 1 and parts[-1].isdigit())):
            parts.pop()
        location = parts[0]
        for part in parts:
            if part and (not location or len(part) < len(location)):
                location = part
        if (len(parts) > 1 or location != call) and location in self.exact:
            return self.exact[location]
        for length in range(min(len(location), self.longest), 0, -1):
            if location[:length] in self.prefixes:
                return self.prefixes[location[:length]]
        return ("", "")


# ---------------------------------------------------------------- the log

def make_log(rng, cty):
    used = set()
    letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"

    def new_call(home):
        while True:
            suffix = "".join(rng.choice(letters) for _ in range(rng.choice((2, 3, 3))))
            if home:
                call = f"YO{rng.randint(2, 9)}{suffix}"
            else:
                prefix = rng.choice(FOREIGN_PREFIXES)
                call = prefix + ("" if prefix[-1].isdigit() else str(rng.randint(1, 9))) + suffix
            if call not in used and cty.lookup(call)[1]:
                used.add(call)
                return call

    qsos = []
    second = 0
    serial = 0
    for _ in range(300):
        second += rng.randint(20, 75)
        home = rng.random() < 0.55
        call = new_call(home)
        serial += 1
        their = rng.randint(1, 350)
        if home:
            county = rng.choice(COUNTIES)
            rcvd = f"{their:03d}{county}" if rng.random() < 0.8 else f"{their:03d} {county}"
        else:
            rcvd = f"{their:03d}"
        qsos.append({"call": call, "second": second, "serial": serial, "rcvd": rcvd,
                     "freq": f"3.{rng.randint(575, 600)}{rng.randint(0, 99):02d}",
                     "band": "80m"})

    # The irregular QSOs a real log has, at fixed places.
    # Some loggers keep the county as typed, in lower case.
    lower = next(q for q in qsos[17:] if q["call"].startswith("YO"))
    lower["rcvd"] = lower["rcvd"].lower()
    for index, special in ((40, "wrong band"), (90, "no number"), (150, "bad county"),
                           (200, "dupe"), (230, "dupe"), (260, "dupe"), (120, "portable home"),
                           (180, "portable foreign"), (60, "band upper case")):
        qso = qsos[index]
        if special == "wrong band":
            qso["freq"], qso["band"] = "7.04112", "40m"
        elif special == "no number":
            qso["rcvd"] = ""
        elif special == "bad county":
            qso["call"] = new_call(True)
            qso["rcvd"] = f"{rng.randint(1, 300):03d}XY"
        elif special == "dupe":
            earlier = qsos[rng.randint(100, index - 20)]
            while earlier.get("special") or "/" in earlier["call"]:
                earlier = qsos[rng.randint(100, index - 20)]
            qso["call"], qso["rcvd"] = earlier["call"], earlier["rcvd"]
        elif special == "portable home":
            qso["call"] = new_call(True) + "/P"
            qso["rcvd"] = f"{rng.randint(1, 300):03d}{rng.choice(COUNTIES)}"
        elif special == "portable foreign":
            qso["call"] = "DL/" + new_call(True)
            qso["rcvd"] = f"{rng.randint(1, 300):03d}"
        elif special == "band upper case":
            qso["band"] = "80M"
        qso["special"] = special

    for qso in qsos:
        name, prefix = cty.lookup(qso["call"])
        qso["prefix"], qso["entity"] = prefix, name
    return qsos


def adif_field(name, value):
    return f"<{name}:{len(value.encode('latin-1'))}>{value}"


def write_adif(path, rng, qsos):
    year, month, day = CONTEST_DATE
    lines = ["Sarnet Contest example log, made by examples/generate_example.py (seed %d)." % SEED,
             adif_field("ADIF_VER", "3.1.4") + " " + adif_field("PROGRAMID", "generate_example.py"),
             "<EOH>", ""]
    for qso in qsos:
        total = START_MINUTE * 60 + qso["second"]
        hh, mm, ss = total // 3600, total // 60 % 60, total % 60
        mode_style = rng.random()
        if mode_style < 0.7:
            mode = adif_field("MODE", "PSK") + " " + adif_field("SUBMODE", "BPSK31")
        elif mode_style < 0.85:
            mode = adif_field("MODE", "PSK") + " " + adif_field("SUBMODE", "PSK31")
        else:
            mode = adif_field("MODE", "PSK31")
        time = f"{hh:02d}{mm:02d}{ss:02d}" if rng.random() < 0.8 else f"{hh:02d}{mm:02d}"
        sent = f"{qso['serial']:03d}"
        sent_field = adif_field("STX_STRING", sent) if qso["serial"] % 5 else adif_field("STX", str(qso["serial"]))
        fields = [adif_field("CALL", qso["call"]),
                  adif_field("QSO_DATE", f"{year:04d}{month:02d}{day:02d}"),
                  adif_field("TIME_ON", time), adif_field("BAND", qso["band"]),
                  adif_field("FREQ", qso["freq"]), mode,
                  adif_field("RST_SENT", "599"), adif_field("RST_RCVD", "599"), sent_field]
        if qso["rcvd"]:
            fields.append(adif_field("SRX_STRING", qso["rcvd"]))
        fields.append(adif_field("STATION_CALLSIGN", OWN_CALL))
        fields.append(adif_field("CONTEST_ID", "SARNET"))
        qso["time_second"] = hh * 3600 + mm * 60 + (ss if len(time) == 6 else 0)
        lines.append(" ".join(fields) + " <EOR>")
    with open(path, "w", encoding="latin-1", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------- reference scorer

def score(qsos):
    """The contest rules: admission in log order, then the summary in the plug-in's layout."""
    log, worked_bands = [], []
    for qso in qsos:
        # sarnet-score passes ADIF bands in lower case.
        band, mode = qso["band"].lower(), "BPSK31"
        rcvd, sent = qso["rcvd"], f"{qso['serial']:03d}"
        basic = band.lower() == "80m" and mode.lower() == "bpsk31" and rcvd != "" and sent != ""
        record = {"call": qso["call"], "band": band, "mode": mode, "prefix": qso["prefix"],
                  "county": "", "invalid": not basic, "dupe": False, "rejected": not basic,
                  "second": qso["time_second"]}
        if band not in worked_bands:
            worked_bands.append(band)
        if record["prefix"] == "YO":
            county = rcvd[-2:].upper().strip()
            if county in COUNTIES:
                record["county"] = county
            elif basic:
                record["invalid"] = record["rejected"] = True
        if basic and any(r["call"] == record["call"] and r["band"] == band and r["mode"] == mode
                         for r in log):
            record["dupe"] = record["rejected"] = True
        log.append(record)

    worked_bands.sort(key=lambda b: b.rjust(20, "0") if len(b) < 20 else b, reverse=True)
    date = "%02d.%02d.%04d" % (CONTEST_DATE[2], CONTEST_DATE[1], CONTEST_DATE[0])
    out = f"\tSarnet Contest {date}\r\n\t    Contestant: {OWN_CALL}\r\nBand\tQSOs\tPoints\tDXCC\tCounty\r\n"
    totals = [0, 0, 0, 0]
    dupes = bad = last_points = 0
    scoring = []
    for band in worked_bands:
        qs = home = other = 0
        prefixes, counties = set(), set()
        for r in log:
            if r["band"] != band or not r["call"]:
                continue
            dupes += r["dupe"]
            bad += r["invalid"]
            if r["rejected"]:
                continue
            qs += 1
            points = 2 if r["prefix"] == "YO" else 1
            home += points == 2
            other += points == 1
            last_points = points
            scoring.append((r["second"], points))
            if r["county"]:
                counties.add(r["county"])
            prefixes.add(r["prefix"])
        band_points = other + 2 * home
        if band in BAND_SLOTS:
            out += "%s\t %i\t  %i\t  %i\t   %i\r\n" % (band, qs, band_points, len(prefixes), len(counties))
        for i, v in enumerate((qs, band_points, len(prefixes), len(counties))):
            totals[i] += v
    total_score = totals[1] * (totals[2] + totals[3])
    # The rate windows end at the scoring QSO logged last.
    end = [r["second"] for r in log if r["call"] and not r["rejected"]][-1]
    for second, _ in scoring:
        if end - second in (3600, 600):
            raise SystemExit("a QSO lies exactly on a rate window's edge; change the seed")
    hour = [p for s, p in scoring if 0 <= end - s < 3600]
    ten = [p for s, p in scoring if 0 <= end - s < 600]
    out += "%s\t %i\t  %i\t  %i\t   %i\r\n" % ("Total", *totals)
    out += "Dupe\t %i\r\n" % dupes + "Bad QSO\t %i\r\n" % bad + "\r\n"
    out += "Hourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n" % (len(hour), 6 * len(ten))
    out += "Hourly (10min) pts rate: %5i (%i) points/hour\r\n" % (sum(hour), 6 * sum(ten))
    out += "\r\n"
    out += "Last QSO: %i points\r\n" % last_points
    out += "Score: %i*(%i+%i) = %i\r\n" % (totals[1], totals[2], totals[3], total_score)
    out += "\r\n" + CREDIT_LINE
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cty", default="/usr/share/hamradio-files/cty.dat")
    parser.add_argument("--out", default=here)
    args = parser.parse_args()
    if not os.path.exists(args.cty):
        sys.exit(f"{args.cty}: no country file (install hamradio-files or give --cty)")
    rng = random.Random(SEED)
    qsos = make_log(rng, Cty(args.cty))
    write_adif(os.path.join(args.out, "sarnet-example.adi"), rng, qsos)
    with open(os.path.join(args.out, "sarnet-example.expected.txt"), "wb") as f:
        f.write(score(qsos).encode("latin-1"))


if __name__ == "__main__":
    main()
