# The Windows resources of Vak's programs: the icon made from res/icons/*.png (every size in one
# .ico, by ImageMagick when building), the version information and the application manifest.
enable_language(RC)
find_program(VAK_IMAGEMAGICK_CONVERT NAMES convert REQUIRED)

set(VAK_ICON ${PROJECT_BINARY_DIR}/packaging/windows/Vak.ico)
set(VAK_ICON_SIZES 16 24 32 48 64 128 256)
list(TRANSFORM VAK_ICON_SIZES REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/res/icons/vak-\\1.png" OUTPUT_VARIABLE VAK_ICON_PNGS)
# The 256-pixel image goes in as PNG, the smaller ones as 32-bit bitmaps with transparency.
add_custom_command(OUTPUT ${VAK_ICON}
  COMMAND ${VAK_IMAGEMAGICK_CONVERT} ${VAK_ICON_PNGS} ${VAK_ICON}
  DEPENDS ${VAK_ICON_PNGS}
  COMMENT "Making Vak.ico from res/icons"
  VERBATIM)
add_custom_target(vak-windows-icon DEPENDS ${VAK_ICON})

# The project's version in the four numbers Windows shows: 5.0 is 5.0.0.0.
set(VAK_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
string(REPLACE "." "," VAK_VERSION_COMMAS "${VAK_FILE_VERSION}")
set(VAK_MANIFEST ${PROJECT_BINARY_DIR}/packaging/windows/Vak.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Vak.manifest ${VAK_MANIFEST} @ONLY)

# Gives `target` the icon, the manifest and version information with `description` (Czech).
function(vak_add_windows_resources target description)
  set(VAK_RC_TARGET ${target})
  set(VAK_RC_FILE_NAME ${target}.exe)
  set(VAK_RC_DESCRIPTION "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/Resources.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${VAK_ICON};${VAK_MANIFEST}")
  add_dependencies(${target} vak-windows-icon)
endfunction()

# What the installer script takes from the build: the version and the icon.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/packaging/windows/Installer.nsh
  CONTENT "!define VAK_VERSION \"${PROJECT_VERSION}\"\n!define VAK_FILE_VERSION \"${VAK_FILE_VERSION}\"\n!define VAK_ICON \"${VAK_ICON}\"\n")
