#!/usr/bin/env bash
# Usage: markdown_links_test.sh SOURCE_DIR
# Every relative link in the project's Markdown files (the *.md at the root
# and under doc/) must name a file or folder that exists; a link with a
# #fragment must name a heading of that Markdown file, by the anchor GitHub
# makes of it. Links with a scheme (https:, mailto:) are not followed, and
# nothing inside code spans or fenced code blocks is a link.
set -u
cd "$1" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

files=(*.md)
while IFS= read -r file; do files+=("$file"); done < <(find doc -name '*.md' | sort)

# Prints "LINE<tab>TARGET" for each link of a Markdown file: inline links
# and images, [text](target "title"), and reference definitions,
# [label]: target.
links() {
  awk '
    /^[ \t]*(```|~~~)/ { fenced = !fenced; next }
    fenced { next }
    {
      line = $0
      gsub(/`[^`]*`/, "", line)
      if (match(line, /^[ \t]*\[[^]]+\]:[ \t]*[^ \t]+/)) {
        target = substr(line, RSTART, RLENGTH)
        sub(/^[ \t]*\[[^]]+\]:[ \t]*/, "", target)
        print NR "\t" target
        next
      }
      while (match(line, /\]\([^)]*\)/)) {
        target = substr(line, RSTART + 2, RLENGTH - 3)
        line = substr(line, RSTART + RLENGTH)
        sub(/^[ \t]+/, "", target)
        sub(/[ \t]+".*$/, "", target)
        gsub(/^<|>$/, "", target)
        print NR "\t" target
      }
    }' "$1"
}

# Prints the anchor of every heading of a Markdown file, as GitHub makes
# them: the text of the heading in lower case, without formatting or
# punctuation but "-" and "_", blanks made "-"; a repeated anchor gets
# "-1", "-2" and so on.
anchors() {
  awk '
    /^[ \t]*(```|~~~)/ { fenced = !fenced; next }
    fenced || !/^#+[ \t]/ { next }
    {
      text = $0
      sub(/^#+[ \t]+/, "", text)
      sub(/[ \t]+#+[ \t]*$/, "", text)
      while (match(text, /\[[^]]*\]\([^)]*\)/)) {
        link = substr(text, RSTART, RLENGTH)
        sub(/^\[/, "", link)
        sub(/\]\(.*$/, "", link)
        text = substr(text, 1, RSTART - 1) link substr(text, RSTART + RLENGTH)
      }
      text = tolower(text)
      gsub(/[]!"#$%&'"'"'()*+,.\/:;<=>?@[\\^`{|}~]/, "", text)
      gsub(/[ \t]/, "-", text)
      anchor = text
      if (text in seen) anchor = text "-" seen[text]
      seen[text]++
      print anchor
    }' "$1"
}

checked=0
for file in "${files[@]}"; do
  dir=$(dirname "$file")
  while IFS=$'\t' read -r line target; do
    [[ $target =~ ^[A-Za-z][A-Za-z0-9+.-]*: ]] && continue
    checked=$((checked + 1))
    path=${target%%#*}
    fragment=
    [[ $target == *#* ]] && fragment=${target#*#}
    if [[ -z $path ]]; then
      path=$file
    elif [[ $path == /* ]]; then
      path=${path#/}
    elif [[ $dir != . ]]; then
      path=$dir/$path
    fi
    if [[ ! -e $path ]]; then
      fail "$file:$line: ($target) names no file: $path"
      continue
    fi
    [[ -z $fragment ]] && continue
    if [[ $path != *.md ]]; then
      fail "$file:$line: ($target) has a fragment, but $path has no headings"
    elif ! anchors "$path" | grep -qxF -- "$fragment"; then
      fail "$file:$line: ($target) names no heading of $path"
    fi
  done < <(links "$file")
done

((failed == 0)) &&
  echo "${#files[@]} Markdown files, $checked relative links: every one resolves"
exit $failed
