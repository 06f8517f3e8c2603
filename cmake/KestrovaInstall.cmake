# The installed game keeps the rule of the build tree: the stud book lies beside the programs that
# read it, in a folder of their own. The commands on the PATH are relative symbolic links into that
# folder; the programs find their folder through /proc/self/exe, which names the link's target.
include(GNUInstallDirs)

set(KESTROVA_APP_ID io.github.kestrova.Kestrova)
set(KESTROVA_INSTALL_PROGRAM_DIR lib/kestrova CACHE STRING
    "Folder, relative to the prefix, of the game, the maintainer's tool and the stud book")
set(KESTROVA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/desktop)

install(TARGETS kestrova kestrova-tool RUNTIME DESTINATION ${KESTROVA_INSTALL_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/UMA1.dat ${PROJECT_SOURCE_DIR}/data/UMA2.dat ${PROJECT_SOURCE_DIR}/data/UMA3.dat
        DESTINATION ${KESTROVA_INSTALL_PROGRAM_DIR})

file(RELATIVE_PATH program_dir_from_bin_dir
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${KESTROVA_INSTALL_PROGRAM_DIR})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/path-links)
foreach(program kestrova kestrova-tool)
  file(CREATE_LINK ${program_dir_from_bin_dir}/${program} ${CMAKE_BINARY_DIR}/path-links/${program} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/path-links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${KESTROVA_DESKTOP_DIR}/${KESTROVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KESTROVA_DESKTOP_DIR}/${KESTROVA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KESTROVA_DESKTOP_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kestrova)
