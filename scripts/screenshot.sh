#!/usr/bin/env bash
# Starts the window on a virtual display, as a Chinese-speaking user would
# (LANG=zh_CN.UTF-8), and saves pictures of it into FOLDER (default docs/):
#   screenshot.png           the window as it opens
#   screenshot-menu.png      the 控制 menu open
#   screenshot-question.png  the question after generating a year
#   screenshot-custom.png    the 自定义格式 tab
#   screenshot-anniversaries.png  the 纪念日 tab
#   screenshot-holidays.png  the 节假日 tab
#   screenshot-progress.png  the progress bar while 1901-2100 is written
# With LANGUAGE_SHOWN=zh_TW, en, ko or vi the system speaks that language
# instead, and only the window and its menu are saved: screenshot-zh_TW.png
# and screenshot-menu-zh_TW.png, screenshot-en.png and screenshot-menu-en.png,
# and so on.
# With REGION_SHOWN=cn, tw, hk, kr or vn the window opens as that region's
# people see it (控制 → 地区 chosen, the system in their language) and only its
# 节假日 tab is saved: screenshot-holidays-<region>.png.
# Needs a build (scripts/build.sh) and xdotool; fails when the question's
# caption is not exactly 提示 on the real X11 window. Files the generation writes
# beside the program are removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
app=${TESSARINE_APP:-build/app/tessarine}
mkdir -p "$out"

# Xvfb picks a free display itself and says which.
numberfile=$(mktemp)
Xvfb -displayfd 1 -screen 0 1000x480x24 -nolisten tcp >"$numberfile" &
xvfb=$!
before=$(ls "$(dirname "$app")"/Tessarine_*.ics 2>/dev/null || true)
cleanup() {
  kill "${pid:-}" "$xvfb" 2>/dev/null || true
  rm -rf "${config:-}" "$numberfile"
  for file in "$(dirname "$app")"/Tessarine_*.ics; do
    [ -e "$file" ] && ! grep -qxF "$file" <<<"$before" && rm -f "$file"
  done
  return 0
}
trap cleanup EXIT
# Waits up to 20 s for a command to succeed.
wait_for() {
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
  echo "timed out waiting for: $*" >&2
  return 1
}
wait_for test -s "$numberfile"
display=:$(head -1 "$numberfile")
wait_for env DISPLAY="$display" xdotool getdisplaygeometry
# A configuration folder of its own, with an example anniversary list: the
# user's own list is neither shown nor touched.
config=$(mktemp -d)
mkdir -p "$config/Tessarine"
printf '%s\n' '妈妈生日,三月初八,1960' '爸爸生日,1958-10-02' '外婆忌日,腊月廿三' '奶奶生日,十三月初一' \
  >"$config/Tessarine/anniversaries.csv"
# A real X11 window, even when the caller runs its tests offscreen.
language=${LANGUAGE_SHOWN:-zh_CN}
case $language in
  zh_CN) suffix= system=zh_CN.UTF-8 title='农历 iCal 文件生成器' ;;
  zh_TW) suffix=-zh_TW system=zh_TW.UTF-8 title='農曆 iCal 檔案產生器' ;;
  en) suffix=-en system=en_US.UTF-8 title='Lunar iCal Generator' ;;
  ko) suffix=-ko system=ko_KR.UTF-8 title='음력 iCal 파일 생성기' ;;
  vi) suffix=-vi system=vi_VN.UTF-8 title='Trình tạo tệp iCal âm lịch' ;;
  *) echo "LANGUAGE_SHOWN is zh_CN, zh_TW, en, ko or vi, not $language" >&2; exit 2 ;;
esac
region=${REGION_SHOWN:-}
if [ -n "$region" ]; then
  case $region in
    cn) system=zh_CN.UTF-8 title='农历 iCal 文件生成器' ;;
    tw) system=zh_TW.UTF-8 title='農曆 iCal 檔案產生器' ;;
    hk) system=zh_HK.UTF-8 title='農曆 iCal 檔案產生器' ;;
    kr) system=ko_KR.UTF-8 title='음력 iCal 파일 생성기' ;;
    vn) system=vi_VN.UTF-8 title='Trình tạo tệp iCal âm lịch' ;;
    *) echo "REGION_SHOWN is cn, tw, hk, kr or vn, not $region" >&2; exit 2 ;;
  esac
  printf '[General]\nregion=%s\n' "$region" >"$config/Tessarine/settings.ini"
fi
export QT_QPA_PLATFORM=xcb DISPLAY=$display LANG=$system LC_ALL=$system XDG_CONFIG_HOME=$config
# Each file's fsync is slowed as on a USB stick, so that writing a long
# range takes long enough to show the progress bar.
if strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:delay_exit=1 true >/dev/null 2>&1; then
  strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:delay_exit=15000 "$app" &
else
  "$app" &
fi
pid=$!
# The title names the program in the window's language, always with "iCal".
wait_for xdotool search --onlyvisible --name 'iCal'
window=$(xdotool search --onlyvisible --name 'iCal' | head -1)
# The system's language chose the window's: its title says so.
# _NET_WM_NAME is the title as the desktop shows it; xprop writes bytes
# outside ASCII as octal escapes, which printf turns back.
wm_name() { printf '%b' "$(xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')"; }
if [ "$(wm_name "$window")" != "$title" ]; then
  echo "the window is titled '$(wm_name "$window")', not '$title'" >&2
  exit 1
fi
sleep "${SCREENSHOT_WAIT:-1}"  # painted
# The window stands centred on an otherwise black screen: cut it out.
shot() { import -window root -trim +repage "$out/$1"; echo "saved $out/$1"; }
[ -z "$region" ] && shot "screenshot$suffix.png"

# Without a window manager nothing gives the window the focus: give it.
xdotool windowfocus "$window"
sleep 0.3
if [ -n "$region" ]; then
  # The focus into the first tab (on its checked 日期, which changes
  # nothing), then the tab widget's Ctrl+Tab to the fourth, whatever the
  # tabs' widths in the region's language.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 170)) $((Y + 151)) click 1
  xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
  sleep 1
  shot "screenshot-holidays-$region.png"
  exit 0
fi
# The menu is 控制(&C) in Simplified Chinese, 選項(&O) in Traditional and
# &Options in English; in the other languages a click opens it.
case $language in
  zh_CN) xdotool key alt+c ;;
  zh_TW | en) xdotool key alt+o ;;
  *) eval "$(xdotool getwindowgeometry --shell "$window")"; xdotool mousemove $((X + 20)) $((Y + 10)) click 1 ;;
esac
sleep 1
if [ "$language" != zh_CN ]; then
  shot "screenshot-menu$suffix.png"
  exit 0
fi
shot screenshot-menu.png
xdotool key Escape
sleep 0.5
xdotool key alt+c i
sleep 1.5
shot screenshot-question.png
# The question's caption on the real X11 window is 提示 exactly: nothing may
# append the program's name to it.
titles=$(for id in $(xdotool search --onlyvisible --name '.'); do wm_name "$id"; echo; done)
if ! grep -qxF '提示' <<<"$titles"; then
  echo "no window is titled exactly 提示; the windows are: $(tr '\n' ',' <<<"$titles")" >&2
  exit 1
fi
xdotool key Escape
sleep 0.5
# The desktop entry's StartupWMClass names the window's class, so that docks
# group the window under the program's icon.
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
expected=$(sed -n 's/^StartupWMClass=//p' packaging/com.example.tessarine.desktop)
if [ "$class" != "$expected" ]; then
  echo "the window's class is '$class', the desktop entry says '$expected'" >&2
  exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
# The 自定义格式 tab, second, with the almanac's tokens.
xdotool mousemove $((X + 255)) $((Y + 56)) click 1
sleep 1
shot screenshot-custom.png
# The 纪念日 tab, third in the tab bar: a click on it.
xdotool mousemove $((X + 330)) $((Y + 56)) click 1
sleep 1
shot screenshot-anniversaries.png
# The 节假日 tab, fourth.
xdotool mousemove $((X + 385)) $((Y + 56)) click 1
sleep 1
shot screenshot-holidays.png
# A long range: the progress bar while 1901-2100 is written.
xdotool mousemove $((X + 170)) $((Y + 56)) click 1
xdotool mousemove $((X + 60)) $((Y + 70)) click --repeat 3 1
xdotool key ctrl+a type 1901
xdotool mousemove $((X + 22)) $((Y + 98)) click 1
xdotool mousemove $((X + 60)) $((Y + 127)) click 1
sleep 0.5
xdotool key End Return
sleep 0.3
xdotool mousemove $((X + 64)) $((Y + 228)) click 1  # 生成 iCal
sleep "${PROGRESS_WAIT:-1.2}"
shot screenshot-progress.png
sleep 4
xdotool key Escape
