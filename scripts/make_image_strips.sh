#!/usr/bin/env bash
# Makes the program's image strips from the Tango icon theme (public domain, Debian
# package tango-icon-theme) with ImageMagick. Each strip is one row of images side by
# side, written as raw 32-bit pixels (blue, green, red, alpha; rows top-down; straight
# alpha) for CreateBitmap, plus a PNG of the same strip to look at.
#
#   make_image_strips.sh OUTPUT_FOLDER
#
# Strips (file strip_K.bgra for image-list kind K):
#   1  37 images 16x16  main toolbar (small), panel tabs, menu bitmaps
#   2  37 images 24x24  main toolbar (large): the same images as kind 1
#   3  10 images 16x16  folder view toolbar
#   4  28 images 16x16  symbol tree
#   5   3 images 16x16  find-results toolbar
#   6   9 images 10x16  document tabs
#   7  12 images 16x16  build configurations, one per toolset
#   8   5 images 16x16  favorites organizer
#
# An entry names its icon by the theme's folder and file name. Made-up images:
#   over:BASE:BADGE   BADGE at 60 % of the size on the bottom-right of BASE
#   pair:ICON         ICON twice at 75 %, top-left and bottom-right (several of it)
#   glyph:CHAR        one character of DejaVu Sans Bold (fonts-dejavu-core) in the
#                     theme's dark grey, for the one idea the theme has no icon for
#   empty             a transparent image
set -euo pipefail

out="${1:?output folder}"
tango="${TANGO_DIR:-/usr/share/icons/Tango}"
font="${GLYPH_FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The Tango size folder that best serves an image of the given size.
source_size() { if [ "$1" -le 16 ]; then echo 16; else echo 24; fi; }

icon() { # name size -> path of the theme's PNG
    local path="$tango/$(source_size "$2")x$(source_size "$2")/$1.png"
    [ -e "$path" ] || { echo "make_image_strips: missing icon $path" >&2; exit 1; }
    echo "$path"
}

# Makes one square image (size x size) of an entry into a file.
make_square() { # entry size file
    local entry="$1" s="$2" file="$3"
    case "$entry" in
    empty)
        convert -size "${s}x${s}" xc:none "PNG32:$file" ;;
    glyph:*)
        convert -size "${s}x${s}" xc:none -font "$font" -pointsize $((s * 15 / 16)) -fill '#2e3436' \
                -gravity center -annotate +0+0 "${entry#glyph:}" "PNG32:$file" ;;
    over:*)
        local rest="${entry#over:}" base="${entry#over:}"
        base="${rest%%:*}"
        local badge="${rest#*:}"
        local b=$((s * 60 / 100))
        convert "$(icon "$base" "$s")" -resize "${s}x${s}" \
                \( "$(icon "$badge" "$s")" -resize "${b}x${b}" \) -gravity southeast -composite \
                -background none -extent "${s}x${s}" "PNG32:$file" ;;
    pair:*)
        local name="${entry#pair:}" p=$((s * 75 / 100))
        convert -size "${s}x${s}" xc:none \
                \( "$(icon "$name" "$s")" -resize "${p}x${p}" \) -gravity northwest -composite \
                \( "$(icon "$name" "$s")" -resize "${p}x${p}" \) -gravity southeast -composite "PNG32:$file" ;;
    *)
        convert "$(icon "$entry" "$s")" -resize "${s}x${s}" -background none -gravity center \
                -extent "${s}x${s}" "PNG32:$file" ;;
    esac
}

# Makes one strip: kind, image width, image height, entries...
# A document-tab image (10 x 16) is its icon at 10 x 10, centred; an entry
# "stack:TOP:BOTTOM" there puts two 8 x 8 icons above each other.
make_strip() {
    local kind="$1" w="$2" h="$3"
    shift 3
    local files=() i=0 entry
    for entry in "$@"; do
        local file="$work/k${kind}_$(printf %02d $i).png"
        if [ "$w" = "$h" ]; then
            make_square "$entry" "$w" "$file"
        else
            case "$entry" in
            stack:*)
                local rest="${entry#stack:}"
                convert -size "${w}x${h}" xc:none \
                        \( "$(icon "${rest%%:*}" 16)" -resize 8x8 \) -gravity north -composite \
                        \( "$(icon "${rest#*:}" 16)" -resize 8x8 \) -gravity south -composite "PNG32:$file" ;;
            *)
                make_square "$entry" "$w" "$work/sq.png"
                convert "$work/sq.png" -background none -gravity center -extent "${w}x${h}" "PNG32:$file" ;;
            esac
        fi
        files+=("$file")
        i=$((i + 1))
    done
    convert "${files[@]}" -background none +append +repage "PNG32:$out/strip_$kind.png"
    # Fully transparent pixels become black, so that nothing of them shows anywhere.
    convert "$out/strip_$kind.png" -background black -alpha background -depth 8 "BGRA:$out/strip_$kind.bgra"
    local expected=$(( w * h * 4 * $# ))
    local size
    size=$(stat -c %s "$out/strip_$kind.bgra")
    [ "$size" = "$expected" ] || { echo "make_image_strips: strip $kind is $size bytes, not $expected" >&2; exit 1; }
}

# Main toolbar images; the index is the image number of the button table.
toolbar=(
    actions/document-new                            #  0 new
    actions/document-open                           #  1 open
    actions/document-save                           #  2 save
    pair:actions/document-save                      #  3 save all
    actions/edit-undo                               #  4 undo
    actions/edit-redo                               #  5 redo
    actions/edit-cut                                #  6 cut
    actions/edit-copy                               #  7 copy
    actions/edit-paste                              #  8 paste
    over:actions/format-justify-left:actions/go-jump  #  9 word wrap
    glyph:¶                                         # 10 show line ends
    actions/edit-find                               # 11 find
    actions/edit-find-replace                       # 12 replace
    places/folder-saved-search                      # 13 find in files
    actions/go-jump                                 # 14 go to line (no button shows it)
    actions/view-refresh                            # 15 reload (no button shows it)
    actions/view-fullscreen                         # 16 full screen
    apps/system-file-manager                        # 17 side page: folder view
    mimetypes/x-office-address-book                 # 18 side page: symbols
    mimetypes/text-x-generic-template               # 19 side page: snippets
    apps/help-browser                               # 20 side page: help
    apps/utilities-system-monitor                   # 21 bottom page: output
    over:actions/format-justify-fill:actions/system-search  # 22 bottom page: find results 1
    over:mimetypes/text-x-generic:actions/system-search     # 23 bottom page: find results 2
    apps/utilities-terminal                         # 24 command prompt for the configuration
    categories/applications-development             # 25 build
    over:categories/applications-system:actions/system-search  # 26 debug
    over:categories/applications-development:actions/go-next  # 27 build with the fourth word
    categories/preferences-system                   # 28 options
    apps/preferences-desktop-keyboard-shortcuts     # 29 keyboard shortcuts (no button shows it)
    actions/window-new                              # 30 new window (no button shows it)
    apps/preferences-desktop-font                   # 31 editor font
    over:places/folder:emblems/emblem-favorite      # 32 organize favorites
    places/folder                                   # 33 favorites category (menu)
    over:mimetypes/text-x-generic:emblems/emblem-unreadable  # 34 missing file (menu)
    over:places/folder:emblems/emblem-unreadable    # 35 missing folder (menu)
    actions/bookmark-new                            # 36 add favorite
)
make_strip 1 16 16 "${toolbar[@]}"
make_strip 2 24 24 "${toolbar[@]}"

folder_view=(
    actions/go-previous                             # 0 back
    actions/go-next                                 # 1 forward
    actions/go-up                                   # 2 up one level
    actions/document-new                            # 3 new file
    actions/folder-new                              # 4 new folder
    actions/edit-delete                             # 5 delete
    over:mimetypes/text-x-generic:actions/go-jump   # 6 show the current document
    actions/bookmark-new                            # 7 add to favorites
    apps/preferences-system-windows                 # 8 view mode
    actions/view-refresh                            # 9 refresh (no button shows it)
)
make_strip 3 16 16 "${folder_view[@]}"

symbols=(
    categories/applications-system                  #  0 function, method, file name
    actions/format-indent-more                      #  1 member
    mimetypes/package-x-generic                     #  2 class, procedure, event, process
    mimetypes/x-office-spreadsheet                  #  3 structure
    apps/preferences-system-windows                 #  4 interface, enum name, program, component
    actions/format-justify-fill                     #  5 enum
    mimetypes/text-x-script                         #  6 macro, module
    mimetypes/font-x-generic                        #  7 typedef
    mimetypes/x-office-document                     #  8 prototype, variable
    places/folder                                   #  9 namespace, record, table, package ...
    actions/edit-copy                               # 10 union, task, singleton, mixin, attribute
    actions/document-properties                     # 11 property, field
    mimetypes/unknown                               # 12 unknown, net
    devices/network-wired                           # 13 port
    devices/media-flash                             # 14 register
    emblems/emblem-readonly                         # 15 constant, label
)
# Images 16-27 belong to no category yet: the unknown symbol.
for i in $(seq 16 27); do symbols+=(mimetypes/unknown); done
make_strip 4 16 16 "${symbols[@]}"

results=(
    actions/process-stop                            # 0 stop
    actions/edit-clear                              # 1 clear
    pair:actions/document-open                      # 2 open all
)
make_strip 5 16 16 "${results[@]}"

tabs=(
    empty                                           # 0 no image
    mimetypes/package-x-generic                     # 1 project
    categories/applications-development             # 2 active project
    emblems/emblem-readonly                         # 3 read-only
    stack:mimetypes/package-x-generic:emblems/emblem-readonly           # 4 read-only project
    stack:categories/applications-development:emblems/emblem-readonly   # 5 read-only active project
    actions/document-save                           # 6 modified
    stack:mimetypes/package-x-generic:actions/document-save             # 7 modified project
    stack:categories/applications-development:actions/document-save     # 8 modified active project
)
make_strip 6 10 16 "${tabs[@]}"

toolsets=()
for i in $(seq 0 10); do toolsets+=(categories/applications-development); done   # 0-10 Visual C++ 6.0 to 2022
toolsets+=(apps/utilities-terminal)                                               # 11 MinGW
make_strip 7 16 16 "${toolsets[@]}"

favorites=(
    emblems/emblem-favorite                         # 0 root
    places/folder                                   # 1 category
    over:mimetypes/text-x-generic:emblems/emblem-unreadable  # 2 missing file
    over:places/folder:emblems/emblem-unreadable    # 3 missing folder
    actions/list-remove                             # 4 separator
)
make_strip 8 16 16 "${favorites[@]}"
