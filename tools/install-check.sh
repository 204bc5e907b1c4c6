#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what arrives:
# every file in its place, the launcher and the metainfo through their
# validators, the MIME package and the manual page, the installed program's
# answers (--version, --eval; --help names the help file it found, for an
# install the XDG data folders list, one they do not, and a copy of the
# program elsewhere),
# a start of the installed program on the offscreen platform, and that the
# install manifest removes everything again.
# Usage: tools/install-check.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

work=$(mktemp -d)
prefix=$work/prefix
manifest=$build/install_manifest.txt
# The build's own manifest may record a real install (the uninstall list):
# keep it through this check.
[ -f "$manifest" ] && cp "$manifest" "$work/manifest.kept"
restore() {
  if [ -f "$work/manifest.kept" ]; then cp "$work/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap restore EXIT

status=0
fail() { echo "install-check: FAILED: $*" >&2; status=1; }
pass() { echo "install-check: ok: $*"; }

cmake --install "$build" --prefix "$prefix" >/dev/null
cp "$manifest" "$work/manifest"
share=$prefix/share

# ---- The files -------------------------------------------------------------
desktops=("$share"/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || { fail "expected one launcher, found: ${desktops[*]}"; exit 1; }
desktop=${desktops[0]}
id=$(basename "$desktop" .desktop)
metainfo=$share/metainfo/$id.metainfo.xml
for f in bin/mezura share/mezura/mezura.hlp share/man/man1/mezura.1 "share/metainfo/$id.metainfo.xml" \
         "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
[ -x "$prefix/bin/mezura" ] || fail "bin/mezura is not executable"
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -f "$png" ]; then fail "no ${size}x${size} icon"; continue; fi
  # A PNG's width and height are the 4-byte numbers at offsets 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w $h" = "$size $size" ] || fail "$png is ${w}x${h}, not ${size}x${size}"
done
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the launcher's Icon= is not $id"
read -r program argument < <(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/$program" ] && [ "$argument" = "%f" ] || fail "the launcher's Exec= is not 'mezura %f'"
pass "files in place ($(grep -c "" "$work/manifest") installed)"

# ---- Validators ------------------------------------------------------------
desktop-file-validate "$desktop" && pass "desktop-file-validate" || fail "desktop-file-validate"
# Errors fail; warnings and notes are shown and allowed.
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || true
echo "$report" | sed 's/^/  appstreamcli: /'
if echo "$report" | grep -q '^E:'; then fail "appstreamcli validate"; else pass "appstreamcli validate"; fi
newest=$(xmllint --xpath 'string(//releases/release[1]/@version)' "$metainfo")
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest; the project is $version (add a release entry)"
xmllint --noout "$share/icons/hicolor/scalable/apps/$id.svg" "$share/mime/packages/$id.xml" || fail "xmllint"
# The MIME package compiles (into a copy, so the prefix holds only installed files).
mkdir -p "$work/mime/packages" && cp "$share/mime/packages/$id.xml" "$work/mime/packages/"
mime=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1) && [ -z "$mime" ] || fail "update-mime-database: $mime"
grep -q 'application/x-mezura-memory' "$work/mime/globs2" || fail "*.mem is not in the compiled MIME globs"
man=$(groff -man -ww -z "$share/man/man1/mezura.1" 2>&1) && [ -z "$man" ] || fail "groff on mezura.1: $man"
pass "MIME package, SVG and manual page"

# ---- The installed program -------------------------------------------------
mkdir -p "$work/home" "$work/elsewhere"
cp "$prefix/bin/mezura" "$work/elsewhere/"
run() {  # run XDG_DATA_DIRS PROGRAM ARGS...: a clean environment with no display
  local dirs=$1; shift
  env -i HOME="$work/home" PATH=/usr/bin:/bin XDG_DATA_DIRS="$dirs" "$@"
}
[ "$(run "$share:/usr/share" "$prefix/bin/mezura" --version)" = "Mezura $version" ] || fail "mezura --version"
[ "$(run "$share:/usr/share" "$prefix/bin/mezura" --eval "5'3 1/2\" + 2'")" = " 7'- 3 1/2\"" ] || fail "mezura --eval"
expected="  $share/mezura/mezura.hlp"
for case in "listed|$share:/usr/share|$prefix/bin/mezura" \
            "not listed|/usr/share|$prefix/bin/mezura" \
            "copied elsewhere|$share:/usr/share|$work/elsewhere/mezura"; do
  IFS='|' read -r name dirs program <<< "$case"
  out=$(run "$dirs" "$program" --help) || fail "mezura --help ($name) exited non-zero"
  if echo "$out" | grep -qxF "$expected"; then pass "help found ($name)"
  else fail "mezura --help ($name) does not name $share/mezura/mezura.hlp:"; echo "$out" >&2; fi
done

# Started as the launcher would, the program must still be running when it is
# stopped: nothing missing at start (libraries, platform plugin), no crash.
rc=0
run "$share:/usr/share" env QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/mezura" \
  >"$work/start.out" 2>"$work/start.err" || rc=$?
if [ $rc -eq 124 ]; then pass "the installed program starts and keeps running"
else fail "the installed program ended with status $rc at start:"; cat "$work/start.err" >&2; fi

# ---- Uninstall -------------------------------------------------------------
xargs -d '\n' rm -f < "$work/manifest"
left=$(find "$prefix" -type f)
[ -z "$left" ] && pass "the install manifest removes every installed file" || fail "left after removing the manifest's files: $left"

[ $status -eq 0 ] && echo "install-check: all checks passed" || echo "install-check: some checks FAILED" >&2
exit $status
