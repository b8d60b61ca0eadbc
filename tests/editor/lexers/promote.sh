#!/bin/sh
# Token dump references of the colouring lexers.
#
#   promote.sh [TOOL]           run the tool over every input; where the output differs from the
#                               reference (or no reference exists) write it beside it as .ref.new
#   promote.sh --accept [TOOL]  after reading the .ref.new files: make them the references
#
# TOOL defaults to $WERTAN_LEX, else build/bin/wertan-lex of the repository.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)

accept=0
if [ "${1:-}" = "--accept" ]; then
    accept=1
    shift
fi
tool=${1:-${WERTAN_LEX:-$root/build/bin/wertan-lex}}

if [ "$accept" = 1 ]; then
    found=0
    for new in "$here"/reference/*/*.ref.new; do
        [ -e "$new" ] || continue
        mv "$new" "${new%.new}"
        echo "promoted ${new#$here/}"
        found=1
    done
    [ "$found" = 1 ] || echo "nothing to promote"
    exit 0
fi

if [ ! -x "$tool" ]; then
    echo "promote.sh: no token dump tool at $tool (build wertan-lex or pass its path)" >&2
    exit 2
fi

status=0
for dir in "$here"/input/*/; do
    lang=$(basename "$dir")
    mkdir -p "$here/reference/$lang"
    for input in "$dir"*; do
        [ -f "$input" ] || continue
        name=$(basename "$input")
        ref="$here/reference/$lang/$name.ref"
        tmp="$ref.new"
        "$tool" "$lang" "$input" > "$tmp"
        if [ -f "$ref" ] && cmp -s "$tmp" "$ref"; then
            rm -f "$tmp"
        else
            if [ -f "$ref" ]; then
                echo "differs: ${ref#$here/} (new output in ${tmp#$here/})"
            else
                echo "new:     ${tmp#$here/}"
            fi
            status=1
        fi
    done
done
[ "$status" = 0 ] && echo "all references match"
exit $status
