#!/usr/bin/env bash
# Builds the Debian package with cpack, checks it, installs it into this machine with apt, starts
# both installed programs from their installed paths (the desktop program on a virtual X server,
# with a screenshot), then removes the package again. Debian 12, as root or with sudo. The build,
# the package and the screenshot go to build-package/ (PACKAGE_BUILD_DIR overrides it).
set -euo pipefail
cd "$(dirname "$0")/.."

ORIASTRA_INSTALL_ONLY=1 ORIASTRA_EXTRA_PACKAGES="dpkg-dev file appstream desktop-file-utils
  lintian man-db openbox xdotool imagemagick ccache shared-mime-info xdg-utils libxml2-utils" \
  scripts/setup.sh
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

build=$(realpath -m "${PACKAGE_BUILD_DIR:-build-package}")
fail() {
  echo "package.sh: $*" >&2
  exit 1
}
step() { printf '\n== %s\n' "$*"; }

step "Building"
# Debian's hardening flags, all of them (bind now as well).
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DORIASTRA_TESTS=OFF \
    -DORIASTRA_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/kestrin-oriastra_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/kestrin-oriastra_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $build"
deb=${debs[0]}

step "Checking $(basename "$deb")"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb" | tee "$build/package-contents.txt"
version=$(dpkg-deb -f "$deb" Version)
paths=$(awk '{print $6}' "$build/package-contents.txt")
expected=(
  ./usr/bin/kestrin-oriastra ./usr/bin/oriastra-cli
  ./usr/share/applications/net.kestrin.Oriastra.desktop
  ./usr/share/metainfo/net.kestrin.Oriastra.metainfo.xml
  ./usr/share/mime/packages/net.kestrin.Oriastra.xml
  ./usr/share/icons/hicolor/scalable/apps/net.kestrin.Oriastra.svg
  ./usr/share/man/man1/oriastra-cli.1.gz ./usr/share/man/man1/kestrin-oriastra.1.gz
  ./usr/share/bash-completion/completions/oriastra-cli
  ./usr/share/doc/kestrin-oriastra/copyright ./usr/share/doc/kestrin-oriastra/changelog.gz
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/net.kestrin.Oriastra.png")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$paths" || fail "the package lacks $path"
done
for library in libqt6widgets6 libqt6svg6 libqt6printsupport6 libstdc++6; do
  dpkg-deb -f "$deb" Depends | grep -q "\b$library\b" || fail "Depends lacks $library"
done
for recommended in xdg-utils shared-mime-info fonts-noto-core fonts-tibetan-machine; do
  dpkg-deb -f "$deb" Recommends | grep -q "\b$recommended\b" || fail "Recommends lacks $recommended"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/net.kestrin.Oriastra.metainfo.xml
desktop-file-validate "$unpacked"/usr/share/applications/net.kestrin.Oriastra.desktop
xmllint --noout --schema /usr/share/mime/packages/freedesktop.org.xml \
  "$unpacked"/usr/share/mime/packages/net.kestrin.Oriastra.xml 2>/dev/null ||
  xmllint --noout "$unpacked"/usr/share/mime/packages/net.kestrin.Oriastra.xml
for size in "${sizes[@]}"; do
  file "$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/net.kestrin.Oriastra.png" |
    grep -q "PNG image data, $size x $size," || fail "the ${size}px icon is not ${size}x${size}"
done
for page in "$unpacked"/usr/share/man/man1/*.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
lintian --fail-on error,warning --display-info "$deb"
echo "The package's contents and metadata check out."

step "Installing with apt"
installed=false
xvfb_pid="" openbox_pid="" program_pid=""
finish() {
  for pid in $program_pid $openbox_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  if $installed; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq --purge kestrin-oriastra
  fi
  rm -rf "$unpacked"
}
trap finish EXIT
(cd "$build" && DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --reinstall \
  "./$(basename "$deb")")
installed=true
dpkg -L kestrin-oriastra | grep -qx /usr/bin/kestrin-oriastra || fail "not installed"

step "oriastra-cli from /usr/bin"
[ "$(/usr/bin/oriastra-cli --version)" = "oriastra-cli $version" ] || fail "wrong --version"
reading=$(/usr/bin/oriastra-cli reading tibetan --name Ann --day 3 --month May --year 1980 \
  --sex Female)
echo "$reading" | cut -c1-100
grep -qx "Animal sign: Monkey" <<<"$reading" || fail "unexpected reading"
MANWIDTH=80 man oriastra-cli | head -n 12
# The completion as bash-completion loads it: the commands starting with "re".
completion=$(bash --norc -c 'source /usr/share/bash-completion/completions/oriastra-cli &&
  COMP_WORDS=(oriastra-cli re) COMP_CWORD=1 && _oriastra_cli && echo "${COMPREPLY[*]}"')
[ "$completion" = "reading report" ] || fail "the bash completion offers '$completion'"

step "kestrin-oriastra from /usr/bin on a virtual X server"
# The server picks a free display itself and writes its number once it takes clients; a display
# held only through an abstract socket leaves no file to look for.
Xvfb -displayfd 1 -screen 0 1280x900x24 -nolisten tcp >"$build/xvfb-display" 2>"$build/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$build/xvfb-display" ] && break; sleep 0.2; done
[ -s "$build/xvfb-display" ] || fail "the virtual X server did not start (see $build/xvfb.log)"
display=:$(head -n 1 "$build/xvfb-display")
DISPLAY=$display openbox 2>"$build/openbox.log" &
openbox_pid=$!
# A window mapped while the window manager is still taking over the screen may never be shown:
# the program starts once the manager has announced itself on the root window.
for _ in $(seq 100); do
  DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
# A home of its own: a first run, and nothing left in the caller's settings.
home="$unpacked/home"
mkdir -p -m 700 "$home/runtime"
DISPLAY=$display HOME=$home XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" \
  QT_QPA_PLATFORM=xcb /usr/bin/kestrin-oriastra >"$build/program.log" 2>&1 &
program_pid=$!
# What a failed start leaves to go on: whether the program still runs, and what it said.
program_state() {
  if kill -0 "$program_pid" 2>/dev/null; then echo "is still running"; else echo "has ended"; fi
  [ -s "$build/program.log" ] && echo "and wrote:" && sed 's/^/  /' "$build/program.log"
}
# Alt+F4 on the main window: the program must end, and end well.
close_program() {
  DISPLAY=$display xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$program_pid" 2>/dev/null; then fail "the program did not close"; fi
  wait "$program_pid" || fail "the program ended with status $?"
  program_pid=""
}
# The desktop a file manager would start programs in: this run's display and home.
on_desktop() {
  DISPLAY=$display HOME=$home XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb "$@"
}
# A busy machine can take a while over a first start.
window=$(DISPLAY=$display timeout 90 xdotool search --sync --onlyvisible --name \
  '^Kestrin Oriastra') || fail "the main window did not appear (windows: $(DISPLAY=$display \
  xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' ' '));" \
  "the program $(program_state)"
sleep 1
DISPLAY=$display import -window root "$build/installed-program.png"
echo "Main window: $(DISPLAY=$display xdotool getwindowname "$window");" \
  "screenshot: $build/installed-program.png"
[ -f "$home/.config/kestrin-oriastra/kestrin-oriastra.conf" ] || fail "no settings written"

step "Record files from the file manager"
# One record of each tradition, saved by the installed command line.
records="$home/records"
mkdir -p "$records"
declare -A record_types=([tibetan]=tib [burmese]=bur [indonesian]=jav [african]=afa)
for tradition in "${!record_types[@]}"; do
  extension=${record_types[$tradition]}
  details=(--name "Sari $tradition" --day 17 --month August --year 1975)
  case $tradition in
    tibetan) details+=(--sex Female) ;;
    burmese) details+=(--afternoon yes) ;;
  esac
  /usr/bin/oriastra-cli save "$records/sari.$extension" "$tradition" "${details[@]}" >/dev/null
  type=$(on_desktop xdg-mime query filetype "$records/sari.$extension")
  [ "$type" = "application/x-kestrin-oriastra-$tradition" ] ||
    fail "sari.$extension is of type '$type'"
  handler=$(on_desktop xdg-mime query default "$type")
  [ "$handler" = net.kestrin.Oriastra.desktop ] || fail "$type opens with '$handler'"
  echo "sari.$extension: $type, opened by $handler"
done
# The running copy takes a record that xdg-open starts a second copy for; that copy ends at once
# and shows nothing. (xdg-open waits for the program it starts.)
on_desktop timeout 20 xdg-open "$records/sari.bur" ||
  fail "the copy xdg-open started for sari.bur did not hand it over and end"
sleep 1
if DISPLAY=$display xdotool search --onlyvisible --name '^Kestrin Oriastra$' >/dev/null; then
  fail "a message appeared"
fi
DISPLAY=$display import -window root "$build/opened-from-file-manager.png"
echo "The Burmese record opened in the running copy; screenshot: $build/opened-from-file-manager.png"
close_program

# Started by xdg-open with no copy running, the program opens the record itself.
on_desktop xdg-open "$records/sari.jav" >"$build/program.log" 2>&1 &
program_pid=$!
window=$(DISPLAY=$display timeout 90 xdotool search --sync --onlyvisible --name \
  '^Kestrin Oriastra v') || fail "xdg-open started no program; the program $(program_state)"
sleep 1
DISPLAY=$display import -window root "$build/started-by-xdg-open.png"
echo "Screenshot: $build/started-by-xdg-open.png"
close_program

step "Removing"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq --purge kestrin-oriastra
installed=false
[ ! -e /usr/bin/kestrin-oriastra ] && [ ! -e /usr/bin/oriastra-cli ] || fail "files left behind"
echo "package.sh: $(basename "$deb") built, checked, installed, run and removed."
