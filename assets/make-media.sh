#!/usr/bin/env bash
# Makes the program's media: the splash and intro pictures, the intro film
# with its sound, the eight short sounds and the two contact shortcuts.
# Needs sox, ffmpeg and ImageMagick on the machine that runs it; the build
# only copies the results.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
media="$here/media"
img="$here/images"
convert=/usr/bin/convert
font=DejaVu-Sans-Bold
fontr=DejaVu-Sans
mkdir -p "$media/sounds" "$img"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# --- sounds: 16-bit PCM, mono, 22050 Hz --------------------------------------
wav() { local out="$1"; shift; sox -n -r 22050 -b 16 -c 1 -e signed-integer "$out" "$@"; }
chime() { # out, then pairs of frequency and length
    local out="$1"; shift; local parts=() i=0
    while [ $# -ge 2 ]; do
        wav "$tmp/p$i.wav" synth "$2" sine "$1" fade q 0.005 "$2" "$(echo "$2*0.6" | bc -l)" vol 0.6
        parts+=("$tmp/p$i.wav"); i=$((i + 1)); shift 2
    done
    sox "${parts[@]}" -b 16 "$out"
}
chime "$media/sounds/gub1.wav" 660 0.09 990 0.16
chime "$media/sounds/gub2.wav" 880 0.09 660 0.09 440 0.18
chime "$media/sounds/gub3.wav" 523 0.08 659 0.08 784 0.2
wav "$media/sounds/dui.wav" synth 0.035 sine 1400 fade q 0.002 0.035 0.02 vol 0.5
wav "$media/sounds/Klick.wav" synth 0.018 pinknoise fade q 0.001 0.018 0.012 vol 0.7
wav "$media/sounds/Trööt.wav" synth 0.35 sawtooth 233 sawtooth 236 vol 0.35 lowpass 1500 fade q 0.02 0.35 0.1
wav "$media/sounds/Feld.wav" synth 0.07 pluck 330 fade q 0.002 0.07 0.04 vol 0.7
chime "$media/sounds/Gubhort.wav" 1318 0.06 1760 0.14

# --- the film's sound: a short fanfare of about four seconds ------------------
notes=(392 0.25 523 0.25 659 0.25 784 0.5 659 0.25 784 1.0 0 0.3 523 0.3 784 0.9)
parts=(); i=0
while [ $i -lt ${#notes[@]} ]; do
    f=${notes[$i]}; d=${notes[$((i + 1))]}
    if [ "$f" = 0 ]; then
        wav "$tmp/f$i.wav" trim 0 "$d"
    else
        wav "$tmp/f$i.wav" synth "$d" square "$f" sine "$((f * 2))" vol 0.3 lowpass 2500 fade q 0.01 "$d" 0.08
    fi
    parts+=("$tmp/f$i.wav"); i=$((i + 2))
done
sox "${parts[@]}" -b 16 "$media/tramsel2.wav"

# --- splash picture, 500 x 191 ------------------------------------------------
hexes() { # width height size colour -> draw arguments of a hex grid
    local w=$1 h=$2 s=$3 c=$4 x y col=0 args=()
    local dx; dx=$(echo "$s*1.5" | bc -l)
    local dy; dy=$(echo "$s*1.732" | bc -l)
    for ((col = 0; col * s * 3 / 2 < w + s; col++)); do
        x=$(echo "$col*$dx" | bc -l)
        for ((row = -1; row * s * 1732 / 1000 < h + s; row++)); do
            y=$(echo "$row*$dy + ($col%2)*$dy/2" | bc -l)
            args+=(-draw "polygon $(printf '%.0f,%.0f %.0f,%.0f %.0f,%.0f %.0f,%.0f %.0f,%.0f %.0f,%.0f' \
                "$(echo "$x-$s" | bc -l)" "$y" "$(echo "$x-$s/2" | bc -l)" "$(echo "$y-$dy/2" | bc -l)" \
                "$(echo "$x+$s/2" | bc -l)" "$(echo "$y-$dy/2" | bc -l)" "$(echo "$x+$s" | bc -l)" "$y" \
                "$(echo "$x+$s/2" | bc -l)" "$(echo "$y+$dy/2" | bc -l)" "$(echo "$x-$s/2" | bc -l)" "$(echo "$y+$dy/2" | bc -l)")")
        done
    done
    printf '%s\0' -fill none -stroke "$c" -strokewidth 1 "${args[@]}"
}
mapfile -d '' grid < <(hexes 500 191 18 '#46603c')
$convert -size 500x191 gradient:'#2f4a2a'-'#0f1f12' "${grid[@]}" \
    -fill '#c9a227' -stroke '#c9a227' -draw "circle 398,78 398,70" -draw "circle 425,94 425,88" \
    -draw "circle 452,78 452,72" -strokewidth 3 -draw "line 398,78 425,94" -draw "line 425,94 452,78" \
    -stroke none -fill '#00000088' -draw "rectangle 0,40 500,150" -draw "rectangle 0,160 500,191" \
    -font "$font" -pointsize 46 -fill '#1a1a1a' -annotate +27+103 'Befehlswart' \
    -fill '#f2d16b' -annotate +24+100 'Befehlswart' \
    -font "$fontr" -pointsize 15 -fill '#e8e8d8' -annotate +28+130 'Der Helfer für die Befehle in Gub' \
    -pointsize 12 -fill '#b8c8a8' -annotate +28+176 'Version 2.10' \
    -gravity SouthEast -annotate +12+15 'Einen Augenblick bitte …' \
    -gravity NorthWest -fill none -stroke '#c9a227' -strokewidth 2 -draw "rectangle 1,1 498,189" \
    -strip -colors 64 PNG8:"$img/splash.png"

# --- intro film, 168 x 190, 12 frames a second, about four seconds -------------
mapfile -d '' fgrid < <(hexes 168 190 14 '#55704a')
$convert -size 168x190 gradient:'#23381f'-'#0c160d' "${fgrid[@]}" "$tmp/base.png"
path=(20,150 41,138 62,150 83,138 104,126 125,114 146,102)
frames=48
for ((i = 0; i < frames; i++)); do
    args=()
    steps=$(( i * ${#path[@]} / 30 )); [ $steps -gt ${#path[@]} ] && steps=${#path[@]}
    for ((k = 0; k < steps; k++)); do
        args+=(-fill '#c9a227' -stroke '#c9a227' -draw "circle ${path[$k]} $(( ${path[$k]%,*} + 4 )),${path[$k]#*,}")
        if [ $k -gt 0 ]; then args+=(-strokewidth 2 -draw "line ${path[$((k - 1))]} ${path[$k]}"); fi
    done
    alpha=0
    if [ $i -ge 18 ]; then alpha=$(( (i - 18) * 100 / 20 )); [ $alpha -gt 100 ] && alpha=100; fi
    pt=$(( 12 + (i < 30 ? i : 30) / 3 ))
    $convert "$tmp/base.png" "${args[@]}" \
        \( -size 168x190 xc:none -font "$font" -pointsize "$pt" -fill '#f2d16b' -stroke none \
           -gravity North -annotate +0+40 'Befehlswart' \
           -font "$fontr" -pointsize 11 -fill '#e8e8d8' -annotate +0+72 'für Gub' \
           -channel A -evaluate multiply "$(echo "$alpha/100" | bc -l)" +channel \) \
        -gravity NorthWest -composite -strip "$tmp/f$(printf %03d "$i").png"
done
cp "$tmp/f$(printf %03d $((frames - 1))).png" "$tmp/last.png"
$convert "$tmp/last.png" -strip -colors 64 PNG8:"$img/intro.png"
ffmpeg -loglevel error -y -framerate 12 -i "$tmp/f%03d.png" -c:v mjpeg -q:v 5 -pix_fmt yuvj420p \
    -an "$media/film.avi"

# --- contact shortcuts ----------------------------------------------------------
printf '[InternetShortcut]\r\nURL=https://befehlswart.example.org/\r\n' > "$media/Tramsel's Homepage.url"
printf '[InternetShortcut]\r\nURL=mailto:befehlswart@example.org\r\n' > "$media/Tramsel's GubMail.url"

du -sh "$here"
