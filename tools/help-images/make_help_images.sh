#!/usr/bin/env bash
# Draws the pictures of the help pages (program/pomoc/pomoc/img) with ImageMagick.
# The main-window picture is docs/main-window.png with numbered marks added.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="$root/program/pomoc/pomoc/img"
mkdir -p "$out"
convert=/usr/bin/convert
bold=DejaVu-Sans-Bold
sans=DejaVu-Sans

# Banner of the main page.
$convert -size 460x72 gradient:'#2b4a78-#4a6fa5' \
  -font "$bold" -pointsize 34 -fill white -annotate +18+44 'Wertan PHP' \
  -font "$sans" -pointsize 14 -fill '#dfe7f3' -annotate +20+64 'pracownia stron WWW w PHP – pomoc programu' \
  -strip "$out/logo.png"

# Main window with numbered marks; the numbers are explained on the page okno-glowne.htm.
marks=(
  "1 532 10" "2 76 52" "3 200 35" "4 760 97" "5 90 400" "6 197 262"
  "7 445 124" "8 928 121" "9 520 420" "10 890 680" "11 640 710"
)
args=()
for m in "${marks[@]}"; do
  read -r n x y <<<"$m"
  args+=(-fill '#c0392b' -stroke white -strokewidth 2 -draw "circle $x,$y $((x + 12)),$y")
  dx=$(( ${#n} > 1 ? 8 : 4 ))
  args+=(-stroke none -fill white -font "$bold" -pointsize 13 -annotate "+$((x - dx))+$((y + 5))" "$n")
done
$convert "$root/docs/main-window.png" +repage "${args[@]}" -resize 760x -strip "$out/okno-glowne.png"

# The three-lamp signal of the remote file browser, in its four patterns:
# not connected, connecting, connected, disconnecting.
off='#d4d0c8'
tmp="$(mktemp -d)"
i=0
for pattern in "#e02020 $off $off" "#e02020 #f0c000 $off" "$off $off #20a020" "$off #f0c000 $off"; do
  read -r r y g <<<"$pattern"
  $convert -size 28x76 xc:'#efefef' -stroke '#555555' \
    -fill "$r" -draw 'circle 14,14 14,4' -fill "$y" -draw 'circle 14,38 14,28' -fill "$g" -draw 'circle 14,62 14,52' \
    "$tmp/lamp$i.png"
  i=$((i + 1))
done
$convert "$tmp"/lamp0.png "$tmp"/lamp1.png "$tmp"/lamp2.png "$tmp"/lamp3.png -bordercolor white -border 10x4 +append -strip "$out/sygnalizator.png"
rm -rf "$tmp"
echo "pictures written to $out"
