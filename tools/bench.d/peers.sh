# Sourced by tools/bench: builds the peers, installers of the same distribution folder made with
# the tools users know, from bench/peers.
#   build_peers DIST OUT    OUT/nsis-setup.exe (makensis) and OUT/mirel.msi (wixl, msibuild)
# The list entry's version, publisher and home page are the Windows build's (its CMake cache), as
# the program's own entry has them.
# Each tool's output goes to OUT/*.log and is shown only when it fails.

# A value of the Windows build's CMake cache.
build_setting() {
  sed -n "s/^$1:[A-Z]*=//p" "$MIREL_ROOT/build/win/CMakeCache.txt"
}

build_peers() {
  local dist=$1 out=$2 sources=$MIREL_ROOT/bench/peers
  rm -rf "$out" && mkdir -p "$out"

  # NSIS packs the folder's files itself and counts their size for the list entry.
  local version publisher home_url
  version=$(build_setting MIREL_VERSION)
  publisher=$(build_setting MIREL_PUBLISHER)
  home_url=$(build_setting MIREL_HOME_URL)
  makensis -V2 -DDIST="$dist" -DOUTFILE="$out/nsis-setup.exe" -DVERSION="$version" \
    -DPUBLISHER="$publisher" -DHOME_URL="$home_url" "$sources/Mirel.nsi" >"$out/makensis.log" 2>&1 ||
    { cat "$out/makensis.log" >&2; echo "bench: makensis failed" >&2; return 1; }

  # wixl needs every file named: the program and the module are in the source, the rest of the
  # folder comes from wixl-heat as the component group OtherFiles.
  # wixl takes sources relative to its working directory only.
  local kib name
  kib=$(du -k --apparent-size -c "$dist"/* | tail -n1 | cut -f1)
  name=$(basename "$dist")
  (cd "$dist/.." &&
   ls "$name"/* | grep -v -e '/installer\.exe$' -e '/Mirel\.DLL$' |
     wixl-heat -p "$name/" --directory-ref INSTALLDIR --component-group OtherFiles --var var.Dist \
       >"$out/files.wxs" &&
   wixl -D Dist="$name" -D Version="$version" -D EstimatedSize="$kib" \
     -D Publisher="$publisher" -D HomeUrl="$home_url" -o "$out/mirel.msi" \
     "$sources/Mirel.wxs" "$out/files.wxs") >"$out/wixl.log" 2>&1 ||
    { cat "$out/wixl.log" >&2; echo "bench: wixl failed" >&2; return 1; }

  # What wixl leaves out (the code page's texts, the self-registration): the code page first,
  # so that msibuild keeps the texts that follow.
  printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$out/_ForceCodepage.idt"
  local queries=() query
  while IFS= read -r query; do queries+=(-q "$query"); done < <("$sources/msi-fixups.py" "$sources/Mirel.wxs")
  (cd "$out" && msibuild mirel.msi -i _ForceCodepage.idt && msibuild mirel.msi "${queries[@]}") \
    >"$out/msibuild.log" 2>&1 ||
    { cat "$out/msibuild.log" >&2; echo "bench: msibuild failed" >&2; return 1; }
}
