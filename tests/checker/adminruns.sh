#!/bin/sh
# The checker as server admins run it, the program itself on real files: the cron, pre-commit and upload
# examples of docs/checking-classes.md run as written there (with the checker's and the server's paths put
# in place), the hook in a real git repository; JSON for awkward input through strict parsers and the
# documented schema; a report that cannot be written (a full disk) and one cut short by its reader (a closed
# pipe); the manual page.
# Usage: adminruns.sh CHECKER SOURCE_DIR MANPAGE
set -eu
checker=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source=$(cd "$2" && pwd)
manpage=$3
docs="$source/docs/checking-classes.md"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Debian's Python, which has the jsonschema module (python3-jsonschema), before any other on the PATH.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
for tool in git jq "$python"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

# class_file NAME [LINE...]: a class as the editor writes it, with the lines after its class line.
class_file() {
    name=$1
    shift
    printf '//Halcyx Character file for %s. Editing this file directly may result in server weight or point verification failure.\r\nset class "%s"\r\n' "$name" "$name"
    for line in "$@"; do printf '%s\r\n' "$line"; done
    printf '\r\n//Weapons and Equipment\r\n\r\n'
}
overspent="set proficiency1 pistol4
set proficiency2 submachinegun4
set proficiency3 shotgun4
set proficiency4 assaultrifle4"

# A server's game folder: its own settings naming its weapons file, models and classes beside them.
game="$work/srv/halcyx"
mkdir -p "$game/classes" "$game/models/trooper"
cp "$source/tests/support/standard-weapons.csv" "$game/weapons.csv"
printf '[Application]\r\nWeapons File Name=\\weapons.csv\r\nCharacter Path=\\classes\r\nModel Path=\\models\r\n' \
    >"$game/rostermaker.ini"
class_file Alpha >"$game/classes/Alpha.cfg"
class_file Beta "set proficiency1 pistol2" >"$game/classes/Beta.cfg"

# example NAME: the block of the documentation marked "<!-- tested: NAME -->", with the paths put in place.
example() {
    awk -v marker="<!-- tested: $1 -->" '
        $0 == marker { found = 1; next }
        found == 1 && /^```/ { found = 2; next }
        found == 2 && /^```/ { exit }
        found == 2 { print }' "$docs" |
        sed "s#/opt/rostermaker/rostermaker-check#$checker#g; s#/srv/halcyx#$game#g"
}

# --- cron: silent while all is sound, heard of when a class has an error or the folder is gone ---------
cron=$(example cron | grep -E '^[0-9*]' | sed -E 's/^([^ ]+ +){5}//')
[ -n "$cron" ] || fail "no cron line in the documentation"
status=0
sh -c "$cron" >"$work/mail" 2>&1 || status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/mail" ] || fail "cron on a sound folder: status $status, mail: $(cat "$work/mail")"
printf 'set equipment1 m203\r\n' >>"$game/classes/Beta.cfg"
status=0
sh -c "$cron" >"$work/mail" 2>&1 || status=$?
grep -q 'Beta.cfg:7: error: item "m203" is not in the weapons file: it is left out \[unknown-item\]$' "$work/mail" &&
    [ "$status" -eq 1 ] || fail "cron on a class with an error: status $status, mail: $(cat "$work/mail")"
class_file Beta "set proficiency1 pistol2" >"$game/classes/Beta.cfg"
mv "$game/classes" "$game/classes.moved"
status=0
sh -c "$cron" >"$work/mail" 2>&1 || status=$?
grep -q 'classes: error: No such file or directory \[no-such-file\]$' "$work/mail" && [ "$status" -eq 2 ] ||
    fail "cron on a folder gone: status $status, mail: $(cat "$work/mail")"
mv "$game/classes.moved" "$game/classes"

# --- pre-commit: a commit that adds, changes and deletes classes; what is staged is what is checked ----
repo="$work/repo"
git init -q "$repo"
cp -r "$game/rostermaker.ini" "$game/weapons.csv" "$game/classes" "$game/models" "$repo/"
commit() { git -C "$repo" -c user.name=Admin -c user.email=admin@example.org commit -q -m "$1" >"$work/hook" 2>&1; }
git -C "$repo" add -A && commit "Classes"
example pre-commit >"$repo/.git/hooks/pre-commit"
chmod +x "$repo/.git/hooks/pre-commit"
class_file Gamma >"$repo/classes/Gamma.cfg"
class_file Alpha "$overspent" | sed 's/\([^\r]\)$/\1\r/' >"$repo/classes/Alpha.cfg"
git -C "$repo" rm -q classes/Beta.cfg
git -C "$repo" add -A
class_file Alpha >"$repo/classes/Alpha.cfg" # mended in the work tree only: the staged file is committed
if commit "Gamma, Alpha stronger, no Beta"; then fail "the hook let an overspent class through"; fi
[ "$(cat "$work/hook")" = "classes/Alpha.cfg: error: 40 points spent of a budget of 30: 10 over [over-budget]" ] ||
    fail "the hook said: $(cat "$work/hook")"
git -C "$repo" add -A
commit "Gamma, no Beta" || fail "the hook refused sound classes: $(cat "$work/hook")"
[ ! -s "$work/hook" ] || fail "the hook was not silent: $(cat "$work/hook")"
git -C "$repo" rm -q classes/Gamma.cfg
commit "No Gamma" || fail "the hook refused a commit that deletes a class: $(cat "$work/hook")"

# --- upload: accepted, refused, or not checked ---------------------------------------------------------
example upload >"$work/accept-class"
mkdir "$work/uploads"
class_file Delta >"$work/uploads/Delta.cfg"
class_file Epsilon "$overspent" | sed 's/\([^\r]\)$/\1\r/' >"$work/uploads/Epsilon.cfg"
class_file Zeta "set tag hand-edited" >"$work/uploads/Zeta.cfg"
for case in Delta:0 Epsilon:1 Zeta:1 Missing:2; do
    name=${case%:*}
    status=0
    sh "$work/accept-class" "$work/uploads/$name.cfg" >"$work/upload" 2>&1 || status=$?
    [ "$status" -eq "${case#*:}" ] || fail "upload of $name: status $status: $(cat "$work/upload")"
done
[ -f "$game/classes/Delta.cfg" ] && [ -f "$work/uploads/Epsilon.cfg" ] || fail "the upload script moved the wrong classes"

# --- JSON, valid for any input: strict parsers and the schema ------------------------------------------
awkward="$work/awkward"
mkdir "$awkward"
class_file "$(printf 'Evil\033[2J')" "set callsign \"$(printf '\033]0;owned\007')\"" >"$awkward/$(printf 'Evil\033[2J').cfg"
printf '\377\376s\000e\000t\000 \000c\000a\000l\000l\000s\000i\000g\000n\000 \000x\000\000\330y\000\n\000' \
    >"$awkward/Broken.cfg"
class_file Lf | tr -d '\r' >"$awkward/Lf.cfg"
printf 'not a class\n' >"$awkward/notes.txt"
check_json() { # check_json NAME ARGUMENTS...: the document for these arguments, checked strictly
    name=$1
    shift
    "$checker" --json "$@" >"$work/$name.json" 2>/dev/null || true
    "$python" - "$work/$name.json" "$source/docs/checking-classes.schema.json" <<'EOF' || fail "JSON of $name"
import json, sys
import jsonschema

def refuse(what):
    raise ValueError(what)

def pairs(items):
    keys = [key for key, _ in items]
    if len(keys) != len(set(keys)):
        refuse("a key twice")
    return dict(items)

def strings(value):
    if isinstance(value, str):
        value.encode("utf-8", "strict")  # a lone surrogate fails here
    elif isinstance(value, dict):
        for key, item in value.items():
            strings(key)
            strings(item)
    elif isinstance(value, list):
        for item in value:
            strings(item)

with open(sys.argv[1], "rb") as report:
    document = json.loads(report.read().decode("utf-8", "strict"), strict=True,
                          object_pairs_hook=pairs, parse_constant=refuse)
strings(document)
with open(sys.argv[2], encoding="utf-8") as schema:
    jsonschema.Draft202012Validator(json.load(schema)).validate(document)
EOF
    jq -e . "$work/$name.json" >/dev/null || fail "jq refuses the JSON of $name"
}
settings="--settings=$game/rostermaker.ini"
check_json awkward "$settings" "$awkward" "$awkward/notes.txt" "$work/missing.cfg" "$work/uploads"
jq -e '.exitStatus == 2 and .totals.classes == 5 and (.paths | length) == 2
       and ([.classes[].findings[].text] | any(contains("\uFFFD")))' "$work/awkward.json" >/dev/null ||
    fail "the JSON of awkward input says otherwise: $(cat "$work/awkward.json")"
check_json no-weapons "$settings" --weapons "$work/none.csv"
check_json defaults "$game/classes"
check_json sound "$settings" "$game/classes"

# --- the report cannot be written, or is cut short -----------------------------------------------------
if [ -w /dev/full ]; then
    status=0
    "$checker" --json "$settings" "$game/classes" >/dev/full 2>"$work/full" || status=$?
    [ "$status" -eq 2 ] && grep -q '^rostermaker-check: error: cannot write the report: No space left on device$' \
        "$work/full" || fail "a full disk: status $status: $(cat "$work/full")"
fi
many="$work/many"
mkdir "$many"
i=0
while [ $i -lt 800 ]; do
    class_file "Class$i" "set tag $i" >"$many/Class$i.cfg"
    i=$((i + 1))
done
{
    status=0
    "$checker" "$settings" "$many" 2>"$work/pipe" || status=$?
    echo "$status" >"$work/pipe-status"
} | head -n 1 >/dev/null
[ "$(cat "$work/pipe-status")" -eq 141 ] && [ ! -s "$work/pipe" ] ||
    fail "a closed pipe: status $(cat "$work/pipe-status"), said: $(cat "$work/pipe")"

# --- the manual page ---------------------------------------------------------------------------------------
if command -v groff >/dev/null; then
    groff -man -ww -z "$manpage" 2>"$work/groff" && [ ! -s "$work/groff" ] || fail "groff: $(cat "$work/groff")"
    groff -man -Tascii "$manpage" 2>/dev/null | grep -q -- 'also --strict' || fail "the manual page lacks an option"
fi
echo "All admin runs passed."
