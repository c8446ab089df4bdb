#!/usr/bin/env bash
# Debian 12 packages for building, testing and running the program.
set -euo pipefail
paquetes=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
    libqt6webenginecore6-bin libgl-dev libsqlite3-dev sqlite3 googletest libgtest-dev
    unixodbc unixodbc-dev tdsodbc libsqliteodbc
    xvfb xauth fonts-dejavu-core fonts-liberation qt6-translations-l10n poppler-utils
)
faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
    sudo_=""
    [ "$(id -u)" -eq 0 ] || sudo_="sudo"
    $sudo_ apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y --no-install-recommends "${faltan[@]}"
fi
# Database servers are reached through the driver manager: the FreeTDS driver must be known
# to it under the name the program asks for.
if ! odbcinst -q -d -n FreeTDS >/dev/null 2>&1; then
    sudo_=""
    [ "$(id -u)" -eq 0 ] || sudo_="sudo"
    printf '[FreeTDS]\nDescription=FreeTDS\nDriver=%s\n' \
        "$(dpkg -L tdsodbc | grep -m1 '/libtdsodbc\.so$')" >/tmp/freetds-odbcinst.ini
    $sudo_ odbcinst -i -d -f /tmp/freetds-odbcinst.ini
fi
