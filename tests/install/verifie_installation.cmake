# cmake -P script: installs ARBRE_CONSTRUCTION into PREFIXE and checks what lands
# there, leaving the build tree's own install_manifest.txt as it was.
cmake_minimum_required(VERSION 3.25)

function(echec message)
    message(FATAL_ERROR "installation: ${message}")
endfunction()

function(verifie_existe chemin)
    if(NOT EXISTS "${chemin}")
        echec("missing ${chemin}")
    endif()
endfunction()

# A PNG of the given side, read from its header.
function(verifie_png chemin cote)
    verifie_existe("${chemin}")
    file(READ "${chemin}" entete HEX LIMIT 24)
    string(SUBSTRING "${entete}" 0 16 signature)
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        echec("${chemin} is not a PNG")
    endif()
    string(SUBSTRING "${entete}" 32 8 largeur)
    string(SUBSTRING "${entete}" 40 8 hauteur)
    math(EXPR largeur "0x${largeur}")
    math(EXPR hauteur "0x${hauteur}")
    if(NOT largeur EQUAL cote OR NOT hauteur EQUAL cote)
        echec("${chemin} is ${largeur} x ${hauteur}, not ${cote} x ${cote}")
    endif()
endfunction()

# The build tree's own manifest, which uninstalling a real install reads.
set(manifeste_reel "${ARBRE_CONSTRUCTION}/install_manifest.txt")
function(empreinte_manifeste_reel resultat)
    if(EXISTS "${manifeste_reel}")
        file(SHA256 "${manifeste_reel}" empreinte)
        set(${resultat} "${empreinte}" PARENT_SCOPE)
    else()
        set(${resultat} "absent" PARENT_SCOPE)
    endif()
endfunction()
empreinte_manifeste_reel(manifeste_avant)

# The install runs the build tree's install script from a copy that writes its
# manifest beside the scratch prefix instead (cmake --install offers no
# option for that).
file(REMOVE_RECURSE "${PREFIXE}" "${PREFIXE}-script")
file(READ "${ARBRE_CONSTRUCTION}/cmake_install.cmake" script)
set(ecriture "file(WRITE \"${ARBRE_CONSTRUCTION}/\${CMAKE_INSTALL_MANIFEST}\"")
string(FIND "${script}" "${ecriture}" position)
if(position EQUAL -1)
    echec("cmake_install.cmake does not write its manifest as expected")
endif()
string(REPLACE "${ecriture}" "file(WRITE \"${PREFIXE}-script/\${CMAKE_INSTALL_MANIFEST}\""
               script "${script}")
file(WRITE "${PREFIXE}-script/cmake_install.cmake" "${script}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DCMAKE_INSTALL_PREFIX=${PREFIXE}"
            -P "${PREFIXE}-script/cmake_install.cmake"
    RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs)
if(NOT resultat EQUAL 0)
    echec("the install failed: ${sortie}${erreurs}")
endif()

# The programs alone in bin/; the help files and the example scenarios,
# unchanged, in share/quorvel/, where the program looks from ../share/quorvel.
set(bin "${PREFIXE}/${REP_BIN}")
set(partage "${PREFIXE}/${REP_DONNEES}/quorvel")
foreach(nom Quorvel.hlp QuorvelE.hlp scenarios/fr/1-derive.quorvel scenarios/en/4-alleles.quorvel)
    verifie_existe("${partage}/${nom}")
    file(SHA256 "${partage}/${nom}" installe)
    get_filename_component(source_nom "${SOURCE_AIDE}/../${nom}" ABSOLUTE)
    if(nom MATCHES "hlp$")
        set(source_nom "${SOURCE_AIDE}/${nom}")
    endif()
    file(SHA256 "${source_nom}" source)
    if(NOT installe STREQUAL source)
        echec("${partage}/${nom} differs from its source")
    endif()
endforeach()
file(GLOB dans_bin RELATIVE "${bin}" "${bin}/*")
list(SORT dans_bin)
if(AVEC_EXECUTABLE)
    set(attendus quorvel quorvel-sim)
else()
    set(attendus quorvel-sim)
endif()
if(NOT dans_bin STREQUAL attendus)
    echec("${bin} holds ${dans_bin}, not only ${attendus}")
endif()

# The scenario files' type, the metainfo, the manual pages, the package's
# documentation.
foreach(nom mime/packages/quorvel.xml metainfo/org.quorvel.quorvel.metainfo.xml
            man/man1/quorvel.1.gz man/man1/quorvel-sim.1.gz doc/quorvel/copyright
            doc/quorvel/changelog.gz)
    verifie_existe("${PREFIXE}/${REP_DONNEES}/${nom}")
endforeach()

# The menu entry starts the installed executable by its full path, with the
# scenario file double-clicked.
set(entree "${PREFIXE}/${REP_DONNEES}/applications/quorvel.desktop")
verifie_existe("${entree}")
file(STRINGS "${entree}" lignes ENCODING UTF-8)
list(GET lignes 0 premiere)
if(NOT premiere STREQUAL "[Desktop Entry]")
    echec("${entree} does not start with [Desktop Entry]")
endif()
foreach(attendue "Type=Application" "Name=Quorvel" "Exec=${bin}/quorvel %f" "Icon=quorvel"
                 "Terminal=false" "MimeType=application/x-quorvel-scenario;")
    if(NOT attendue IN_LIST lignes)
        echec("${entree} lacks the line ${attendue}")
    endif()
endforeach()

foreach(cote 48 128 256)
    verifie_png("${PREFIXE}/${REP_DONNEES}/icons/hicolor/${cote}x${cote}/apps/quorvel.png" ${cote})
endforeach()

empreinte_manifeste_reel(manifeste_apres)
if(NOT manifeste_apres STREQUAL manifeste_avant)
    echec("the test's install changed ${manifeste_reel}")
endif()

# Every installed file is in the manifest that uninstalling reads.
file(STRINGS "${PREFIXE}-script/install_manifest.txt" manifeste)
file(GLOB_RECURSE installes LIST_DIRECTORIES false "${PREFIXE}/*")
foreach(fichier IN LISTS installes)
    if(NOT fichier IN_LIST manifeste)
        echec("${fichier} is installed but not in install_manifest.txt")
    endif()
endforeach()
message(STATUS "installation: ${PREFIXE} holds the expected tree")
