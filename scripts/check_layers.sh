#!/usr/bin/env bash
# Fails when a layer includes a layer above it, or when Qt appears outside
# the window's folders. The layers run one way:
#   {files, calendar} <- {holidays, compose} <- lists <- export <- {ui, app, cli}
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
status=0

forbid() {  # folder, then the include prefixes it must not use
  local folder=$1; shift
  for prefix in "$@"; do
    if grep -rnE "#include [\"<]${prefix}" "$root/$folder" 2>/dev/null; then
      echo "layers: $folder must not include ${prefix}" >&2
      status=1
    fi
  done
}

forbid src/files calendar/ holidays/ compose/ lists/ export/ ui/ cli/ Q
forbid src/calendar files/ holidays/ compose/ lists/ export/ ui/ cli/ Q
forbid src/holidays files/ compose/ lists/ export/ ui/ cli/ Q
forbid src/compose files/ holidays/ lists/ export/ ui/ cli/ Q
forbid src/lists export/ ui/ cli/ Q
forbid src/export ui/ cli/ Q
forbid cli ui/ app/ Q
forbid tests/files calendar/ holidays/ compose/ lists/ export/ ui/ cli/ Q
forbid tests/calendar files/ holidays/ compose/ lists/ export/ ui/ cli/ Q
forbid tests/holidays files/ compose/ lists/ export/ ui/ cli/ Q
forbid tests/compose files/ holidays/ lists/ export/ ui/ cli/ Q
forbid tests/lists export/ ui/ cli/ Q
forbid tests/export ui/ cli/ Q
forbid tests/cli ui/ Q
[ $status -eq 0 ] && echo "layers: every include runs downwards"
exit $status
