# Installs the Debian packages the build needs (sourced by run.sh and test.sh),
# and those named in PACCHETTI_IN_PIU.
# When every one is already installed nothing is done, so that a second start
# needs neither root nor the network.
PACCHETTI="g++ cmake ninja-build git qt6-base-dev libgl1-mesa-dev fonts-dejavu-core
  libgtest-dev libbenchmark-dev qt6-translations-l10n ${PACCHETTI_IN_PIU:-}"
MANCANTI=""
for p in $PACCHETTI; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MANCANTI="$MANCANTI $p"
done
if [ -n "$MANCANTI" ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  # shellcheck disable=SC2086
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $MANCANTI
fi
