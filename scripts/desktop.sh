# Sourced by the scripts that run the program on a virtual screen.
#   use_desktop light|dark|high-contrast <scratch-dir>
# gives Qt the palette that a user of that desktop has, and nothing of this machine's own:
#   light          GNOME's Adwaita, through Qt's GTK 3 platform theme
#   dark           GNOME's Adwaita:dark, the same way
#   high-contrast  a Plasma colour scheme of white on black, through Qt's KDE platform theme
use_desktop() {
  local desktop=$1 scratch=$2
  local here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME KDE_SESSION_VERSION KDE_FULL_SESSION XDG_CURRENT_DESKTOP
  export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  case $desktop in
    light) export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita ;;
    dark) export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
    high-contrast)
      export QT_QPA_PLATFORMTHEME=kde KDE_SESSION_VERSION=5
      cp "$here/desktops/high-contrast/kdeglobals" "$XDG_CONFIG_HOME/" ;;
    *) echo "unknown desktop: $desktop (light, dark or high-contrast)" >&2; return 1 ;;
  esac
}
