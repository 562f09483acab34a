# Installs the Debian packages given as arguments when any of them is missing.
# Works as root and through sudo; sourced by scripts/run and scripts/test.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
  echo "Instalando paquetes: ${missing[*]}" >&2
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config libicu-dev
                qt6-base-dev qt6-translations-l10n libchm-dev fp-utils)
# What the tests need on top of that.
TEST_PACKAGES=(googletest libgtest-dev python3 python3-dbfread python3-dbf
               xvfb xauth x11-utils xdotool imagemagick)
