#!/bin/sh
# Installs the Debian packages that building, running and testing need,
# and only those that are missing, so a second run is quick; generates the
# Russian locale the tests run under.
set -e
packages="cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libtbb-dev
libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
libocct-data-exchange-dev libocct-ocaf-dev libocct-visualization-dev
libdxflib-dev libgtest-dev libbenchmark-dev xvfb xauth fonts-liberation fonts-urw-base35 locales"
missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU\.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
