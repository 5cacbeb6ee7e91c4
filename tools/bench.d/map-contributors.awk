# Bytes each input file puts into the loaded sections of a GNU ld map (tools/bench): "bytes file" lines.
/^Linker script and memory map/ { inMap = 1; next }
!inMap { next }
/^[.][A-Za-z_]/ {
  section = $1
  counted = (section ~ /^[.](text|data|rdata|eh_frame|rsrc|idata|CRT|tls|pdata|xdata)$/)
  pending = ""
  next
}
!counted { next }
/^ [.]/ && NF == 1 { pending = $1; next }
/^ [.]/ && NF >= 4 && $3 ~ /^0x/ { add(hex($3), $4); next }
pending != "" && NF >= 3 && $1 ~ /^0x/ && $2 ~ /^0x/ { add(hex($2), $3); pending = ""; next }
function add(size, file) {
  sub(/.*\//, "", file)
  bytes[file] += size
}
END { for (f in bytes) if (bytes[f] > 0) printf "%d %s\n", bytes[f], f }
function hex(text,    i, value) {
  value = 0
  text = tolower(substr(text, 3))
  for (i = 1; i <= length(text); i++)
    value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
  return value
}
