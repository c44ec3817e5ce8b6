#!/bin/bash
# The package on a clean Debian 12: a minimal system made by debootstrap in ROOT (kept for the next run),
# the .deb installed there by apt with the dependencies it names, the installed game asked its version and
# made to win level 1 in a simulated run from another folder, and its desktop entry looked up the way a
# desktop's menu does (the freedesktop menu, through pyxdg and LXDE's menu files) with its icon found in
# the hicolor theme at every size. With SHOT=FILE the menu itself is opened in a panel under Xvfb, on
# Games, and photographed to FILE. Needs root and the network; not part of the tests.
#   packaging/check-clean-install.sh ROOT PACKAGE.deb
set -euo pipefail
root=$(realpath -m "${1:?usage: check-clean-install.sh ROOT PACKAGE.deb}")
package=$(realpath "${2:?usage: check-clean-install.sh ROOT PACKAGE.deb}")
[ "$(id -u)" -eq 0 ] || { echo "check-clean-install: needs root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y debootstrap

if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
for fs in proc sys dev; do mountpoint -q "$root/$fs" || mount --rbind "/$fs" "$root/$fs"; done
trap 'for fs in dev sys proc; do umount -R "$root/$fs" 2>/dev/null || true; done' EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp/check "$@"; }

echo "== $(cat "$root/etc/debian_version"): installing $(basename "$package")"
cp "$package" "$root/tmp/murkwell.deb"
in_root sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall /tmp/murkwell.deb' |
    tail -n 3

echo "== the installed game"
in_root sh -c 'rm -rf /tmp/check && mkdir -p /tmp/check && cd /tmp/check && murkwell --version &&
    murkwell --simulate --seed 3 --level 1 --autoplay --exit-on level_end --report report.jsonl &&
    grep -q "\"level\":1,\"result\":\"won\"" report.jsonl && echo "level 1 won in a simulated run"'

echo "== the desktop's menu"
in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    python3-xdg lxmenu-data hicolor-icon-theme >/dev/null'
cat >"$root/tmp/menu.py" <<'EOF'
import os, sys
os.environ["XDG_MENU_PREFIX"] = "lxde-"
import xdg.IconTheme, xdg.Menu

def entries(menu, path):
    for entry in menu.getEntries():
        if isinstance(entry, xdg.Menu.Menu):
            yield from entries(entry, path + [entry.getName()])
        elif isinstance(entry, xdg.Menu.MenuEntry) and entry.DesktopFileID == "org.tarnfield.Murkwell.desktop":
            yield path, entry.DesktopEntry

found = list(entries(xdg.Menu.parse(), []))
if not found:
    sys.exit("the game is in no menu")
for path, desktop in found:
    print("menu:", " > ".join(path + [desktop.getName()]), "-", desktop.getComment())
    # The sizes menus ask for; hicolor's 512 px folder also serves anything from 64 px up, so the lookup
    # for 512 may fairly answer with the 256 px picture: that one is only checked to be there.
    for size in (16, 24, 32, 48, 64, 128, 256):
        icon = xdg.IconTheme.getIconPath(desktop.getIcon(), size, theme="hicolor")
        if not icon or f"/{size}x{size}/" not in icon:
            sys.exit(f"no {size} px icon: {icon}")
    if not os.path.exists(f"/usr/share/icons/hicolor/512x512/apps/{desktop.getIcon()}.png"):
        sys.exit("no 512 px icon")
    print("icon: found in hicolor at 16 to 256 px, and 512 px there")
EOF
in_root python3 /tmp/menu.py

if [ -n "${SHOT:-}" ]; then
    in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        xvfb xauth openbox lxpanel xdotool imagemagick >/dev/null'
    # The panel's menu button at the bottom-left, then Games, its first entry.
    in_root sh -c 'export DISPLAY=:71 XDG_MENU_PREFIX=lxde-; mkdir -p $HOME
        Xvfb :71 -screen 0 1024x768x24 >/dev/null 2>&1 & x=$!; sleep 2
        openbox >/dev/null 2>&1 & lxpanel --profile default >/dev/null 2>&1 & sleep 4
        xdotool mousemove 12 755 click 1; sleep 1.5; xdotool mousemove 55 641; sleep 1.5
        import -window root /tmp/menu.png; kill $x' || true
    cp "$root/tmp/menu.png" "$SHOT" && echo "the menu, open on Games: $SHOT"
fi
echo "check-clean-install: passed"
