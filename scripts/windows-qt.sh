# Windows build helpers, sourced by scripts/build-windows, scripts/test-windows and scripts/test.
# Qt for Windows is cross-built once from Debian's own qt6-base source (the version of
# qt6-base-dev) into a cache folder outside the tree and reused by later runs.
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
VAK_WIN_CACHE=${VAK_WIN_CACHE:-$HOME/.cache/vak-windows}
VAK_WIN_QT=$VAK_WIN_CACHE/qt6-mingw64
VAK_WIN_TRIPLET=x86_64-w64-mingw32
VAK_WIN_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                  dpkg-dev wine wine64 cmake ninja-build zip unzip x11-apps imagemagick
                  fonts-wine qt6-translations-l10n poppler-utils nsis)

vak_win_install_missing() {
  vak_install_packages "${VAK_WIN_PACKAGES[@]}"
}

vak_win_qt_ready() { [ -f "$VAK_WIN_QT/.complete" ]; }

# The system's own apt sources turned into deb-src entries in a private list, so a mirror or
# proxy configured on the machine is used and the system's apt setup stays untouched. Prints
# nothing and fails when the system names no source.
vak_win_write_source_list() {
  local out=$1 written=0 file
  : >"$out/system-src.list"
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    # deb822 stanzas: the same URIs, suites, components and keyring, as source packages.
    sed -e 's/^Types:.*/Types: deb-src/' "$file" >"$out/$(basename "$file")"
    written=1
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    if grep -Eq '^[[:space:]]*deb[[:space:]]' "$file"; then
      sed -n -E 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$file" >>"$out/system-src.list"
      written=1
    fi
  done
  [ "$written" = 1 ]
}

# Downloads qt6-base's source through the system's apt sources without touching its apt setup.
vak_win_fetch_qt_source() {
  local work=$1
  rm -rf "$work/apt"
  mkdir -p "$work/apt/sources" "$work/apt/lists/partial"
  if ! vak_win_write_source_list "$work/apt/sources"; then
    echo "No apt source is configured (/etc/apt/sources.list, /etc/apt/sources.list.d/): Qt's source cannot be fetched." >&2
    return 1
  fi
  local apt=(-o Dir::Etc::SourceParts="$work/apt/sources" -o Dir::Etc::SourceList="$work/apt/sources/system-src.list"
             -o Dir::State::Lists="$work/apt/lists")
  # A third-party source without source packages only warns; the download below decides.
  apt-get "${apt[@]}" update -qq || true
  if ! (cd "$work" && apt-get "${apt[@]}" source --download-only qt6-base >/dev/null); then
    echo "qt6-base's source is not offered by the system's apt sources (see above)." >&2
    return 1
  fi
  rm -rf "$work/src"
  (cd "$work" && dpkg-source -x qt6-base_*.dsc src >/dev/null)
}

# Builds Qt for Windows into $VAK_WIN_QT unless it is there already (about an hour on 2 cores).
vak_win_build_qt() {
  vak_win_qt_ready && return 0
  local here work
  here=$(pwd)
  work=$VAK_WIN_CACHE/qt-build
  echo "Building Qt for Windows once into $VAK_WIN_QT (about an hour on 2 cores; log in $work/build.log)"
  mkdir -p "$work" "$VAK_WIN_QT"
  # The installed Qt remembers the toolchain file's path: keep a copy beside it.
  cp "$here/cmake/mingw-w64.cmake" "$VAK_WIN_CACHE/mingw-w64.cmake"
  [ -d "$work/src" ] || vak_win_fetch_qt_source "$work"
  local features=(-DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF
                  -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
                  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
                  -DFEATURE_printsupport=ON -DFEATURE_jpeg=OFF)
  local bundled=()
  for lib in zlib pcre2 harfbuzz freetype png doubleconversion; do bundled+=("-DFEATURE_system_$lib=OFF"); done
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$VAK_WIN_CACHE/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$VAK_WIN_QT" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
    "${features[@]}" "${bundled[@]}" >"$work/configure.log" 2>&1 || { tail -n 30 "$work/configure.log"; return 1; }
  cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log"; return 1; }
  cmake --install "$work/build" >/dev/null
  touch "$VAK_WIN_QT/.complete"
  rm -rf "$work"
}

# Configures and builds the tree for Windows into DIR: "gui" with Qt from the cache (Vak.exe,
# vak-cli.exe with its sheet, every test), "core" without Qt (the core, vak-cli.exe, the core
# tests). Further arguments go to CMake.
vak_win_configure_and_build() {
  local dir=$1 kind=$2
  shift 2
  # -O2 as on Linux: GCC 12's -O3 warns falsely about std::string copies (-Wrestrict).
  local args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAK_BUILD_BENCH=ON "$@")
  if [ "$kind" = gui ]; then
    args+=(-DCMAKE_TOOLCHAIN_FILE="$VAK_WIN_QT/lib/cmake/Qt6/qt.toolchain.cmake"
           -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64.cmake" -DVAK_BUILD_GUI=ON)
  else
    args+=(-DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64.cmake" -DVAK_BUILD_GUI=OFF)
  fi
  cmake -S . -B "$dir" "${args[@]}" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# The MinGW runtime DLLs every program of the build needs beside it.
vak_win_runtime_dlls() {
  echo /usr/lib/gcc/$VAK_WIN_TRIPLET/12-posix/libstdc++-6.dll \
       /usr/lib/gcc/$VAK_WIN_TRIPLET/12-posix/libgcc_s_seh-1.dll \
       /usr/$VAK_WIN_TRIPLET/lib/libwinpthread-1.dll
}

# WINEPATH for running the build's programs in place: the runtime and, with Qt, Qt's DLLs.
vak_win_dll_path() {
  local dirs=(/usr/lib/gcc/$VAK_WIN_TRIPLET/12-posix /usr/$VAK_WIN_TRIPLET/lib)
  vak_win_qt_ready && dirs+=("$VAK_WIN_QT/bin")
  local IFS=';'
  echo "${dirs[*]}"
}

# Wine for the build's programs (also when ctest starts them): a prefix of its own, quiet, the
# DLLs found in place. The first use creates the prefix.
vak_win_env() {
  export WINEPREFIX=${WINEPREFIX:-$VAK_WIN_CACHE/wineprefix} WINEDEBUG=${WINEDEBUG:--all}
  export WINEPATH
  WINEPATH=$(vak_win_dll_path)
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
  fi
  # Wine's own Tahoma, which its dialog font "MS Shell Dlg" stands for, where programs find it;
  # without it Qt draws the dialogs in whatever serif font comes closest.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ ! -f "$fonts/tahoma.ttf" ] && [ -f /usr/share/wine/fonts/tahoma.ttf ]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/tahoma*.ttf "$fonts/"
  fi
}

# Starts Xvfb on a free display for Wine's windows, exporting DISPLAY and VAK_XVFB (its process
# id), and begins a Wine session of its own there: a session begun without a display (vak-cli.exe
# drawing a sheet) keeps a desktop where no window can be seen. WORK is a folder for its files.
vak_win_start_display() {
  local work=$1
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  VAK_XVFB=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; return 1; }
  export DISPLAY=":$(cat "$work/display")"
  vak_win_env
  wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w 2>/dev/null || true
}

vak_wine() {
  vak_win_env
  wine "$@"
}
