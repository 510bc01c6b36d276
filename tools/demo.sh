#!/usr/bin/env bash
# Sets up, builds and runs the installer on its example bundle.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"

# The example bundle runs headless: no window, the actions below stand for
# the user, and everything the installer shows is written to a transcript.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/volume"
cat > "$work/script" <<'ACTIONS'
# Open the About box and close it again.
command 1
command 4
# Read the welcome panel, then press Next.
click 1051
ACTIONS

echo "== Running build/Installer.app headless with these actions:"
grep -v '^#' "$work/script"
env -u DISPLAY -u WAYLAND_DISPLAY \
    PLATFORM_UI=headless PLATFORM_ROOT="$work/volume" PLATFORM_SYSTEM_VERSION=10.2.8 \
    PLATFORM_SCRIPT="$work/script" PLATFORM_TRANSCRIPT="$work/transcript" \
    build/Installer.app/Contents/MacOS/Installer
echo
echo "== What the installer showed (transcript, process id removed):"
cut -d' ' -f2- "$work/transcript"
echo
echo "== The installer's log file:"
cat "$work/volume/DSL Installer Log File"
