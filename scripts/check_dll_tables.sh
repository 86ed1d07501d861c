#!/usr/bin/env bash
# Checks a built Stats.dll: it exports exactly the names of plugin/exports.txt and imports
# system DLLs only (the C++ runtime, libgcc and winpthread must be linked in).
# Usage: check_dll_tables.sh <Stats.dll> <exports.txt> <objdump>
set -euo pipefail
dll=$1 list=$2 objdump=$3

dump=$("$objdump" -p "$dll")
expected=$(grep -v '^#' "$list" | awk 'NF {print $1}' | LC_ALL=C sort)
actual=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
         sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\] //p' | LC_ALL=C sort)
if [ "$expected" != "$actual" ]; then
  echo "export names differ from $list:"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
  exit 1
fi

allowed='^(KERNEL32|USER32|GDI32|OLE32|OLEAUT32|ADVAPI32|COMCTL32|COMDLG32|SHELL32|SHLWAPI|msvcrt|api-ms-win-crt-[a-z0-9-]+)\.dll$'
bad=0
while read -r name; do
  if ! printf '%s\n' "$name" | grep -Eiq "$allowed"; then
    echo "imports a non-system DLL: $name"
    bad=1
  fi
done < <(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ $bad -eq 0 ] || exit 1
echo "$(printf '%s\n' "$actual" | wc -l) exports, imports: $(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')"
