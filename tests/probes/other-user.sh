#!/usr/bin/env bash
# Does to a user of the program, as another local user on the same machine, what once worked:
#   1. read a private record while it is saved;
#   2. have a settings file that links to a device replaced;
#   3. hang start-up with a FIFO as the settings file;
#   4. bloat start-up with a huge settings file;
#   5. plant the single-copy lock (a folder of its name open to all, or a link) in a shared cache.
# The two users are numeric ids without accounts, so nothing on the machine changes; acting as
# them needs root. Without root it says so and exits 77, which the test run shows as skipped.
#   tests/probes/other-user.sh CLI PROGRAM WATCHER
set -euo pipefail
if [ $# -ne 3 ]; then
  echo "usage: $0 CLI PROGRAM WATCHER" >&2
  exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: acting as two other users needs root"
  exit 77
fi

free_id() {
  local id=$1
  while getent passwd "$id" >/dev/null || getent group "$id" >/dev/null; do id=$((id + 1)); done
  echo "$id"
}
victim=$(free_id 64201)
attacker=$(free_id $((victim + 1)))

scratch=$(mktemp -d /tmp/oriastra-probe.XXXXXX)
chmod 755 "$scratch"
stop_all() {
  pkill -KILL -U "$victim" 2>/dev/null || true
  pkill -KILL -U "$attacker" 2>/dev/null || true
  sleep 0.2
}
trap 'stop_all; rm -rf "$scratch"' EXIT

mkdir "$scratch/bin"
cp "$1" "$scratch/bin/oriastra-cli"
cp "$2" "$scratch/bin/kestrin-oriastra"
cp "$3" "$scratch/bin/oriastra-probe-watch"
chmod 755 "$scratch/bin"/*
bin=$scratch/bin
home=$scratch/home
mkdir -m 700 "$home"
chown "$victim:$victim" "$home"

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
# A command as one of the two users, in a clean environment.
user() {
  echo setpriv --reuid="$1" --regid="$1" --clear-groups -- \
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen
}
as() {
  local who=$1
  shift
  $(user "$who") "$@"
}
# The desktop program as the victim, in the background; its process id in $started (each
# command execs the next, so it is the program's own).
start_program() {
  $(user "$victim") "$@" "$bin/kestrin-oriastra" >/dev/null 2>&1 &
  started=$!
}
settings_rewritten() { [ "$(stat -c %s "$settings")" -lt 1000 ]; }
lock_held() { [ -e "$lock" ] && ! flock -n "$lock" true 2>/dev/null; }
# Waits up to ten seconds for a command to succeed.
within_ten_seconds() {
  local tries=0
  until "$@"; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || return 1
    sleep 0.1
  done
}

echo "1. a 0600 record read while it is saved"
shared=$scratch/shared
mkdir -m 755 "$shared"
chown "$victim:$victim" "$shared"
save() {
  as "$victim" "$bin/oriastra-cli" save "$shared/s.tib" tibetan --name PROBESECRETNAME --day 1 \
    --month May --year 1990 --sex Male
}
save
chmod 600 "$shared/s.tib"
secret=$(head -n 1 "$shared/s.tib" | tr -d '\r\n' | od -An -tx1 | tr -d ' \n')
as "$attacker" "$bin/oriastra-probe-watch" "$shared" 60 "$secret" >"$scratch/watch.out" &
watcher=$!
within_ten_seconds grep -q watching "$scratch/watch.out" || fail "the watcher did not start"
for _ in $(seq 200); do save; done
touch "$shared/.probe-stop"
wait "$watcher" || true
leaks=$(tail -n 1 "$scratch/watch.out")
[ "$leaks" = 0 ] || fail "another user read the record $leaks times"
[ "$(stat -c %a "$shared/s.tib")" = 600 ] || fail "the record lost its mode"

config=$home/.config/kestrin-oriastra
settings=$config/kestrin-oriastra.conf
mkdir -p "$config"
chown -R "$victim:$victim" "$home/.config"

echo "2. a settings file that links to a device"
mkdir -m 700 "$home/nodes"
if mknod "$home/nodes/null" c 1 3 2>/dev/null; then
  chown -R "$victim:$victim" "$home/nodes"
  ln -s "$home/nodes/null" "$settings"
  chown -h "$victim:$victim" "$settings"
  start_program
  sleep 3
  kill -0 "$started" 2>/dev/null || fail "the program ended at start-up"
  stop_all
  [ -c "$home/nodes/null" ] || fail "the device was replaced"
  rm -f "$settings"
else
  echo "   skipped: this machine lets no one make a device node"
fi

echo "3. a FIFO as the settings file"
mkfifo "$settings"
chown "$victim:$victim" "$settings"
start_program
sleep 3
# Opening the FIFO for writing returns at once only when a reader waits on it.
if timeout 2 bash -c "exec 3>'$settings'"; then fail "start-up waited on the FIFO"; fi
kill -0 "$started" 2>/dev/null || fail "the program ended at start-up"
stop_all
rm -f "$settings"

echo "4. a 100 MB settings file"
{
  printf '[Settings]\nDuration='
  head -c 100000000 /dev/zero | tr '\0' 'x'
  printf '\n'
} >"$settings"
chown "$victim:$victim" "$settings"
start_program
# The first start stores today's date: the settings file is written anew.
within_ten_seconds settings_rewritten ||
  fail "start-up did not get past the settings file"
peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$started/status" 2>/dev/null || echo 0)
echo "   peak memory ${peak} kB"
[ "${peak:-0}" -lt 200000 ] || fail "start-up took ${peak} kB"
stop_all
rm -f "$settings"

echo "5. the single-copy lock planted in a shared cache"
sticky=$scratch/sticky
mkdir -m 1777 "$sticky"
lock=$home/.cache/kestrin-oriastra/kestrin-oriastra.lock
third=$home/third
mkdir -m 700 "$third"
chown "$victim:$victim" "$third"
for plant in open-folder link; do
  rm -rf "${sticky:?}/kestrin-oriastra"
  if [ $plant = open-folder ]; then
    as "$attacker" mkdir -m 777 "$sticky/kestrin-oriastra"
  else
    as "$attacker" ln -s "$third" "$sticky/kestrin-oriastra"
  fi
  rm -f "$lock"
  start_program XDG_CACHE_HOME="$sticky"
  within_ten_seconds lock_held || fail "$plant: no lock held in the home folder's cache"
  [ -z "$(ls -A "$third")" ] || fail "$plant: a file was made through the link"
  if [ $plant = open-folder ] && [ -n "$(ls -A "$sticky/kestrin-oriastra")" ]; then
    fail "$plant: a file was made in the other user's folder"
  fi
  stop_all
done

if [ $failures -ne 0 ]; then
  echo "$failures probe(s) failed"
  exit 1
fi
echo "every probe passed"
