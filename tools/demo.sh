#!/usr/bin/env bash
# Sets up, builds and runs the installer on its example bundle: the whole
# installation road and then the whole removal road, on a fresh emulated
# Mac OS X volume in a temporary folder. Without a display it runs headless;
# with one, the real window shows each panel as the script goes through it.
# The actions below stand for the user; every relaunched process goes on
# with the rest of the script. DEMO_SYSTEM_VERSION=9.2.2 emulates Mac OS 9.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
volume=$work/volume
version=${DEMO_SYSTEM_VERSION:-10.2.8}
if [[ $version == 9.* ]]; then
  mkdir -p "$volume/Applications" "$volume/System Folder/Extensions/Modem Scripts" "$volume/System Folder/Preferences"
else
  mkdir -p "$volume/Applications" "$volume/System/Library/Extensions" "$volume/Library/Modem Scripts" \
           "$volume/Library/Preferences"
fi
cp -a build/Installer.app "$volume/"

export PLATFORM_ROOT=$volume PLATFORM_SYSTEM_VERSION=$version PLATFORM_AUTH=grant \
       PLATFORM_SCRIPT=$work/script PLATFORM_TRANSCRIPT=$work/transcript \
       PLATFORM_RESTART_COMMAND="echo '   (the computer would restart now)'"

volume_processes_running() {
  local process
  for process in /proc/[0-9]*; do
    [[ $(readlink "$process/exe" 2>/dev/null) == "$volume/"* ]] && return 0
  done
  return 1
}

# Runs a program of the volume and waits for every process it relaunched.
run_road() {
  : >"$work/transcript"
  "$1" || true
  while volume_processes_running; do sleep 0.1; done
}

# What a person saw: the title of every panel, and what happened between.
show_road() {
  sed -nE -e 's/^([0-9]+) text 1003 "(.*)"$/   [process \1] panel: \2/p' \
          -e 's/^([0-9]+) alert "(.*)"$/   [process \1] message: \2/p' \
          -e 's/^([0-9]+) exec "([^"]*)" (.*)$/   [process \1] starts with administrator rights: \2 \3/p' \
          -e 's/^([0-9]+) appleevent (.*)$/   [process \1] Apple event: \2/p' "$work/transcript" |
    sed "s|$volume|<volume>|g"
}

show_volume() {
  (cd "$volume" && find . -path ./Installer.app -prune -o -path ./private -prune -o -print | sed 's|^\./||' |
     grep -v '^\.$' | grep -v '^DSL Installer Log File$' | sort | sed 's/^/   /')
}

echo
echo "== Installation road: welcome, licence, installation, restart choice"
printf 'click 1051\nclick 1051\nclick 1051\n' >"$work/script"
run_road "$volume/Installer.app/Contents/MacOS/Installer"
show_road
echo "-- The volume after the installation:"
show_volume

echo
echo "== Removal road: the installed uninstaller, confirmation, removal"
uninstaller=$(find "$volume/Applications" -path '*/Uninstall*.app/Contents/MacOS*/*' -type f | head -n1)
printf 'click 1051\nclick 1051\n' >"$work/script"
run_road "$uninstaller"
show_road
echo "-- The volume after the removal:"
show_volume

echo
echo "== The installer's log file (both roads):"
sed -e 's/^/   /' -e "s|$volume|<volume>|g" "$volume/DSL Installer Log File"
