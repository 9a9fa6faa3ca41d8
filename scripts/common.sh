# Shared steps of scripts/play, scripts/test and scripts/fuzz; sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Everything the build, the tests and the content generator need on Debian 12.
PACKAGES=(
  g++ cmake pkg-config
  libsdl2-dev libpng-dev libjpeg-dev zlib1g-dev libvorbis-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core
  xvfb xauth imagemagick
  clang libclang-rt-14-dev
  libsdl2-tests
)

step() { printf '\n== %s\n' "$*"; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

# Installs the packages that are missing; does nothing (quickly) when all are there.
install_packages() {
  local missing=() package
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  step "Installing ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# configure DIR [CMAKE OPTION]...: configures once; later builds re-run CMake themselves when
# a CMakeLists.txt changes.
configure() {
  local dir="$1"
  shift
  if [ ! -f "$ROOT/$dir/CMakeCache.txt" ]; then
    step "Configuring $dir"
    cmake -S "$ROOT" -B "$ROOT/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
}

# The targets that make the playable game: the program and its data folders.
game_targets() {
  cmake --build "$ROOT/build" --target help | sed -n 's/^\.\.\. \(plotstead\|content_[a-z_]*\)$/\1/p'
}
