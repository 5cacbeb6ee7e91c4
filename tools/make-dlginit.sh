#!/usr/bin/env bash
# Turns a list of combo-box items into a dialog template's initialisation data (resource type 240).
#
#   make-dlginit.sh ITEMS OUT
#
# ITEMS is UTF-8 text, one item per line: a control ID, one blank, the item text. Blank lines and
# lines starting with '#' are skipped. Items keep their order; each becomes one add-string record
# whose text is converted to code page 932 and carries its terminator. A text that code page 932
# cannot hold stops the build.
set -euo pipefail

items=$1
out=$2
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }

line_no=0
while IFS= read -r line || [ -n "$line" ]; do
  line_no=$((line_no + 1))
  case "$line" in ''|'#'*) continue ;; esac
  id=${line%% *}
  text=${line#* }
  if ! [[ "$id" =~ ^[0-9]+$ ]] || [ "$id" -eq 0 ] || [ "$id" -gt 65535 ] || [ "$text" = "$line" ]; then
    echo "$items:$line_no: expected 'CONTROL-ID TEXT'" >&2
    exit 1
  fi
  if ! bytes=$(printf '%s' "$text" | iconv -f UTF-8 -t CP932 | od -An -v -tx1); then
    echo "$items:$line_no: text not representable in code page 932" >&2
    exit 1
  fi
  count=$(( $(wc -w <<<"$bytes") + 1 ))
  { le16 "$id"; le16 $((0x0403)); le32 "$count"
    for b in $bytes; do printf "\\x$b"; done
    printf '\0'; } >>"$tmp"
done <"$items"
printf '\0\0' >>"$tmp"
chmod 644 "$tmp"
mv "$tmp" "$out"
trap - EXIT
