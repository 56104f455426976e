#!/usr/bin/env python3
"""Runs every command that takes a file over one file of tests/data and compares exit codes,
output and the files written with the outputs recorded in tests/data/recorded/.

Usage: guard.py TOOL DATA_DIR RELATIVE_PATH
A file ending in .session is a script instead: its lines run one after another in one scratch
folder (see run_session). With DAVARAZ_RECORD=1 the outputs are recorded instead: only on
purpose, and in the commit that changes them. Each command runs in a fresh scratch folder on a
copy of the file, with relative paths, LC_ALL=C and the embedded printers; the scratch path and
dates are normalised.
"""
import difflib
import hashlib
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import zlib

COMMANDS = [
    ["dump", "{f}"],
    ["info", "{f}"],
    ["styles", "{f}"],
    ["styles", "{f}", "--csv"],
    ["diff", "{f}", "{f}"],
    ["ctb2stb", "{f}", "out.stb"],
    ["pc3", "show", "{f}"],
    ["pc3", "print", "{f}", "out.ps"],
    ["pmp", "new", "{f}", "out.pmp"],
    ["pack", "{f}", "out.ctb"],
]

# Text fixtures that are payloads: packed into the kind they hold, and that file read too.
PACKED_KIND = [
    (r"\.(pc3|pmp|ctb|stb)\.txt$", None),
    (r"^plotcfg/sections/", "pc3"),
    (r"^fuzz/plotcfg_sections/", "pc3"),
    (r"^fuzz/plotmodel_sections/", "pmp"),
    (r"^fuzz/plotstyle_table/.*stb", "stb"),
    (r"^fuzz/plotstyle_table/", "ctb"),
    (r"^fuzz/pia_parser/", "ctb"),
]

DATE_LINE = re.compile(rb"^(%%CreationDate:).*$", re.M)
MEMORY_BOUND_MIB = 200
JOB_STAMP = re.compile(rb"\d{8}-\d{6}-\d+-")
PDF_DATE = re.compile(rb"/(CreationDate|ModDate) \(D:[^)]*\)")


def packed_kind(rel):
    for pattern, kind in PACKED_KIND:
        m = re.search(pattern, rel)
        if m:
            return kind or m.group(1)
    return None


def text(data):
    return data.decode("utf-8", errors="backslashreplace")


# The coverage runtime's complaint when a command runs as a user who cannot write its counts.
GCOV_NOISE = re.compile(rb"^profiling:.*\n", re.M)


def normalise(data, scratch, data_dir=None):
    data = GCOV_NOISE.sub(b"", data)
    for p in {scratch, os.path.realpath(scratch)}:
        data = data.replace(p.encode(), b"<scratch>")
    if data_dir:
        data = data.replace(os.path.abspath(data_dir).encode(), b"<data>")
    data = PDF_DATE.sub(rb"/\1 (<date>)", data)
    return DATE_LINE.sub(rb"\1 <date>", data)


def describe_briefly(name, data, scratch):
    """A file a session wrote: small text as it is, a document as its header and a digest of its
    payload (sessions read payloads back with dump where they matter), anything else a digest."""
    if data.startswith(b"PIAFILEVERSION") and len(data) >= 60:
        try:
            payload = normalise(zlib.decompress(data[60:]), scratch)
        except zlib.error:
            return [f"--- file {name}", "header: " + repr(data[:48]), "payload does not inflate"]
        count = payload.count(b"\n")
        return [f"--- file {name}", "header: " + repr(data[:48]),
                f"payload: {count} lines, sha256: " + hashlib.sha256(payload).hexdigest()]
    data = normalise(data, scratch)
    if len(data) <= 1024:
        try:
            return [f"--- file {name}:", data.decode("utf-8")]
        except UnicodeDecodeError:
            pass
    return [f"--- file {name}: {len(data)} bytes normalised", "sha256: " + hashlib.sha256(data).hexdigest()]


def describe_file(name, data, scratch):
    if not data.startswith(b"PIAFILEVERSION") or len(data) < 60:
        data = normalise(data, scratch)
        return [f"--- file {name}: {len(data)} bytes normalised",
                "sha256: " + hashlib.sha256(data).hexdigest()]
    try:
        payload = zlib.decompress(data[60:])
    except zlib.error as e:
        payload = None
    lines = [f"--- file {name}", "header: " + repr(data[:48])]
    # A payload naming the scratch folder has another size and checksum in every run.
    if payload is None or scratch.encode() not in payload:
        lines.append(f"{len(data)} bytes, sha256: " + hashlib.sha256(data).hexdigest())
    if payload is None:
        return lines + ["payload does not inflate"]
    return lines + ["payload:", text(normalise(payload, scratch))]


def environment(scratch):
    # Sanitizer options, and where a coverage run wants the tool's counts, pass through.
    env = {k: v for k, v in os.environ.items() if re.match(r"(ASAN|UBSAN|LSAN)_OPTIONS$|GCOV_PREFIX", k)}
    # No path to this machine's own print server: libcups looks for one where none is.
    env.update(PATH=os.environ.get("PATH", "/usr/bin:/bin"), LC_ALL="C", HOME=scratch,
               TMPDIR=os.path.join(scratch, "tmp"), CUPS_SERVER="/nonexistent/davaraz-tests/cups.sock")
    return env


def run(tool, source, name, command):
    """One command on a fresh copy of source, named name; returns its record lines."""
    with tempfile.TemporaryDirectory(prefix="davaraz-guard") as scratch:
        os.mkdir(os.path.join(scratch, "tmp"))
        shutil.copyfile(source, os.path.join(scratch, name))
        before = {name: open(source, "rb").read()}
        args = [a.format(f=name) for a in command]
        r = subprocess.run([tool] + args, cwd=scratch, env=environment(scratch),
                           capture_output=True, timeout=120)
        lines = ["$ davaraz " + " ".join(args), f"exit: {r.returncode}",
                 "--- stdout", text(normalise(r.stdout, scratch)),
                 "--- stderr", text(normalise(r.stderr, scratch))]
        for entry in sorted(os.listdir(scratch)):
            path = os.path.join(scratch, entry)
            if entry == "tmp":
                left = sorted(os.listdir(path))
                if left:
                    lines.append("--- temporary files left: " + ", ".join(left))
                continue
            if os.path.isdir(path):
                lines.append(f"--- folder {entry}")
                continue
            data = open(path, "rb").read()
            if before.get(entry) != data:
                lines += describe_file(entry, data, scratch)
        return lines


def snapshot(scratch):
    files = {}
    for root, dirs, names in os.walk(scratch):
        dirs[:] = [d for d in dirs if os.path.join(root, d) != os.path.join(scratch, "tmp")]
        for n in names:
            path = os.path.join(root, n)
            if os.path.isfile(path) and not os.path.islink(path):
                name = os.path.relpath(path, scratch).encode("utf-8", "surrogateescape")
                # A job's file is named by its time and process: those go.
                name = JOB_STAMP.sub(b"<stamp>-", name)
                files[text(name)] = open(path, "rb").read()
    return files


def run_session(tool, data_dir, source):
    """Runs a session script. Each line is a shell command run in the scratch folder, `davaraz`
    being the tool; `export NAME=VALUE` and `unset NAME` change the environment of the lines after
    them ($DATA is the data folder). Blank lines and # comments are copied. Each command's record
    is its exit code, output, the files it wrote or changed and any temporary file it left; the
    last line says whether every command kept within the memory bound."""
    with tempfile.TemporaryDirectory(prefix="davaraz-guard") as scratch:
        os.mkdir(os.path.join(scratch, "tmp"))
        os.mkdir(os.path.join(scratch, "bin"))
        os.symlink(os.path.abspath(tool), os.path.join(scratch, "bin", "davaraz"))
        env = environment(scratch)
        env.update(PATH=os.path.join(scratch, "bin") + ":" + env["PATH"], DATA=os.path.abspath(data_dir))
        files = snapshot(scratch)
        lines = []
        for line in open(source, encoding="utf-8").read().splitlines():
            if not line.strip() or line.startswith("#"):
                lines.append(line)
                continue
            words = line.split(None, 1)
            if words[0] == "export":
                name, _, value = words[1].partition("=")
                env[name] = re.sub(r"\$(\w+)", lambda m: env.get(m.group(1), ""), value)
                lines.append(line)
                continue
            if words[0] == "unset":
                env.pop(words[1], None)
                lines.append(line)
                continue
            r = subprocess.run(["/bin/sh", "-c", line], cwd=scratch, env=env, capture_output=True, timeout=120)
            lines += ["$ " + line, f"exit: {r.returncode}"]
            for name, out in (("stdout", r.stdout), ("stderr", r.stderr)):
                if out:
                    lines += ["--- " + name, text(normalise(out, scratch, data_dir))]
            now = snapshot(scratch)
            for name in sorted(now):
                if files.get(name) != now[name]:
                    lines += describe_briefly(name, now[name], scratch)
            for name in sorted(set(files) - set(now)):
                lines.append(f"--- removed {name}")
            files = now
            left = sorted(os.listdir(os.path.join(scratch, "tmp")))
            if left:
                lines.append("--- temporary files left: " + ", ".join(left))
        # Every command of a session stays within a small memory bound, whatever its input.
        peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024
        lines.append(f"peak memory of a command: {'under' if peak < MEMORY_BOUND_MIB else 'OVER'} "
                     f"{MEMORY_BOUND_MIB} MiB")
        return "\n".join(lines) + "\n"


def record(tool, data_dir, rel):
    if rel.endswith(".session"):
        return run_session(tool, data_dir, os.path.join(data_dir, rel))
    source = os.path.join(data_dir, rel)
    base = os.path.basename(rel)
    lines = []
    for command in COMMANDS:
        lines += run(tool, source, base, command)
    kind = packed_kind(rel)
    if kind:
        with tempfile.TemporaryDirectory(prefix="davaraz-guard") as work:
            os.mkdir(os.path.join(work, "tmp"))
            packed = os.path.join(work, "packed." + kind)
            r = subprocess.run([tool, "pack", source, packed], env=environment(work),
                               capture_output=True)
            lines.append(f"=== packed as .{kind}: exit {r.returncode}")
            lines.append(text(normalise(r.stderr.replace(source.encode(), rel.encode()), work)))
            if r.returncode == 0:
                for command in COMMANDS[:-1]:
                    lines += run(tool, packed, "packed." + kind, command)
    return "\n".join(lines) + "\n"


def main():
    tool, data_dir, rel = sys.argv[1:4]
    got = record(tool, data_dir, rel)
    expected_path = os.path.join(data_dir, "recorded", rel + ".txt")
    if os.environ.get("DAVARAZ_RECORD") == "1":
        os.makedirs(os.path.dirname(expected_path), exist_ok=True)
        with open(expected_path, "w", encoding="utf-8", newline="") as f:
            f.write(got)
        print("recorded " + expected_path)
        return 0
    if not os.path.exists(expected_path):
        print(f"no recorded output for {rel}: record it with DAVARAZ_RECORD=1")
        return 1
    with open(expected_path, encoding="utf-8", newline="") as f:
        expected = f.read()
    if got == expected:
        return 0
    sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True), got.splitlines(True),
                                               "recorded", "now"))
    return 1


if __name__ == "__main__":
    sys.exit(main())
