#!/bin/sh
# Makes the two logo pictures beside this script: the calculator window's banner
# (Veltr480.png, 500 x 87) and the About window's logo (Veltr400.png, 402 x 69);
# and the desktop icons in the same design, icons/NxN.png, at the sizes desktops
# look for (installed as share/icons/hicolor/NxN/apps/<application id>.png).
# Needs ImageMagick's convert and the DejaVu fonts (Debian: imagemagick,
# fonts-dejavu-core). Run it again after changing the design; the output is
# byte-identical on the same ImageMagick version, so regenerated pictures only
# show up in version control when they really changed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)

find_font() {
    # The fixed Debian path first, so that a different fontconfig setup cannot
    # quietly swap in another face; fc-match only as a fallback elsewhere.
    if [ -r "/usr/share/fonts/truetype/dejavu/$1.ttf" ]; then
        echo "/usr/share/fonts/truetype/dejavu/$1.ttf"
    elif command -v fc-match >/dev/null 2>&1; then
        fc-match -f '%{file}' "$2"
    else
        echo "make-logos.sh: font $1 not found (install fonts-dejavu-core)" >&2
        exit 1
    fi
}

bold=$(find_font DejaVuSans-Bold 'DejaVu Sans:bold')
book=$(find_font DejaVuSans 'DejaVu Sans')

name=Veltranoquisenary
subtitle='Haitovsky test of a singular correlation matrix'

dark='#16325c'
light='#2b8a99'
accent='#f2b134'

# Timestamps and other ancillary chunks would make every run produce a new file.
reproducible='-strip -define png:exclude-chunks=date,time -define png:color-type=2 -depth 8'

# make_logo FILE WIDTH HEIGHT NAME_SIZE NAME_Y SUB_SIZE SUB_Y ACCENT_Y
make_logo() {
    file=$1 width=$2 height=$3 name_size=$4 name_y=$5 sub_size=$6 sub_y=$7 accent_y=$8
    # shellcheck disable=SC2086 # $reproducible holds several options on purpose
    convert -size "${width}x${height}" -define gradient:direction=east \
        "gradient:${dark}-${light}" \
        -fill "$accent" -draw "rectangle 0,${accent_y} $((width - 1)),$((accent_y + 1))" \
        -gravity north -font "$bold" -pointsize "$name_size" \
        -fill '#0b1a33' -annotate "+2+$((name_y + 2))" "$name" \
        -fill white -annotate "+0+${name_y}" "$name" \
        -font "$book" -pointsize "$sub_size" -fill '#e8f1f5' \
        -annotate "+0+${sub_y}" "$subtitle" \
        $reproducible "png24:$here/$file"
}

make_logo Veltr480.png 500 87 38 6 14 62 55
make_logo Veltr400.png 402 69 30 4 11 48 42

# make_icon SIZE: the logo's gradient, accent bar and shadowed white lettering, as a
# "V" on a square with rounded corners. Lengths scale with the size but never drop
# below one pixel, so the bar and the shadow still show at 16 x 16.
make_icon() {
    size=$1
    max=$((size - 1))
    radius=$(((size + 4) / 8))
    bar_y=$((size * 13 / 16))
    bar_h=$(((size + 16) / 32))
    shadow=$(((size + 16) / 32))
    letter_size=$((size * 3 / 4))
    letter_y=$((-size / 16))
    mkdir -p "$here/icons"
    # shellcheck disable=SC2086 # $reproducible holds several options on purpose
    convert -size "${size}x${size}" -define gradient:direction=east \
        "gradient:${dark}-${light}" \
        -fill "$accent" -draw "rectangle 0,${bar_y} ${max},$((bar_y + bar_h - 1))" \
        -gravity center -font "$bold" -pointsize "$letter_size" \
        -fill '#0b1a33' -annotate "+${shadow}+$((letter_y + shadow))" V \
        -fill white -annotate "+0+${letter_y}" V \
        \( -size "${size}x${size}" xc:black -fill white \
           -draw "roundrectangle 0,0 ${max},${max} ${radius},${radius}" \) \
        -alpha off -compose CopyOpacity -composite \
        $reproducible -define png:color-type=6 "png32:$here/icons/${size}x${size}.png"
}

icon_sizes='16 24 32 48 64 128 256'
for size in $icon_sizes; do
    make_icon "$size"
done

for f in Veltr480.png Veltr400.png; do
    identify -format "%f %wx%h\n" "$here/$f"
done
for size in $icon_sizes; do
    identify -format "icons/%f %wx%h %[channels]\n" "$here/icons/${size}x${size}.png"
done
