# Run by the install step of the Debian package: the manual pages and the changelog
# compressed as Debian keeps them (gzip -9n: no name, no time stamp, so the same source gives
# the same bytes), and the desktop entry starting the game where the package puts it.
# Set by the caller: TESSARIX_SOURCE_DIR, TESSARIX_WORK_DIR, TESSARIX_APP_ID, TESSARIX_GAME_PATH.
file(REMOVE_RECURSE "${TESSARIX_WORK_DIR}")
file(MAKE_DIRECTORY "${TESSARIX_WORK_DIR}")

function(tessarix_gzip source target)
  execute_process(COMMAND gzip -9 -n -c "${source}" OUTPUT_FILE "${target}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${source}: ${failed}")
  endif()
endfunction()

foreach(page tessarix.6 tessarix-puzzles.6)
  tessarix_gzip("${TESSARIX_SOURCE_DIR}/data/man/${page}" "${TESSARIX_WORK_DIR}/${page}.gz")
  file(INSTALL "${TESSARIX_WORK_DIR}/${page}.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/man/man6")
endforeach()

tessarix_gzip("${TESSARIX_SOURCE_DIR}/packaging/deb/changelog"
              "${TESSARIX_WORK_DIR}/changelog.Debian.gz")
file(INSTALL "${TESSARIX_WORK_DIR}/changelog.Debian.gz"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/share/doc/tessarix")

# /usr/games is not on every PATH (root's, a session manager's), so the menu names the game
# by its full path.
set(entry "${TESSARIX_SOURCE_DIR}/data/linux/${TESSARIX_APP_ID}.desktop")
file(READ "${entry}" text)
string(REGEX REPLACE "\nExec=tessarix\n" "\nExec=${TESSARIX_GAME_PATH}\n" packaged "${text}")
if(packaged STREQUAL text)
  message(FATAL_ERROR "${entry}: no line Exec=tessarix")
endif()
file(WRITE "${TESSARIX_WORK_DIR}/${TESSARIX_APP_ID}.desktop" "${packaged}")
file(INSTALL "${TESSARIX_WORK_DIR}/${TESSARIX_APP_ID}.desktop"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
