#!/usr/bin/env bash
# Checks the built LV2 bundle's description files with lv2_validate (lv2-dev, sordi) against the
# installed LV2 schemas. Fails on any error except the known ones listed below, which come from
# the fixed Turtle that JUCE's LV2 client writes and which no plug-in metadata can change; those
# and all warnings are printed. Builds nothing: run after the plug-in build.
#   scripts/lv2-validate.sh [BUNDLE]   (default $CRENZEL_BUILD_DIR/Crenzel_artefacts/Release/LV2/Crenzel.lv2)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${CRENZEL_BUILD_DIR:-build}
bundle=${1:-$build_dir/Crenzel_artefacts/Release/LV2/Crenzel.lv2}
if [[ ! -f $bundle/manifest.ttl ]]; then
    echo "lv2-validate: no bundle at $bundle (build Crenzel_LV2 first)" >&2
    exit 2
fi
command -v lv2_validate >/dev/null || {
    echo "lv2-validate: lv2_validate missing (packages lv2-dev and sordi)" >&2
    exit 2
}
uri=$(grep -m1 -o 'https://[^>]*' "$bundle/manifest.ttl")
shopt -s nullglob
files=("$bundle"/*.ttl)

log=$(mktemp)
trap 'rm -f "$log"' EXIT
set +e
lv2_validate "${files[@]}" >"$log" 2>&1
rc=$?
set -e
# rc 1 is "errors found"; anything else is the validator failing.
if ((rc > 1)); then
    cat "$log" >&2
    echo "lv2-validate: lv2_validate failed (exit $rc)" >&2
    exit 1
fi

# Each report is a "error:"/"warning:" line followed by indented subject, predicate and object.
awk -v uri="$uri" -v rc="$rc" '
function known(msg, s, p, o) {
    # lv2core 1.18 no longer makes lv2:Plugin a doap:Project; JUCE still puts doap:maintainer
    # and doap:release on the plug-in.
    if (msg ~ /^Subject not in domain <http:\/\/usefulinc.com\/ns\/doap#Project>/ && s == uri &&
        (p ~ /doap#maintainer$/ || p ~ /doap#release$/))
        return "JUCE: doap:maintainer/doap:release on an lv2:Plugin"
    # JUCE lists the ui:noUserResize feature among the UI extension data and the options
    # interface (extension data) among its optional features.
    if (msg ~ /^Object not in range <http:\/\/lv2plug.in\/ns\/lv2core#ExtensionData>/ &&
        s == uri ":UI" && o ~ /ui#noUserResize$/)
        return "JUCE: ui:noUserResize given as UI extension data"
    if (msg ~ /^Object not in range <http:\/\/lv2plug.in\/ns\/lv2core#Feature>/ &&
        s == uri ":UI" && o ~ /options#interface$/)
        return "JUCE: opts:interface given as a UI feature"
    # JUCE marks discrete parameters (patch properties, not ports) with lv2:portProperty.
    if (msg ~ /^Subject not in domain <http:\/\/lv2plug.in\/ns\/lv2core#Port>/ &&
        index(s, uri ":") == 1 && p ~ /lv2core#portProperty$/)
        return "JUCE: lv2:portProperty on a discrete lv2:Parameter"
    # The presets restore JUCE'"'"'s program property, which JUCE never declares.
    if ((msg ~ /^Use of undefined property/ || msg ~ /^Property <[^>]*> has no label/) &&
        p == uri ":Program")
        return "JUCE: undeclared preset state property " uri ":Program"
    return ""
}
function flush(   why) {
    if (kind == "")
        return
    why = (kind == "error") ? known(msg, f[1], f[2], f[3]) : ""
    if (kind == "warning")
        warnings[msg " " f[1] " " f[2] " " f[3]] = 1
    else if (why != "")
        accepted[why]++
    else {
        printf "lv2-validate: error: %s\n    %s\n    %s\n    %s\n", msg, f[1], f[2], f[3]
        ++bad
    }
    ++total
    kind = ""
}
{ gsub(/\033\[[0-9;]*m/, "") }
/^(error|warning): / {
    flush()
    kind = substr($0, 1, index($0, ":") - 1)
    msg = substr($0, length(kind) + 3)
    n = 0
    delete f
    next
}
/^[ \t]+[^ \t]/ && kind != "" { sub(/^[ \t]+/, ""); f[++n] = $0; next }
/^[ \t]*$/ { next }
{ flush(); other[++nother] = $0 }
END {
    flush()
    for (w in warnings)
        print "lv2-validate: warning: " w
    for (why in accepted)
        printf "lv2-validate: known (%d): %s\n", accepted[why], why
    if (rc == 1 && total == 0) {
        for (i = 1; i <= nother; ++i)
            print other[i]
        print "lv2-validate: lv2_validate reported errors in a form this script does not read"
        exit 1
    }
    if (bad > 0) {
        printf "lv2-validate: FAILED, %d error(s) beyond the known ones\n", bad
        exit 1
    }
    printf "lv2-validate: %d file(s) pass (%d report(s), all known or warnings)\n", nfiles, total
}' nfiles="${#files[@]}" "$log"
