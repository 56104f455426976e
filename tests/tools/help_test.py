#!/usr/bin/env python3
"""Checks that every command of the tool has its --help, a place in the man page and in the bash
completion, that the man page formats without warnings, and that the completion completes.

Usage: help_test.py TOOL DOC_DIR
"""
import os
import re
import subprocess
import sys
import tempfile

tool, doc = sys.argv[1], sys.argv[2]
man = os.path.join(doc, "davaraz.1")
completion = os.path.join(doc, "davaraz.bash-completion")
env = dict(os.environ, LC_ALL="C", CUPS_SERVER="/nonexistent/davaraz-tests/cups.sock", DAVARAZ_SPOOLER="virtual")
faults = []

listing = subprocess.run([tool, "--help"], capture_output=True, text=True, env=env)
commands = re.findall(r"^  (\S+)", listing.stdout, re.M)
if listing.returncode != 0 or len(commands) < 14:
    faults.append(f"--help: exit {listing.returncode}, commands {commands}")
man_text = open(man, encoding="utf-8").read()
completion_text = open(completion, encoding="utf-8").read()
listed = re.search(r'local commands="([^"]*)"', completion_text).group(1).split()
for name in commands:
    for form in ([name, "--help"], ["help", name]):
        r = subprocess.run([tool] + form, capture_output=True, text=True, env=env)
        if r.returncode != 0 or not r.stdout.startswith(f"usage: davaraz {name} ") or "exit codes:" not in r.stdout:
            faults.append(f"{' '.join(form)}: exit {r.returncode}: {r.stdout[:80]!r} {r.stderr[:80]!r}")
    if not re.search(rf'^\.BI? "?{re.escape(name)}\b', man_text, re.M):
        faults.append(f"the man page does not describe {name}")
    if name not in listed:
        faults.append(f"the completion does not offer {name}")
for word in ("EXIT STATUS",):
    if word not in man_text:
        faults.append(f"the man page lacks {word}")

warnings = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z", man], capture_output=True, text=True)
if warnings.returncode != 0 or warnings.stderr:
    faults.append("groff: " + warnings.stderr)


def complete(words, cwd):
    """The completions bash offers for the words, the last one being completed."""
    script = (f"shopt -s extglob; source {completion!r}; "
              f"PATH={os.path.dirname(os.path.abspath(tool))}:$PATH; "
              "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _davaraz; printf '%s\\n' \"${COMPREPLY[@]}\"")
    r = subprocess.run(["bash", "-c", script, "bash"] + words, capture_output=True, text=True, cwd=cwd, env=env)
    return sorted(w for w in r.stdout.split("\n") if w)


with tempfile.TemporaryDirectory() as work:
    for name in ("a.ctb", "b.STB", "c.json", "d.csv", "e.txt"):
        open(os.path.join(work, name), "w").close()
    os.mkdir(os.path.join(work, "sub"))
    subprocess.run([tool, "ctb", "new", "x.ctb"], cwd=work, env=env, check=True)
    header = subprocess.run([tool, "styles", "x.ctb", "--csv"], capture_output=True, text=True, cwd=work,
                            env=env).stdout.splitlines()[0].split(",")[3:]
    os.remove(os.path.join(work, "x.ctb"))
    settable = sorted(f + "=" for f in header if f not in ("name", "localized_name", "aci_colors"))
    cases = [
        (["davaraz", "sty"], ["style", "styles"]),
        (["davaraz", "style", ""], ["add", "delete", "rename", "set"]),
        (["davaraz", "styles", ""], ["a.ctb", "b.STB", "sub"]),
        (["davaraz", "styles", "a.ctb", "--"], ["--csv", "--json", "--out-dir"]),
        (["davaraz", "ctb", "import", ""], ["c.json", "d.csv", "sub"]),
        (["davaraz", "style", "set", "a.ctb", "0", ""], settable),
        (["davaraz", "devmode", "Studio"], ["Studio\\ Photo\\ Printer"]),
        (["davaraz", "help", "di"], ["diff"]),
        (["davaraz", "pc3", "set", "a.pc3", "co"], ["color=", "copies="]),
    ]
    for words, want in cases:
        got = complete(words, work)
        if got != sorted(want):
            faults.append(f"completing {words}: {got}, expected {sorted(want)}")

for f in faults:
    print(f[:400])
sys.exit(1 if faults else 0)
