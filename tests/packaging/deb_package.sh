#!/bin/bash
# The Debian package: cpack makes sorvanta_VERSION_ARCH.deb, it holds exactly the files of
# the expected list, and lintian finds neither an error nor a warning in it (its notes are
# shown). A warning counts because the faults that matter here, such as a missing dependency
# on the libraries the program links, are only warnings to lintian.
# ARCH is the machine's own architecture unless given (a cross build).
# Usage: deb_package.sh CPACK CPACK_CONFIG VERSION EXPECTED_LIST [ARCH]
set -uo pipefail
[ $# -ge 4 ] || { echo "usage: $0 CPACK CPACK_CONFIG VERSION EXPECTED_LIST [ARCH]"; exit 2; }
cpack=$1 config=$2 version=$3 expected=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $1"; exit 1; }
for tool in dpkg dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || fail "$tool is missing (Debian: dpkg-dev, lintian)"
done
arch=${5:-$(dpkg --print-architecture)}

"$cpack" --config "$config" -G DEB -B "$work" >"$work/log" 2>&1 || {
  sed 's/^/  cpack| /' "$work/log"
  fail "cpack -G DEB"
}
deb="$work/sorvanta_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(cd "$work" && ls ./*.deb)"

dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}' | sed 's|^\./||' | LC_ALL=C sort >"$work/files"
LC_ALL=C sort "$expected" >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package's files are not those of $expected"

lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges' \
  >"$work/lintian"
status=${PIPESTATUS[0]}
sed 's/^/  lintian| /' "$work/lintian"
[ "$status" = 0 ] || fail "lintian reports errors or warnings (status $status)"
echo "PASS: $(basename "$deb"), $(wc -l <"$work/files") files; Depends: $(dpkg-deb -f "$deb" Depends)"
