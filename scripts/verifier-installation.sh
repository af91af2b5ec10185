#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks it as a player would
# meet it: the files where a desktop looks for them, the desktop entry, the
# metadata and the MIME types valid, then kolmar-cli and the window run by
# an unprivileged user with a fresh home, every write they make traced: none
# may land outside that home.
#
#   scripts/verifier-installation.sh BUILD_DIR [APP_ID]
# Runs as root (to run the programs as another user); exits 77, which ctest
# reports as skipped, where it cannot.
set -euo pipefail

if [ "$(id -u)" -ne 0 ] || ! strace -qq -o /dev/null true 2> /dev/null; then
  echo "skipped: needs root and a working strace"
  exit 77
fi

build=$(cd "${1:?usage: verifier-installation.sh BUILD_DIR [APP_ID]}" && pwd)
id=${2:-$(sed -n 's/^KOLMAR_APP_ID:STRING=//p' "$build/CMakeCache.txt")}
fautes=0
faute() { echo "FAUTE: $*"; fautes=$((fautes + 1)); }

racine=$(mktemp -d /tmp/kolmar-installation.XXXXXX)
trap 'rm -rf "$racine"' EXIT
prefixe=$racine/prefixe
cmake --install "$build" --prefix "$prefixe" > "$racine/install.log"

# --- The files ---
for f in bin/kolmar bin/kolmar-cli share/kolmar3d/hashkey73.dat share/kolmar3d/Parametres/defaut_can.par \
         share/kolmar3d/Ouvert_b.ouv share/kolmar3d/joueurs.dat share/kolmar3d/Images1c/1pba.BMP \
         share/kolmar3d/damier8c.bmp share/kolmar3d/Problemes share/kolmar3d/kolmar3d.png \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/mime/packages/$id.xml"; do
  [ -e "$prefixe/$f" ] || faute "missing $f"
done
for n in 16 22 24 32 48 64 128 256 512; do
  [ -s "$prefixe/share/icons/hicolor/${n}x${n}/apps/$id.png" ] || faute "missing the ${n}x${n} icon"
done
inscriptibles=$(find "$prefixe/share/kolmar3d" -type f -perm /222 | wc -l)
[ "$inscriptibles" -eq 0 ] || faute "$inscriptibles data files are writable"

# --- Validators ---
desktop-file-validate "$prefixe/share/applications/$id.desktop" || faute "desktop entry"
appstreamcli validate --no-net "$prefixe/share/metainfo/$id.metainfo.xml" || faute "AppStream metadata"
mkdir -p "$racine/mime/packages"
cp "$prefixe/share/mime/packages/$id.xml" "$racine/mime/packages/"
XDG_DATA_DIRS=$racine update-mime-database "$racine/mime" 2> "$racine/mime.log" || faute "MIME types"
if [ -s "$racine/mime.log" ]; then cat "$racine/mime.log"; faute "MIME types warn"; fi
grep -q '^application/x-kolmar3d' "$racine/mime/types" || faute "no .dam type"
grep -q '^application/x-pdn' "$racine/mime/types" || faute "no .pdn type"

# --- Runs: a fresh home, every write traced ---
maison=$racine/maison
# A desktop session's runtime folder lies in the home here too.
mkdir -p "$maison/run"
chmod 700 "$maison/run"
chown -R nobody "$maison"
chmod 755 "$racine"
lancer() {  # name, timeout, command...
  local nom=$1 delai=$2
  shift 2
  local rc=0
  ( cd "$prefixe" && env -i PATH="$prefixe/bin:/usr/bin:/bin" HOME="$maison" XDG_RUNTIME_DIR="$maison/run" QT_QPA_PLATFORM=offscreen \
      timeout "$delai" strace -f -qq -u nobody -o "$racine/$nom.trace" \
      -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,symlink "$@" \
      > "$racine/$nom.out" 2>&1 ) || rc=$?
  # Paths written, created, moved or removed, outside the home and the
  # devices.
  grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir|rename|unlink|link\(|symlink' "$racine/$nom.trace" |
    grep -v ' = -1 ' | grep -oE '"[^"]*"' | tr -d '"' | sort -u |
    grep -vE "^($maison|/dev/|/proc/)" > "$racine/$nom.dehors" || true
  if [ -s "$racine/$nom.dehors" ]; then
    faute "$nom wrote outside the home:"
    sed 's/^/  /' "$racine/$nom.dehors"
  fi
  return $rc
}
lancer cli 300 "$prefixe/bin/kolmar-cli" match --games 2 --depth 2 || faute "kolmar-cli match failed"
grep -q ': 2 games ' "$racine/cli.out" || { cat "$racine/cli.out"; faute "kolmar-cli printed no score"; }
# The window stays on its start screen until a board is chosen: a run of a
# few seconds, then ended.
rc=0
lancer fenetre 8 "$prefixe/bin/kolmar" "$maison/absente.dam" || rc=$?
[ "$rc" -eq 124 ] || { cat "$racine/fenetre.out"; faute "the window ended by itself (status $rc)"; }

if [ "$fautes" -ne 0 ]; then
  echo "$fautes faults"
  exit 1
fi
echo "installation: files, validators and runs as nobody with a fresh home all passed"
