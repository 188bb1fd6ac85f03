# Debian packages the build, the tests and the program need, and the one
# function that installs whichever are missing. Sourced by run.sh and test.sh.

KY_RUN_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libcairo2-dev libpango1.0-dev libfontconfig-dev libpng-dev
  fonts-arphic-uming fonts-arphic-ukai
)

KY_TEST_PACKAGES=(
  "${KY_RUN_PACKAGES[@]}"
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth xdotool imagemagick
  # libFuzzer targets (built only by a clang configuration, see tests/context)
  clang libclang-rt-14-dev
)
# The real-window checks read their screenshots with a small Python script.
KY_TEST_PACKAGES+=(python3)
# The desktop clipboard checks paste with xclip; the .deb checks validate
# its menu entry and metainfo and run lintian on it.
KY_TEST_PACKAGES+=(xclip desktop-file-utils appstream lintian)
# bench/startup.sh watches the screen for the first frame through DAMAGE.
KY_TEST_PACKAGES+=(libxdamage-dev)

# ky_install_missing <package>...: silent when everything is present.
ky_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Run this as root, then try again:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
