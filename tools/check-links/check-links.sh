#!/usr/bin/env bash
# Checks that every relative link and picture of README.md and docs/*.md
# leads somewhere: the file exists and, for a link with #anchor into a
# Markdown file, that file has a heading of that anchor (as the forges make
# them: lower case, punctuation dropped, spaces as hyphens). Links with a
# scheme (https:, mailto:) are left alone; fenced code and code spans are
# skipped. Also checks that each screenshot of the AppStream metainfo names,
# after its host, a file of the repository. Prints every broken link.
#
# usage: tools/check-links/check-links.sh [SOURCE_FOLDER]
set -euo pipefail

top=${1:-$(dirname "$0")/../..}
cd "$top"
broken=0
checked=0

# links FILE: "LINE TARGET" for each link and picture of a Markdown file.
links() {
    awk '/^[ \t]*```/ { fenced = !fenced; next }
         fenced { next }
         { line = $0
           gsub(/`[^`]*`/, "", line)
           while (match(line, /\]\([^) \t]+/)) {
               print FNR, substr(line, RSTART + 2, RLENGTH - 2)
               line = substr(line, RSTART + RLENGTH)
           } }' "$1"
}

# anchors FILE: the anchor of each heading of a Markdown file, the second
# heading of a name getting -1, the third -2.
anchors() {
    awk '/^[ \t]*```/ { fenced = !fenced; next }
         !fenced && /^#+ / {
             text = $0
             sub(/^#+ +/, "", text); sub(/ +#* *$/, "", text)
             text = tolower(text)
             gsub(/[!-,.\/:-@[-^`{-~]/, "", text)
             gsub(/ /, "-", text)
             print (seen[text]++ ? text "-" seen[text] - 1 : text)
         }' "$1"
}

report() {
    echo "$1${2:+:$2}: $3"
    broken=$((broken + 1))
}

for file in README.md docs/*.md; do
    [[ -e $file ]] || continue
    while read -r line target; do
        checked=$((checked + 1))
        [[ $target =~ ^[a-zA-Z][a-zA-Z0-9+.-]*: ]] && continue
        path=${target%%#*}
        anchor=
        [[ $target == *'#'* ]] && anchor=${target#*#}
        if [[ -z $path ]]; then
            resolved=$file
        else
            resolved=$(dirname "$file")/$path
            [[ -e $resolved ]] || { report "$file" "$line" "$target: no such file"; continue; }
        fi
        if [[ -n $anchor && $resolved == *.md ]] &&
            ! anchors "$resolved" | grep -qxF -- "$anchor"; then
            report "$file" "$line" "$target: no heading #$anchor in $resolved"
        fi
    done < <(links "$file")
done

for metainfo in data/*.metainfo.xml; do
    while read -r url; do
        checked=$((checked + 1))
        path=${url#*://*/}
        [[ -f $path ]] || report "$metainfo" "" "$url: no $path in the repository"
    done < <(sed -n 's|.*<image[^>]*>\([^<]*\)</image>.*|\1|p' "$metainfo")
done

if ((broken > 0)); then
    echo "FAIL: $broken of $checked links are broken"
    exit 1
fi
echo "PASS: $checked links"
