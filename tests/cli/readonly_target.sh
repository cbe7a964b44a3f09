#!/bin/sh
# A target file the user may not write is refused and stays as it was, even
# though its folder would let a new file replace it. Root may write anything,
# so as root the command runs as the unprivileged user nobody.
# The folder for the files comes from mktemp (TMPDIR), which nobody must reach.
set -eu
cli="$1"; component="$2"
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
chmod 777 "$dir"
# A copy of the program, so that nobody need not reach the build folder.
cp "$cli" "$dir/korvalt-cli"; chmod 755 "$dir/korvalt-cli"; cli="$dir/korvalt-cli"
cp "$component" "$dir/komponente.vhd"
printf 'architecture a of t is\r\nbegin\r\nend a;\r\n' > "$dir/ziel.vhd"
chmod 644 "$dir/komponente.vhd"; chmod 444 "$dir/ziel.vhd"
before=$(cat "$dir/ziel.vhd")
if [ "$(id -u)" -eq 0 ]; then
  set -- setpriv --reuid=65534 --regid=65534 --clear-groups "$cli"
else
  set -- "$cli"
fi
rc=0; "$@" insert "$dir/komponente.vhd" "$dir/ziel.vhd" 2> "$dir/err" || rc=$?
[ "$rc" -eq 2 ] || { echo "exit code $rc, expected 2"; cat "$dir/err"; exit 1; }
grep -q 'kann nicht geschrieben werden' "$dir/err" || { cat "$dir/err"; exit 1; }
[ "$(cat "$dir/ziel.vhd")" = "$before" ] || { echo "the target was changed"; exit 1; }
