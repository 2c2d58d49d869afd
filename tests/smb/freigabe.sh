#!/usr/bin/env bash
# A school's file share for the tests: a Samba server of its own on the loopback (a free port, a guest share
# "daten"), mounted twice through gvfs (each mount a D-Bus session of its own with gvfsd and gvfsd-fuse, as a
# desktop's file manager mounts a server) and twice through smbnetfs (FUSE on libsmbclient), so that two
# connections of each kind meet at the server as two PCs do.
#
#   freigabe.sh start <folder>   starts it all under <folder>; writes <folder>/mounts with one line per mount,
#                                "<kind> <n> <path>", or <folder>/grund with the reason where it cannot be had
#   freigabe.sh stop <folder>    unmounts and ends every process it started
set -u
modus=${1:-}
B=${2:-}
[ -n "$modus" ] && [ -n "$B" ] || { echo "usage: $0 start|stop FOLDER" >&2; exit 2; }

stoppen() {
    for m in "$B"/n1/mnt "$B"/n2/mnt "$B"/g1/fuse "$B"/g2/fuse; do
        mountpoint -q "$m" 2>/dev/null && { fusermount -u "$m" 2>/dev/null || fusermount -uz "$m" 2>/dev/null; }
    done
    for f in "$B"/g1/pid "$B"/g2/pid "$B"/n1/pid "$B"/n2/pid "$B"/run/smbd.pid; do
        [ -f "$f" ] || continue
        p=$(cat "$f")
        # A session's processes form a group of their own: ending it ends its gvfsd and dbus-daemon too.
        kill -- -"$p" 2>/dev/null || kill "$p" 2>/dev/null
        rm -f "$f"
    done
    return 0
}

if [ "$modus" = stop ]; then
    stoppen
    exit 0
fi

grund() {
    echo "$1" > "$B/grund"
    echo "SMB-Freigabe nicht verfügbar: $1"
    stoppen
    exit 0
}

stoppen
rm -rf "$B"
mkdir -p "$B/share" "$B/run"
chmod 777 "$B/share"
for p in smbd smbnetfs gio dbus-run-session fusermount; do
    command -v "$p" >/dev/null || grund "$p fehlt (scripts/deps installiert samba, smbnetfs, gvfs-fuse, gvfs-backends)"
done
[ -x /usr/libexec/gvfsd-fuse ] || grund "gvfsd-fuse fehlt"
[ -r /dev/fuse ] && [ -w /dev/fuse ] || grund "/dev/fuse kann nicht benutzt werden"
[ "$(id -u)" = 0 ] || grund "der Samba-Server dieser Tests braucht root"

# A port nobody listens on.
port=""
for p in $(seq 14450 14499); do
    if ! ss -ltnH "sport = :$p" 2>/dev/null | grep -q .; then port=$p; break; fi
done
[ -n "$port" ] || grund "kein freier Port auf 127.0.0.1"

r=$B/run
cat > "$B/smb.conf" <<CONF
[global]
 workgroup = SCHULE
 server role = standalone server
 map to guest = Bad User
 guest account = root
 smb ports = $port
 interfaces = lo
 bind interfaces only = yes
 pid directory = $r
 lock directory = $r
 state directory = $r
 cache directory = $r
 private dir = $r
 ncalrpc dir = $r/ncalrpc
 log file = $r/log.%m
 disable netbios = yes
 load printers = no
 printing = bsd
 printcap name = /dev/null
 disable spoolss = yes
 server min protocol = SMB2
[daten]
 path = $B/share
 read only = no
 guest ok = yes
 force user = root
CONF
smbd -D -s "$B/smb.conf" || grund "smbd startet nicht"
for i in $(seq 50); do ss -ltnH "sport = :$port" | grep -q . && break; sleep 0.1; done
ss -ltnH "sport = :$port" | grep -q . || grund "smbd lauscht nicht auf Port $port"

for k in 1 2; do
    n=$B/n$k
    mkdir -p "$n/mnt" "$n/home/.smb"
    printf 'auth "guest" ""\n' > "$n/home/.smb/smbnetfs.auth"
    printf 'host 127.0.0.1 visible=true\n' > "$n/home/.smb/smbnetfs.host"
    printf 'include "smbnetfs.auth"\ninclude "smbnetfs.host"\n' > "$n/home/.smb/smbnetfs.conf"
    printf '[global]\n client min protocol = SMB2\n' > "$n/home/.smb/smb.conf"
    chmod 600 "$n"/home/.smb/*
    # In the foreground of a group of its own, so that stop ends exactly this one.
    (HOME=$n/home setsid smbnetfs "$n/mnt" -f >"$n/log" 2>&1 & echo $! > "$n/pid")

    g=$B/g$k
    mkdir -p "$g/run" "$g/fuse"
    chmod 700 "$g/run"
    cat > "$g/sitzung.sh" <<SITZUNG
#!/bin/bash
export XDG_RUNTIME_DIR=$g/run
/usr/libexec/gvfsd --no-fuse >"$g/gvfsd.log" 2>&1 &
for i in \$(seq 50); do gio mount -l >/dev/null 2>&1 && break; sleep 0.1; done
/usr/libexec/gvfsd-fuse "$g/fuse" -f >"$g/fuse.log" 2>&1 &
echo | gio mount -a "smb://127.0.0.1:$port/daten" >"$g/mount.log" 2>&1
touch "$g/bereit"
exec sleep 86400
SITZUNG
    chmod +x "$g/sitzung.sh"
    (setsid dbus-run-session -- "$g/sitzung.sh" >"$g/log" 2>&1 & echo $! > "$g/pid")
done

# smbnetfs takes the server's port as part of the host's name.
pfade=("n 1 $B/n1/mnt/127.0.0.1:$port/daten" "n 2 $B/n2/mnt/127.0.0.1:$port/daten")
for k in 1 2; do
    pfade+=("g $k $B/g$k/fuse/smb-share:port=$port,server=127.0.0.1,share=daten")
done
bereit() { # the share reached through every mount: a file made through one is seen through all
    local probe=".bereit-$$"
    touch "$B/share/$probe"
    for z in "${pfade[@]}"; do
        [ -e "${z#* * }/$probe" ] || { rm -f "$B/share/$probe"; return 1; }
    done
    rm -f "$B/share/$probe"
}
for i in $(seq 150); do bereit && break; sleep 0.2; done
if ! bereit; then
    for z in "${pfade[@]}"; do ls -d "${z#* * }" >/dev/null 2>&1 || echo "nicht erreichbar: ${z#* * }"; done
    grund "die Freigabe ist nicht über alle vier Einhängepunkte erreichbar (Port $port)"
fi
printf '%s\n' "${pfade[@]}" > "$B/mounts"
echo "SMB-Freigabe auf Port $port:"
cat "$B/mounts"
