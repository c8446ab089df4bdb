#!/usr/bin/env bash
# Installs what the program needs, builds it, makes the demo database and starts the program
# connected to it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what this script runs: the tests and benchmarks are scripts/probar.sh's to build.
cmake --build build --target auditoria crear_base

carpeta="${XDG_DATA_HOME:-$HOME/.local/share}/auditoria"
mkdir -p "$carpeta"
base="$carpeta/demo.db"
# Changes made in the demo are kept between runs; the database is made again when it is
# missing or older than its scripts (delete the file to start over).
if [ ! -f "$base" ] || [ data/schema.sql -nt "$base" ] || [ data/demo.sql -nt "$base" ]; then
    rm -f "$base"
    build/tools/crear_base "$base" data/schema.sql data/demo.sql
fi

# The web engine refuses to start as root unless its sandbox is off.
export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/auditoria "@Server=SQLITE;@DbName=$base;@Usuario=demo;@Password=;@UsuarioLogeado=demo;@Caja=1;"
