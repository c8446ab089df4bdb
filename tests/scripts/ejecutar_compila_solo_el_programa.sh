#!/usr/bin/env bash
# The run script builds what it runs (the program and the tool that makes the demo database)
# and nothing else: a bare "cmake --build" would build every test and benchmark first.
set -euo pipefail
guion="$1/scripts/ejecutar.sh"
mal=0
while read -r linea; do
    objetivos=$(sed -n 's/.*--target \(.*\)$/\1/p' <<<"$linea")
    if [ -z "$objetivos" ]; then
        echo "compila sin --target: $linea"
        mal=1
        continue
    fi
    for o in $objetivos; do
        case "$o" in
        auditoria | crear_base) ;;
        *) echo "compila un objetivo que no ejecuta: $o"; mal=1 ;;
        esac
    done
done < <(grep -E '^[^#]*cmake[[:space:]]+--build' "$guion")
grep -qE '^[^#]*cmake[[:space:]]+--build' "$guion" || { echo "no compila nada"; mal=1; }
exit $mal
