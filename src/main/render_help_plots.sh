#!/usr/bin/env bash
# Makes the example documents of the help and draws their pictures with
# vgraph-cli, from a recipe file:
#   [NAME WIDTHxHEIGHT]   a document whose picture is pictures/NAME.png
#   [NAME]                a document only (for the screenshots)
# followed by vgraph-cli command lines in which DOC stands for the document;
# "save NAME.txt COMMAND ..." keeps the output of a command as
# DOCUMENT_DIR/NAME.txt.
# Usage: render_help_plots.sh VGRAPH_CLI RECIPES PICTURE_DIR DOCUMENT_DIR
set -euo pipefail

cli=$1 recipes=$2 pictures=$3 documents=$4
mkdir -p "$pictures" "$documents"

name="" size="" line_number=0

finish() {
    if [ -n "$name" ] && [ -n "$size" ]; then
        "$cli" render "$documents/$name.vgr" "$pictures/$name.png" --size "$size"
    fi
}

while IFS= read -r line || [ -n "$line" ]; do
    line_number=$((line_number + 1))
    case "$line" in
        ''|'#'*) continue ;;
    esac
    if [[ "$line" =~ ^\[([A-Za-z0-9_-]+)(\ ([0-9]+x[0-9]+))?\]$ ]]; then
        finish
        name=${BASH_REMATCH[1]}
        size=${BASH_REMATCH[3]}
        rm -f "$documents/$name.vgr"
        continue
    fi
    if [ -z "$name" ]; then
        echo "$recipes:$line_number: a command before the first [NAME]" >&2
        exit 1
    fi
    # The recipe lines are ours: let the shell split them, quotes and all.
    eval "args=($line)"
    for i in "${!args[@]}"; do
        [ "${args[$i]}" = DOC ] && args[$i]="$documents/$name.vgr"
    done
    output=/dev/null
    if [ "${args[0]}" = save ]; then
        output="$documents/${args[1]}"
        args=("${args[@]:2}")
    fi
    if ! "$cli" "${args[@]}" > "$output"; then
        echo "$recipes:$line_number: vgraph-cli ${args[*]} failed" >&2
        exit 1
    fi
done < "$recipes"
finish
