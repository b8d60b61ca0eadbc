#!/usr/bin/env bash
# Draws the pictures of the class library with ImageMagick: the 24x24 class button
# pictures (24-bit BMP, white background) and the 160x300 pages of the class wizard
# (baseline JPEG). Writes them into program/data/classes/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
C=/usr/bin/convert
classes="$root/program/data/classes"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

icon() { mkdir -p "$classes/$1"; $C -size 24x24 xc:white "${@:2}" "BMP3:$classes/$1/$1.bmp"; }

icon baza -fill '#3a6fc4' -stroke '#1d3f7a' -strokewidth 1 \
  -draw "rectangle 4,5 19,19" -draw "ellipse 11.5,19 7.5,3 0,180" -stroke none -draw "rectangle 5,5 18,18" \
  -stroke '#1d3f7a' -fill '#7fa8e8' -draw "ellipse 11.5,5 7.5,3 0,360" \
  -fill none -stroke '#bcd2f5' -draw "arc 4,8 19,14 10,170" -draw "arc 4,12 19,18 10,170"
icon tabela -fill white -stroke '#404040' -draw "rectangle 2,3 21,20" -fill '#3a6fc4' -stroke none -draw "rectangle 3,4 20,7" \
  -stroke '#808080' -draw "line 3,12 20,12" -draw "line 3,16 20,16" -draw "line 9,8 9,19" -draw "line 15,8 15,19" \
  -stroke '#404040' -fill none -draw "rectangle 2,3 21,20"
icon ksiegagosci -fill '#f5e6b8' -stroke '#7a4a10' -draw "polygon 1,6 11,4 11,20 1,21" -draw "polygon 22,6 12,4 12,20 22,21" \
  -stroke '#a07040' -draw "line 3,9 9,8" -draw "line 3,12 9,11" -draw "line 3,15 9,14" \
  -draw "line 14,8 20,9" -draw "line 14,11 20,12" -draw "line 14,14 18,15"
icon kontakt -fill '#fff4c8' -stroke '#8a6a10' -draw "rectangle 2,5 21,18" -fill none -draw "polyline 2,5 11.5,13 21,5" \
  -draw "line 2,18 9,11" -draw "line 21,18 14,11"
icon licznik -fill '#203020' -stroke '#101010' -draw "roundrectangle 1,6 22,17 2,2" -stroke none -fill '#60ff60' \
  -font DejaVu-Sans-Mono-Bold -pointsize 10 -gravity center -annotate +0+0 '123'
icon galeria -fill '#bfe3ff' -stroke '#505050' -draw "rectangle 2,4 21,19" -stroke none -fill '#f0c020' -draw "circle 16,8 18,8" \
  -fill '#3c8c3c' -draw "polygon 3,18 9,10 13,15 15,12 20,18" -fill none -stroke '#505050' -draw "rectangle 2,4 21,19"

# Wizard pages: page1.jpg shows on the first page, page8.jpg on the last.
out="$classes/wizard"
mkdir -p "$out"
bg() { $C -size 160x300 gradient:'#5f8fd8'-'#14306a' "$@"; }
save() { $C "$tmp/p.png" -strip -interlace none -sampling-factor 2x2 -quality 88 "JPEG:$out/$1"; }
M=(-font DejaVu-Sans-Mono-Bold)
S=(-font DejaVu-Sans-Bold)

bg -fill none -stroke '#ffffff80' -strokewidth 2 -draw "roundrectangle 22,40 138,200 10,10" -stroke none \
  -fill '#ffd84a' "${M[@]}" -pointsize 22 -gravity north -annotate +0+58 'class' \
  -fill white -pointsize 54 -annotate +0+92 '{ }' \
  -fill '#cfe0ff' -pointsize 13 -annotate +0+162 '<?php' \
  -fill white "${S[@]}" -pointsize 16 -gravity south -annotate +0+40 'Kreator' -annotate +0+18 'CLASS' "$tmp/p.png"
save page1.jpg

bg -fill '#f4f7ff' -stroke '#0d2250' -draw "roundrectangle 20,50 140,190 6,6" -stroke none \
  -fill '#3a6fc4' -draw "rectangle 20,50 140,74" -fill white "${S[@]}" -pointsize 12 -gravity northwest -annotate +30+55 'nazwaklasy' \
  -fill '#14306a' "${M[@]}" -pointsize 11 -annotate +30+88 'Wersja: 1.0' -annotate +30+110 'Autor:' \
  -annotate +30+132 'E-mail:' -annotate +30+154 'Opis:' \
  -stroke '#9fb4da' -draw "line 78,122 130,122" -draw "line 84,144 130,144" -draw "line 70,166 130,166" -stroke none \
  -fill white "${S[@]}" -pointsize 15 -gravity south -annotate +0+18 'Informacje' "$tmp/p.png"
save page2.jpg

args=()
for i in 0 1 2 3; do
  y=$((60 + i * 36))
  args+=(-fill white -stroke '#0d2250' -draw "rectangle 28,$y 46,$((y + 18))")
  if [ $i -lt 3 ]; then
    args+=(-stroke '#1a8a1a' -strokewidth 3 -draw "polyline 31,$((y + 9)) 36,$((y + 14)) 44,$((y + 3))" -strokewidth 1)
  fi
  args+=(-stroke '#cfe0ff' -draw "line 56,$((y + 9)) 130,$((y + 9))")
done
bg "${args[@]}" -stroke none -fill white "${S[@]}" -pointsize 15 -gravity south -annotate +0+18 'Elementy' "$tmp/p.png"
save page3.jpg

bg -fill '#ffd84a' "${M[@]}" -pointsize 64 -gravity north -annotate +0+30 '$' \
  -fill white -pointsize 12 -gravity northwest -annotate +14+130 'var $a = 1;' -annotate +14+152 'var $b;' \
  -annotate +14+174 "var \$c = 'x';" \
  -gravity south "${S[@]}" -pointsize 15 -annotate +0+18 'Zmienne' "$tmp/p.png"
save page4.jpg

bg -fill '#f4f7ff' -stroke '#0d2250' -draw "roundrectangle 30,150 130,200 6,6" -stroke none \
  -fill '#14306a' "${M[@]}" -pointsize 12 -gravity northwest -annotate +42+168 'function()' \
  -fill '#ffd84a' -pointsize 14 -annotate +24+50 '$a' -annotate +68+50 '$b' -annotate +112+50 '$c' \
  -stroke '#ffd84a' -strokewidth 2 -draw "line 32,72 60,146" -draw "line 78,72 80,146" -draw "line 122,72 100,146" \
  -stroke none -fill white "${S[@]}" -pointsize 15 -gravity south -annotate +0+18 'Konstruktor' "$tmp/p.png"
save page5.jpg

bg -fill white "${M[@]}" -pointsize 12 -gravity northwest \
  -annotate +14+50 'function a(){' -annotate +14+68 ' }' -annotate +14+100 'function b(){' -annotate +14+118 ' }' \
  -annotate +14+150 'function c(){' -annotate +14+168 ' }' \
  -fill '#ffd84a' "${S[@]}" -pointsize 40 -gravity north -annotate +0+196 'f(x)' \
  -fill white -pointsize 15 -gravity south -annotate +0+18 'Funkcje' "$tmp/p.png"
save page6.jpg

bg -fill '#f4f7ff' -stroke '#0d2250' -draw "roundrectangle 12,90 148,170 6,6" -stroke none \
  -fill '#14306a' "${M[@]}" -pointsize 11 -gravity northwest -annotate +20+104 'function Set(' -annotate +28+124 '$what,$value)' \
  -fill '#3a6fc4' -annotate +20+146 '$this->$what' \
  -fill '#ffd84a' "${S[@]}" -pointsize 34 -gravity north -annotate +0+30 '=' \
  -fill white -pointsize 15 -gravity south -annotate +0+18 'Ustawianie' "$tmp/p.png"
save page7.jpg

bg -fill '#f4f7ff' -stroke '#0d2250' -draw "polygon 40,40 104,40 124,60 124,200 40,200" \
  -fill '#cfdcf5' -draw "polygon 104,40 104,60 124,60" \
  -stroke '#9fb4da' -draw "line 52,80 112,80" -draw "line 52,96 112,96" -draw "line 52,112 100,112" -draw "line 52,128 108,128" \
  -stroke '#1a8a1a' -strokewidth 8 -fill none -draw "polyline 62,160 80,180 118,134" \
  -stroke none -fill white "${S[@]}" -pointsize 15 -gravity south -annotate +0+18 'Gotowe' "$tmp/p.png"
save page8.jpg
