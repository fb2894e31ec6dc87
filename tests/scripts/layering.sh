#!/usr/bin/env bash
# Each layer includes only what it may use: the engine, the reports and every portable folder
# build without <windows.h>, and the control kit depends on nothing above it.
# Usage: layering.sh SRC_DIR BUILD_DIR
set -uo pipefail
cd "$1" || exit 1
fails=0

# allow FOLDER LAYER...: the project headers that the folder's own files include (not those
# of its subfolders) lie directly in one of the layers' folders.
allow() {
  local folder=$1; shift
  local layers; layers=$(IFS='|'; echo "$*")
  local line
  while IFS= read -r line; do
    echo "layering: $line" >&2
    fails=1
  done < <(grep -HnE '^#include "' "$folder"/*.cpp "$folder"/*.h 2>/dev/null |
           grep -vE "#include \"($layers)/[^/]+\"")
}

# no_windows FOLDER...: no file of the folders includes a Windows header.
no_windows() {
  local line
  while IFS= read -r line; do
    echo "layering: Windows header in $line" >&2
    fails=1
  done < <(for folder in "$@"; do
             grep -HnE '^#include <(windows|oaidl|oleauto|objbase|winuser|wingdi)\.h>' \
               "$folder"/*.cpp "$folder"/*.h 2>/dev/null
           done)
}

allow engine engine platform
allow reports engine platform reports
allow reports/posix reports
allow reports/win32 platform platform/win32 reports resources
allow platform platform
allow platform/posix platform
allow platform/win32 platform platform/win32
allow ui/controls/portable ui/controls/portable
allow ui/controls platform platform/win32 ui/controls ui/controls/portable
allow ui/status/portable engine platform ui/controls/portable ui/status/portable
allow ui/status engine platform platform/win32 resources ui/controls ui/controls/portable \
  ui/status ui/status/portable
no_windows engine reports reports/posix platform platform/posix ui/controls/portable \
  ui/status/portable

exit $fails
