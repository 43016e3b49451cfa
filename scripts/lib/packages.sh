# shellcheck shell=bash
# install_packages PURPOSE...: installs the Debian packages of scripts/packages/PURPOSE.list
# that are not installed yet, with apt-get (through sudo when not run as root), saying which
# before it does. An entry NAME:ARCH is a package of another architecture; dpkg is told about
# that architecture first. Where there is no dpkg (not Debian or Ubuntu) it only names them.

# The entries of the lists, each once.
package_list_entries() {
  local lists=$1 purpose
  shift
  for purpose in "$@"; do
    if [ ! -f "$lists/$purpose.list" ]; then
      echo "no package list $lists/$purpose.list" >&2
      return 2
    fi
  done
  for purpose in "$@"; do
    sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$lists/$purpose.list"
  done | awk '!seen[$0]++'
}

# Whether NAME (for this machine's architecture, or "all") or NAME:ARCH is installed.
package_installed() {
  local name=${1%%:*} arch=${1#*:}
  [ "$arch" != "$1" ] || arch="$(dpkg --print-architecture)|all"
  dpkg-query -W -f='${Architecture} ${db:Status-Status}\n' "$name" 2>/dev/null |
    grep -qE "^($arch) installed$"
}

install_packages() {
  local lists entries wanted=() missing=() sudo=() new_architectures=() package arch
  lists="$(cd "$(dirname "${BASH_SOURCE[0]}")/../packages" && pwd)"
  entries=$(package_list_entries "$lists" "$@") || return 2
  [ -n "$entries" ] || return 0
  mapfile -t wanted <<<"$entries"
  if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "No apt-get here: make sure these (Debian's names) are installed: ${wanted[*]}"
    return 0
  fi
  for package in "${wanted[@]}"; do
    package_installed "$package" || missing+=("$package")
  done
  ((${#missing[@]})) || return 0

  if [ "$(id -u)" != 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${missing[*]}; install them as root (apt-get install ...)." >&2
      return 1
    fi
    sudo=(sudo)
  fi
  for package in "${missing[@]}"; do
    arch=${package#*:}
    [ "$arch" != "$package" ] || continue
    [ "$arch" != "$(dpkg --print-architecture)" ] || continue
    dpkg --print-foreign-architectures | grep -qx "$arch" && continue
    [[ " ${new_architectures[*]} " == *" $arch "* ]] || new_architectures+=("$arch")
  done

  echo "Installing with apt-get${sudo[*]:+ (through sudo)}: ${missing[*]}"
  for arch in "${new_architectures[@]}"; do
    echo "Adding the architecture $arch to dpkg, for its packages"
    "${sudo[@]}" dpkg --add-architecture "$arch" || return 1
  done
  "${sudo[@]}" apt-get update -q || return 1
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}
