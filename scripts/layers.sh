#!/usr/bin/env bash
# The program's layers, from the bottom up, and what each may use: the
# project folders it may include and link, and the Qt modules. A folder
# uses only what is below it; the table is the one place the rule lives.
#   scripts/layers.sh --check   lists every include and link that breaks it
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# folder       | project folders it may use                          | Qt modules
read -r -d '' table <<'TABLE' || true
files          |                                                     | Core
ini            | files                                               | Core
sheet          | ini files                                           | Core Concurrent
lists          | ini files                                           | Core
composition    | sheet ini files                                     | Core Gui
document       | composition sheet ini files                         | Core Gui
printrun       | document composition sheet ini files                | Core Gui
commandline    | printrun document composition sheet ini files       | Core Gui PrintSupport
frontend       | composition files                                   | Core Gui Widgets PrintSupport
printing       | frontend printrun document composition sheet ini files | Core Gui Widgets PrintSupport
editing        | frontend document composition sheet ini files       | Core Gui Widgets
mainwindow     | editing printing frontend printrun document lists composition sheet ini files | Core Gui Widgets PrintSupport Concurrent
app            | mainwindow editing frontend commandline files       | Core Gui Widgets
TABLE

[ "${1:-}" = --check ] || { echo "usage: $0 --check" >&2; exit 2; }

declare -A uses modules
folders=()
while IFS='|' read -r folder use qt; do
  folder=$(echo $folder)
  [ -n "$folder" ] || continue
  folders+=("$folder")
  uses[$folder]=" $(echo $use) "
  modules[$folder]=" $(echo $qt) "
done <<<"$table"

qt_headers=$(find /usr/include -maxdepth 3 -type d -name QtCore -print -quit)
qt_headers=${qt_headers%/QtCore}
# Every Qt header's module, from the folders Qt installs its headers in.
declare -A module_of
while IFS= read -r header; do
  dir=${header%/*}
  module_of[${header##*/}]=${dir##*/Qt}
done < <(find "$qt_headers" -mindepth 2 -maxdepth 2 -path "$qt_headers/Qt*/Q*")
qt_module() { # header (QFoo or QtFoo/QFoo), into $module
  local header=$1
  if [[ $header == Qt*/* ]]; then
    header=${header%%/*}
    module=${header#Qt}
  else
    module=${module_of[$header]:-}
  fi
}

broken=0
complain() {
  echo "$1" >&2
  broken=1
}

for folder in "${folders[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r file; do
    while IFS= read -r line; do
      if [[ $line =~ ^#include\ \"([a-z]+)/ ]]; then
        other=${BASH_REMATCH[1]}
        [ "$other" = "$folder" ] || [[ ${uses[$folder]} == *" $other "* ]] ||
          complain "$file: includes ${line#\#include } ($folder may use:${uses[$folder]})"
      elif [[ $line =~ ^#include\ \<(Q[A-Za-z0-9/]+)\> ]]; then
        qt_module "${BASH_REMATCH[1]}"
        [ -z "$module" ] || [[ ${modules[$folder]} == *" $module "* ]] ||
          complain "$file: includes ${line#\#include } from Qt $module ($folder may use Qt:${modules[$folder]})"
      fi
    done < <(grep -h '^#include' "$file")
  done < <(git ls-files "$folder/*.cpp" "$folder/*.h")

  links=$(sed -n '/target_link_libraries/,/)/p' "$folder/CMakeLists.txt" | tr -s ' ()\n' '\n')
  for link in $links; do
    case $link in
      Qt6::*)
        module=${link#Qt6::}
        [[ ${modules[$folder]} == *" $module "* ]] ||
          complain "$folder/CMakeLists.txt: links $link ($folder may use Qt:${modules[$folder]})" ;;
      *)
        [ -n "${uses[$link]+x}" ] || continue
        [ "$link" = "$folder" ] || [[ ${uses[$folder]} == *" $link "* ]] ||
          complain "$folder/CMakeLists.txt: links $link ($folder may use:${uses[$folder]})" ;;
    esac
  done
done
for dir in */; do
  dir=${dir%/}
  [ -f "$dir/CMakeLists.txt" ] && [ -n "$(git ls-files "$dir/*.cpp")" ] || continue
  case " ${folders[*]} tests bench resources " in
    *" $dir "*) ;;
    *) complain "$dir: a folder of code that the layer table does not name" ;;
  esac
done
exit $broken
