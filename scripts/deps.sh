# Debian 12 packages Vak needs to build, test and run; sourced by the other scripts.
VAK_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-translations-l10n
  xdg-utils shared-mime-info desktop-file-utils xvfb xauth fonts-dejavu-core
  fonts-liberation poppler-utils
  clang-14 libclang-rt-14-dev
  qt6-base-private-dev                                       # window tests switch accessibility on
  at-spi2-core python3-pyatspi dbus-daemon dbus-bin xdotool  # Vak read over AT-SPI
)

# Installs the packages of VAK_PACKAGES that are not installed yet.
vak_install_missing() {
  vak_install_packages "${VAK_PACKAGES[@]}"
}

# Installs those of the given packages that are not installed yet.
vak_install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
