#!/usr/bin/env bash
# What compile and link options would take off installer.exe and Mirel.DLL: builds the two
# product binaries once per option set in build/size-probe/<name>, with the option set added to
# every compile (CMAKE_CXX_FLAGS) and link, on top of the product's own options, and prints their
# sizes as Markdown rows. Run by hand when the size goal needs a margin; nothing else uses it.
#   tools/bench.d/size-options.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

# name | compile options | link options
variants=(
  "as built||"
  "no compiler identification|-fno-ident|"
  "link-time optimisation|-flto|-flto -Oz"
  "4-byte stack alignment|-mpreferred-stack-boundary=2|"
  "the three together|-fno-ident -flto -mpreferred-stack-boundary=2|-flto -Oz"
  "no relocation section (gives up ASLR)||-Wl,--disable-reloc-section"
)

echo "| options | installer.exe | Mirel.DLL |"
echo "|---|---|---|"
base_exe= base_dll=
for variant in "${variants[@]}"; do
  IFS='|' read -r name cflags lflags <<<"$variant"
  dir=$root/build/size-probe/$(echo "$name" | tr -c 'a-z0-9\n' '-')
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-posix.cmake" \
    -DCMAKE_CXX_FLAGS="$cflags" -DCMAKE_C_FLAGS="$cflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$lflags" -DCMAKE_SHARED_LINKER_FLAGS="$lflags" >/dev/null
  cmake --build "$dir" --target MirelSetup Mirel -j"$(nproc)" >"$dir/build.log" 2>&1 ||
    { echo "| $name | build failed (see $dir/build.log) | |"; continue; }
  exe=$(stat -c %s "$dir/MirelSetup.exe")
  dll=$(stat -c %s "$dir/Mirel.DLL")
  [ -n "$base_exe" ] || { base_exe=$exe; base_dll=$dll; }
  cell() { awk -v s="$1" -v b="$2" 'BEGIN { printf "%d bytes (%.1f KiB)", s, s / 1024; if (s != b) printf ", %+d", s - b }'; }
  echo "| $name ${cflags:+\`$cflags\`} ${lflags:+\`$lflags\`} | $(cell "$exe" "$base_exe") | $(cell "$dll" "$base_dll") |"
done
