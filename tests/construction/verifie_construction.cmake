# cmake -P script: configures the release preset of SOURCE into ARBRE, without
# GoogleTest, and checks that its default build links the two programs alone.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${ARBRE}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${ARBRE}" --preset release
            -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
    RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "construction: the release preset needs more than the program: ${erreurs}")
endif()

execute_process(COMMAND "${NINJA}" -C "${ARBRE}" -n all
                RESULT_VARIABLE resultat OUTPUT_VARIABLE plan ERROR_VARIABLE erreurs)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "construction: ninja -n failed: ${erreurs}")
endif()
string(REGEX MATCHALL "Linking CXX executable [^\n]+" executables "${plan}")
list(SORT executables)
if(NOT executables STREQUAL
   "Linking CXX executable bin/quorvel;Linking CXX executable bin/quorvel-sim")
    message(FATAL_ERROR "construction: the release build makes ${executables}")
endif()
file(REMOVE_RECURSE "${ARBRE}")
