# Shared by scripts/vesk and scripts/test: the Debian packages the program
# needs to build, run and test, installed when any of them is missing.
# Packages are installed without what they only recommend, so a recommended
# package that a tool needs is named here: fonts-urw-base35 for libwmf's
# wmf2svg, which the tests use to read the chart's metafiles back (it fails
# without any font).
VESK_PACKAGES=(
  cmake g++ make ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  poppler-utils libwmf-bin fonts-urw-base35 locales
)

vesk_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

vesk_install_packages() {
  local missing=()
  local p
  for p in "${VESK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

vesk_build() {  # vesk_build BUILD_DIR [cmake options...]
  local dir="$1"; shift
  cmake -S "$(vesk_root)" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
