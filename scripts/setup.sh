#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Quorvel
# need, where they are missing, and the Russian locale the locale tests use.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev fonts-liberation2
  clang libclang-rt-14-dev
  locales desktop-file-utils
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_if_needed apt-get update -qq
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  sudo_if_needed localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
