# Installs the build into a scratch prefix and checks that a desktop finds
# everything there: the programs, man pages, help pages, desktop entries,
# icons and the program file type. Run by ctest with -DBUILD_DIR, -DPREFIX
# and -DFRONT_END (ON when promptsweep_ui is built).

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/tessellar bin/promptsweep bin/opdump bin/scfedit
  share/man/man1/tessellar.1.gz share/man/man1/promptsweep.1.gz share/man/man1/opdump.1.gz share/man/man1/scfedit.1.gz
  share/tessellar/help/index.html share/tessellar/help/style.css share/tessellar/help/page-colour.html
  share/applications/tessellar.desktop
  share/mime/packages/tessellar.xml
  share/icons/hicolor/scalable/apps/tessellar.svg
  share/doc/tessellar/copyright share/doc/tessellar/changelog.Debian.gz)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tessellar.png)
endforeach()
if(FRONT_END)
  list(APPEND expected share/applications/promptsweep_ui.desktop share/icons/hicolor/scalable/apps/promptsweep_ui.svg)
endif()

set(missing)
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
# A man page installed twice (plain and compressed) would shadow its
# compressed copy.
file(GLOB plain_man_pages ${PREFIX}/share/man/man1/*.1)
if(missing OR plain_man_pages)
  message(FATAL_ERROR "missing from the install: ${missing}; not compressed: ${plain_man_pages}")
endif()
file(REMOVE_RECURSE ${PREFIX})
