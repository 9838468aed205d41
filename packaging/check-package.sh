#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it with lintian, installs it with
# apt-get into a clean Debian 12 root and runs the installed programs there: tessark-cli
# --version and datainfo (the data found in /usr/share/tessark), then the editor on the demo
# world under Xvfb, its window watched and closed from outside.
#
#   packaging/check-package.sh [BUILD_DIR]     (default build; needs root)
#
# The clean root is made once with debootstrap and kept as a tarball, with the packages apt
# fetched, under TESSARK_CI_CACHE (default /var/cache/tessark-ci): later runs unpack it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
cache=${TESSARK_CI_CACHE:-/var/cache/tessark-ci}
started=$SECONDS
step() { echo "-- $* ($((SECONDS - started)) s)"; }

tools=(dpkg-dev lintian debootstrap desktop-file-utils)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  step "installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

step "package"
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" | grep -v '^CPack: - Install'
deb=$(ls "$build"/package/tessark_*.deb)
dpkg-deb --field "$deb" Package Version Depends Recommends Section Installed-Size

step "lintian"
desktop-file-validate "$here/tessark.desktop"
lintian --fail-on error "$deb"

# --- The clean root ---------------------------------------------------------------------
mkdir -p "$cache/archives/partial"
image="$cache/bookworm-minbase.tar"
if [ ! -f "$image" ]; then
  step "debootstrap (first run only)"
  fresh=$(mktemp -d)
  debootstrap --variant=minbase bookworm "$fresh/root" >"$fresh/debootstrap.log" 2>&1 ||
    { tail -n 20 "$fresh/debootstrap.log"; exit 1; }
  # The same package sources as this machine.
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    cp /etc/apt/sources.list.d/debian.sources "$fresh/root/etc/apt/sources.list.d/"
    rm -f "$fresh/root/etc/apt/sources.list"
  fi
  rm -rf "$fresh/root/var/cache/apt/archives"/*.deb
  tar -C "$fresh/root" -cf "$image.part" . && mv "$image.part" "$image"
  rm -rf "$fresh"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tessark-package.XXXXXX")
root="$work/root"
mounts=()
unmount_root()
{
  local i busy=0
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[$i]}" 2>/dev/null || umount -l "${mounts[$i]}" 2>/dev/null || true
    # Never delete through a mount that stayed: it shows this machine's own folders.
    if mountpoint -q "${mounts[$i]}"; then busy=1; fi
  done
  mounts=()
  if [ "$busy" -eq 0 ]; then rm -rf "$work"; else echo "left $work: still mounted" >&2; fi
}
trap unmount_root EXIT
step "unpacking the clean root"
# In memory: unpacking, installing and throwing the root away cost no disk writes.
mount -t tmpfs -o size=3g tmpfs "$work" && mounts+=("$work")
mkdir -p "$root"
tar -C "$root" -xf "$image"
# A root that is thrown away needs no fsync after every file.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
bind() { mkdir -p "$2" && mount --bind "$1" "$2" && mounts+=("$2"); }
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
step "apt-get update done"
# shared-mime-info and desktop-file-utils are what a desktop has: their triggers register the
# file types and the desktop entry.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
  "/tmp/$(basename "$deb")" shared-mime-info desktop-file-utils >"$work/apt.log" 2>&1 ||
  { tail -n 30 "$work/apt.log"; exit 1; }
grep -E '^(Setting up tessark|Processing triggers)' "$work/apt.log" || true

step "installed programs"
in_root ls -l /usr/bin/tessark /usr/bin/tessark-cli
in_root tessark-cli --version
in_root tessark-cli datainfo | cut -c 1-200
in_root tessark-cli info /usr/share/tessark/demo.qzbm | cut -c 1-200
in_root grep -q 'application/x-tessark-qzbm' /usr/share/mime/globs2
in_root grep -q '^application/x-tessark-qzbm=tessark.desktop' /usr/share/applications/mimeinfo.cache
echo "file types registered: .qzbm and .qzx open with tessark.desktop"

step "the installed editor under Xvfb"
source "$here/../tests/x11/x11lib.sh"
x11_begin
# The editor ends (x11_cleanup) before its root is unmounted.
trap 'x11_cleanup; unmount_root' EXIT
bind /tmp/.X11-unix "$root/tmp/.X11-unix"
x11_start editor chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root DISPLAY="$DISPLAY" \
  QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=/tmp tessark /usr/share/tessark/demo.qzbm
main=$(x11_wait_window '^demo\.qzbm - Tessark$')
x11_key "$main" alt+f x
x11_wait_exit editor
step "package checked"
