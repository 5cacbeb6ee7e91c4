# Draws the setup rows of the benchmark as an SVG chart: for each distribution a panel, in it
# installation and uninstallation, one bar per side at its median with a line across the range of
# the runs: Mirel and the floor with their boxes, then unattended, then the peers. Reads the driver's samples file:
#   label DIST TEXT...
#   sample OPERATION DIST SIDE SECONDS...
# Usage: awk -f chart.awk samples.txt > chart.svg
BEGIN {
  nsides = split("mirel floor mirel-quiet floor-silent nsis msi", sides, " ")
  split("Mirel|floor (least code)|Mirel /quiet|floor without boxes|NSIS /S|MSI /qn", sideTitle, "|")
  split("#1f5fa8 #8c8c8c #6a9fd8 #bdbdbd #e07b22 #3a9a48", colour, " ")
  nops = split("install uninstall", ops, " ")
  split("Installation|Uninstallation", opTitle, "|")
  width = 800; left = 170; plotWidth = 470
  barHeight = 14; barGap = 5
}
$1 == "label" { key = $2; $1 = ""; $2 = ""; sub(/^ +/, ""); label[key] = $0; order[++ndists] = key; next }
$1 == "sample" {
  k = $2 SUBSEP $3 SUBSEP $4
  n = 0
  for (i = 5; i <= NF; i++) values[k, ++n] = $i * 1000
  count[k] = n
}
function median(k,    n, i, j, t, a) {
  n = count[k]
  for (i = 1; i <= n; i++) a[i] = values[k, i]
  for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
  lowest[k] = a[1]; highest[k] = a[n]
  return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
# A round step for about five ticks.
function tickStep(top,    raw, magnitude, m) {
  raw = top / 5
  magnitude = 1
  while (magnitude * 10 <= raw) magnitude *= 10
  while (magnitude > raw) magnitude /= 10
  m = raw / magnitude
  return (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10) * magnitude
}
END {
  y = 54
  body = ""
  for (d = 1; d <= ndists; d++) {
    dist = order[d]
    top = 0
    for (o = 1; o <= nops; o++) for (s = 1; s <= nsides; s++) {
      k = ops[o] SUBSEP dist SUBSEP sides[s]
      if (count[k] > 0) { mid[k] = median(k); if (highest[k] > top) top = highest[k] }
    }
    if (top <= 0) continue
    step = tickStep(top); axisTop = step * int(top / step + 1 - 1e-9)
    body = body sprintf("<text x=\"10\" y=\"%d\" class=\"panel\">%s</text>\n", y, label[dist])
    y += 14
    plotTop = y
    for (o = 1; o <= nops; o++) {
      y += 16
      body = body sprintf("<text x=\"10\" y=\"%d\" class=\"op\">%s</text>\n", y, opTitle[o])
      y += 6
      for (s = 1; s <= nsides; s++) {
        k = ops[o] SUBSEP dist SUBSEP sides[s]
        body = body sprintf("<text x=\"%d\" y=\"%d\" class=\"side\">%s</text>\n", left - 8, y + barHeight - 3, sideTitle[s])
        if (count[k] > 0) {
          x0 = left; w = mid[k] / axisTop * plotWidth
          lo = left + lowest[k] / axisTop * plotWidth; hi = left + highest[k] / axisTop * plotWidth
          cy = y + barHeight / 2
          body = body sprintf("<rect x=\"%d\" y=\"%d\" width=\"%.1f\" height=\"%d\" fill=\"%s\"/>\n", x0, y, w, barHeight, colour[s])
          body = body sprintf("<path d=\"M%.1f %.1fH%.1fM%.1f %dV%dM%.1f %dV%d\" class=\"range\"/>\n", lo, cy, hi, lo, y + 2, y + barHeight - 2, hi, y + 2, y + barHeight - 2)
          body = body sprintf("<text x=\"%.1f\" y=\"%d\" class=\"value\">%.0f ms (%.0f–%.0f)</text>\n", hi + 6, y + barHeight - 3, mid[k], lowest[k], highest[k])
        } else {
          body = body sprintf("<text x=\"%d\" y=\"%d\" class=\"value\">not measured</text>\n", left + 4, y + barHeight - 3)
        }
        y += barHeight + barGap
      }
    }
    y += 4
    for (t = 0; t <= axisTop + step / 2; t += step) {
      x = left + t / axisTop * plotWidth
      body = body sprintf("<path d=\"M%.1f %dV%d\" class=\"grid\"/>\n", x, plotTop, y)
      body = body sprintf("<text x=\"%.1f\" y=\"%d\" class=\"tick\">%g</text>\n", x, y + 14, t)
    }
    body = body sprintf("<text x=\"%d\" y=\"%d\" class=\"tick\">ms</text>\n", left + plotWidth + 30, y + 14)
    y += 44
  }
  printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", width, y - 10, width, y - 10
  print "<style>text{font-family:sans-serif;font-size:12px;fill:#222}.panel{font-size:14px;font-weight:bold}.op{font-weight:bold}.side{text-anchor:end}.value{font-size:11px;fill:#444}.tick{font-size:11px;text-anchor:middle;fill:#666}.range{stroke:#111;stroke-width:1.2;fill:none}.grid{stroke:#ddd;stroke-width:1}</style>"
  print "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>"
  printf "<text x=\"10\" y=\"20\" class=\"panel\">Setup under Wine: median of the runs, line across their range</text>\n"
  printf "%s", body
  print "</svg>"
}
