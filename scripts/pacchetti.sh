# Installs the Debian packages the build needs (sourced by run.sh and test.sh).
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  g++ cmake ninja-build git qt6-base-dev libgl1-mesa-dev fonts-dejavu-core \
  libgtest-dev libbenchmark-dev "$@"
