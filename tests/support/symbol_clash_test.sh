#!/usr/bin/env bash
# Fails when one executable's process loads two shared libraries that both
# export the same plain function or data name. The dynamic linker binds
# every call of such a name to whichever library it loaded first, so one
# library ends up calling the other's function (libwmflite and libuemf both
# export `wmf_free`, with different meanings).
#
# Only strong, unversioned definitions count (nm types T, D, B, R). Names
# with a symbol version (glibc's and libstdc++'s own, Qt's) are bound to
# their version and cannot be taken by another library, and weak ones
# (template instances, inline functions) are meant to be shared, and the
# linker's own markers (_end, _edata, ...) belong to each file alone.
# A clash that is known and harmless is named with --known REGEX, matched
# against "NAME: LIBRARY LIBRARY"; it is counted, not failed.
# Usage: symbol_clash_test.sh [--known REGEX]... EXECUTABLE...
set -euo pipefail

known=()
while [ "${1:-}" = --known ]; do
    known+=("$2")
    shift 2
done

# The exported names of each library, read once however many programs load it.
names=$(mktemp -d)
trap 'rm -rf "$names"' EXIT
exported_names() {  # LIBRARY: "NAME LIBRARY" lines
    local file
    file=$names/$(basename "$1")
    if [ ! -e "$file" ]; then
        nm -D --defined-only "$1" 2>/dev/null \
            | awk -v lib="$(basename "$1")" 'NF == 3 && $2 ~ /^[TDBR]$/ && $3 !~ /@/ \
                  && $3 !~ /^(__bss_start|_edata|_end|_init|_fini)$/ {print $3, lib}' >"$file"
    fi
    cat "$file"
}

status=0
for program in "$@"; do
    # The sanitizer runtimes of an instrumented build share their helpers
    # by design; they are not the program's libraries.
    mapfile -t libraries < <(ldd "$program" | awk '$2 == "=>" && $3 ~ /^\// && $1 !~ /^lib(a|ub|l|t)san\./ {print $3}' | sort -u)
    clashes=$(
        for library in "${libraries[@]}"; do exported_names "$library"; done | sort | awk '
            $1 == name { libs = libs " " $2; count++; next }
            { if (count > 1) print name ": " libs; name = $1; libs = $2; count = 1 }
            END { if (count > 1) print name ": " libs }'
    )
    accepted=0
    for pattern in "${known[@]}"; do
        if [ -n "$clashes" ]; then
            accepted=$((accepted + $(grep -cE "$pattern" <<<"$clashes" || true)))
            clashes=$(grep -vE "$pattern" <<<"$clashes" || true)
        fi
    done
    if [ -n "$clashes" ]; then
        echo "FAIL: $(basename "$program") loads libraries that export the same names:"
        sed 's/^/    /' <<<"$clashes" | head -n 40
        status=1
    else
        echo "ok: $(basename "$program"): ${#libraries[@]} libraries, no name exported twice" \
            "($accepted known)"
    fi
done
exit $status
