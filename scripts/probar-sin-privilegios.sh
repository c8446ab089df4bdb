#!/usr/bin/env bash
# Runs, as an unprivileged user, the tests that skip themselves under root, whose rights ignore
# file permissions: a read-only file, a folder without write permission, a page that cannot be
# rewritten. Only under root (anyone else runs them with the rest); the user is created when
# missing. A failure, or any of them skipped, fails the run.
#
#   scripts/probar-sin-privilegios.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exit 0
build=$(realpath "${1:-build}")
usuario=auditoria-pruebas
id -u "$usuario" >/dev/null 2>&1 || useradd -m "$usuario"

# Test program under the build folder, then the tests it runs here.
pruebas=(
    tests/test_platform_files
    "ArchivoRegistros.ArchivoDeSoloLecturaSeLeePeroNoSeEscribe:ArchivoTexto.CarpetaSinPermisoDeEscrituraDaError70"
    tests/test_audit
    "PaginaDiferencias.PaginaAnteriorNoQuedaALaVistaSiNoSePuedeReescribir"
)

# The user must reach the test programs and the schema they read: a folder above them that
# others cannot enter (a checkout under /root) is opened for search only, never for listing,
# from the top down, as a folder is reachable only once those above it are.
abrir_camino() {
    local carpeta=
    local parte
    IFS=/ read -ra partes <<<"${1#/}"
    for parte in "${partes[@]}"; do
        carpeta=$carpeta/$parte
        if ! runuser -u "$usuario" -- test -x "$carpeta"; then
            echo "Carpeta abierta a la búsqueda para $usuario: $carpeta"
            chmod o+x "$carpeta"
        fi
    done
}
abrir_camino "$build"
abrir_camino "$PWD/data"

temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
chown "$usuario" "$temporal"
for ((i = 0; i < ${#pruebas[@]}; i += 2)); do
    programa=$build/${pruebas[i]}
    filtro=${pruebas[i + 1]}
    cantidad=$(tr ':' '\n' <<<"$filtro" | wc -l)
    if ! salida=$(runuser -u "$usuario" -- env -i PATH=/usr/bin:/bin HOME="$temporal" \
        TMPDIR="$temporal" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
        "$programa" --gtest_filter="$filtro" 2>&1) ||
        ! grep -q "^\[  PASSED  \] $cantidad test" <<<"$salida" ||
        grep -q "^\[  SKIPPED \]" <<<"$salida"; then
        echo "$salida"
        echo "Sin privilegios, $filtro no pasó (o no corrió) en ${pruebas[i]}." >&2
        exit 1
    fi
    echo "Sin privilegios pasó $filtro (${pruebas[i]})."
done
