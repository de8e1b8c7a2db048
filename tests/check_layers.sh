#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, or when a file
# of the core includes a Qt header. The layers, lowest first:
#   model <- history <- files <- ui <- edit <- anim <- app <- qt (and main.cpp)
set -euo pipefail
src="${1:?usage: check_layers.sh SRC_DIR}"
layers=(model history files ui edit anim app qt)

rank() {
    local i
    for i in "${!layers[@]}"; do
        [[ "${layers[$i]}" == "$1" ]] && { echo "$i"; return; }
    done
    echo -1
}

local_include='#[[:space:]]*include[[:space:]]*"([a-z]+)/'
qt_include='#[[:space:]]*include[[:space:]]*<Q'
faults=0
while IFS= read -r file; do
    rel="${file#"$src"/}"
    layer="${rel%%/*}"
    [[ "$rel" == */* ]] || continue # main.cpp may include every layer
    own=$(rank "$layer")
    while IFS= read -r hit; do
        line="${hit%%:*}"
        text="${hit#*:}"
        if [[ "$text" =~ $local_include ]]; then
            target=$(rank "${BASH_REMATCH[1]}")
            if ((target > own)); then
                echo "$rel:$line: includes from ${BASH_REMATCH[1]}/, above $layer/: $text"
                faults=$((faults + 1))
            fi
        elif [[ "$layer" != qt && "$text" =~ $qt_include ]]; then
            echo "$rel:$line: a Qt header in the core: $text"
            faults=$((faults + 1))
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if ((faults > 0)); then
    echo "$faults include(s) point up"
    exit 1
fi
echo "every include points down"
