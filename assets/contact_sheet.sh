#!/bin/sh
# Lays every generated picture out at the size the game shows it, so the set
# can be judged by eye. Usage: assets/contact_sheet.sh [zoom] [output stem]
# zoom (default 1) enlarges everything further, for looking at small bugs.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
zoom=${1:-1}
out=${2:-/tmp/zorvane_contact_sheet}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# key, width x height on screen (pixels at 96 dpi)
while read -r key size; do
  file=$(ls "$here/generated/$key".* | head -n 1)
  w=${size%x*}
  h=${size#*x}
  case "$file" in *.ico) src="$file[0]" ;; *) src="$file" ;; esac
  # The key is written under each picture (montage's own labels misplace
  # themselves when the pictures differ in size).
  convert \( "$src" -background white -flatten -filter Lanczos -resize "$((w * zoom))x$((h * zoom))!" \) \
    -background '#9a9a9a' -gravity center -pointsize $((10 + zoom)) label:"$key" -append "$work/$key.png"
  if [ "$w" -le 100 ]; then group=small; else group=large; fi
  echo "$work/$key.png" >>"$work/$group"
done <<'EOF'
icon_main 32x32
icon_entry 16x16
piece_ladybird 39x39
piece_beetle 40x40
menu_piece2 50x50
menu_piece3 50x50
menu_piece4 51x51
entry_piece1 50x50
entry_piece2 50x50
entry_piece3 50x50
entry_piece4 50x50
entry_piece5 50x50
cell_point 18x18
turn_arrow 16x11
trophy 49x49
close_button 22x22
emblem 75x60
emblem_strip 93x36
menu_alt1 52x52
menu_alt2 52x52
menu_alt3 52x52
menu_alt4 50x50
title_banner 302x109
partner_logo_small 273x110
back_entry_card 323x123
partner_logo 345x214
maker_logo 337x285
back_menu 337x285
back_winner 368x150
back_two_player 486x313
back_vs_computer 574x458
EOF

# Every picture under its key, in the order above.
for group in small large; do
  if [ "$group" = small ]; then tile=8x; else tile=3x; fi
  # shellcheck disable=SC2046  # the temporary paths hold no spaces
  montage -background '#9a9a9a' -tile "$tile" -geometry +8+8 \
    $(cat "$work/$group") "${out}_$group.png"
  echo "${out}_$group.png"
done
