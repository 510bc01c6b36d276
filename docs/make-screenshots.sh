#!/usr/bin/env bash
# Takes the pictures in docs/screenshots: the example bundle on real windows
# (Qt's offscreen platform, no display needed), every panel of the
# installation and the removal road on both system generations, the About
# box, the install and remove error panels and an alert.
# Usage: docs/make-screenshots.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
mkdir -p "$out"

# A fresh emulated volume of one system generation with the bundle on it.
new_volume() {
  local volume=$work/$1
  rm -rf "$volume"
  if [[ $2 == 9.* ]]; then
    mkdir -p "$volume/Applications" "$volume/System Folder/Extensions/Modem Scripts" \
             "$volume/System Folder/Preferences" "$volume/System Folder/Control Panels"
  else
    mkdir -p "$volume/Applications" "$volume/System/Library/Extensions" "$volume/Library/Modem Scripts" \
             "$volume/Library/Preferences"
  fi
  cp -a "$build/Installer.app" "$volume/"
}

volume_processes_running() {
  local process
  for process in /proc/[0-9]*; do
    [[ $(readlink "$process/exe" 2>/dev/null) == "$1/"* ]] && return 0
  done
  return 1
}

# road NAME VOLUME VERSION SCRIPT PROGRAM [ARGUMENTS...]: runs the program
# and every process it relaunches, then keeps their pictures as NAME-*.png.
road() {
  local name=$1 volume=$work/$2 version=$3 script=$4 program=$5
  shift 5
  printf "$script" >"$work/script"
  rm -rf "$work/shots"
  env -u DISPLAY -u WAYLAND_DISPLAY PLATFORM_UI=qt QT_QPA_PLATFORM=offscreen PLATFORM_ROOT="$volume" \
      PLATFORM_SYSTEM_VERSION="$version" PLATFORM_AUTH=grant PLATFORM_SCRIPT="$work/script" \
      PLATFORM_SCREENSHOTS="$work/shots" PLATFORM_RESTART_COMMAND=true "$volume/$program" "$@" \
      >/dev/null 2>&1 || true
  while volume_processes_running "$volume"; do sleep 0.1; done
  local picture
  for picture in "$work"/shots/*.png; do
    cp "$picture" "$out/$name-$(basename "$picture")"
  done
  echo "$name: $(ls "$work/shots" | tr '\n' ' ')"
}

osx_uninstaller="Applications/DSL Modem/Uninstall DSL Modem.app/Contents/MacOS/Uninstall DSL Modem"
os9_uninstaller="Applications/DSL Modem/Uninstall DSL Modem.app/Contents/MacOSClassic/Uninstall DSL Modem"

new_volume osx 10.2.8
road install-macosx osx 10.2.8 'command 1\ncommand 4\nclick 1051\nclick 1051\nclick 1051\n' \
     Installer.app/Contents/MacOS/Installer
road remove-macosx osx 10.2.8 'click 1051\nclick 1051\nclick 1051\n' "$osx_uninstaller"

new_volume os9 9.2.2
road install-macos9 os9 9.2.2 'click 1051\nclick 1051\nclick 1051\n' Installer.app/Contents/MacOSClassic/Installer
road remove-macos9 os9 9.2.2 'click 1051\nclick 1051\nclick 1051\n' "$os9_uninstaller"

new_volume broken 10.2.8
sed -i 's/^DriverType = .*/DriverType = ISDN/' "$work/broken/Installer.app/Contents/InstallerFiles/Installer.ini"
rm "$work/broken/Installer.app/Contents/InstallerFiles/license.txt"
road install-error broken 10.2.8 'click 1051\nclick 1051\n' Installer.app/Contents/MacOS/Installer 2 INSTALL
road remove-error broken 10.2.8 'click 1051\n' Installer.app/Contents/MacOS/Installer 11 REMOVE
