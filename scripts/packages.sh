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
  echo "Instalando paquetes: ${missing[*]}" >&2
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Runs a command as root: directly when root already, else through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Makes the named locale (for example es_ES.UTF-8) available when it is not.
ensure_locale() {
  local name=$1 normalized
  normalized=$(echo "$name" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  if ! locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$normalized"; then
    as_root localedef -i "${name%%.*}" -f UTF-8 "$name"
  fi
}

# What building and running the program needs (python3-dbf: the SOLUC of the
# example school).
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config libicu-dev
                qt6-base-dev qt6-translations-l10n libxcb1-dev libchm-dev fp-utils
                python3 python3-dbf)
# What the tests need on top of that.
TEST_PACKAGES=(googletest libgtest-dev python3 python3-dbfread python3-dbf locales
               xvfb xauth x11-utils xdotool imagemagick)
