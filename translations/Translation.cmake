# The English translation of the interface, built into the window layer.
#
# lupdate gathers the interface texts (Morvane::tr in the window layer's sources, the schemes'
# texts listed in SchemeTexts.h) into morvane_en.ts, which stays in the repository: the build
# brings it up to date, so a new text appears there unfinished, waiting for its English, and a
# text no longer used leaves with its English (-no-obsolete). It records no source lines
# (-locations none), so edits elsewhere in a source leave the file as it is. lrelease compiles
# it and says how many texts are unfinished; rcc makes the result the resource
# ":/translations/morvane_en.qm" of morvane_ui.
find_program(MORVANE_LUPDATE lupdate HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" NO_DEFAULT_PATH)
find_program(MORVANE_LRELEASE lrelease HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" NO_DEFAULT_PATH)
if(NOT MORVANE_LUPDATE OR NOT MORVANE_LRELEASE)
  message(FATAL_ERROR "lupdate and lrelease of Qt 6 are missing: install qt6-l10n-tools (scripts/setup.sh does)")
endif()

set(translation_dir "${CMAKE_CURRENT_SOURCE_DIR}/translations")
set(translation_ts "${translation_dir}/morvane_en.ts")
set(translation_build_dir "${CMAKE_CURRENT_BINARY_DIR}/translations")
set(translation_qm "${translation_build_dir}/morvane_en.qm")
set(translation_qrc "${translation_build_dir}/translations.qrc")
set(translation_cpp "${translation_build_dir}/qrc_translations.cpp")

# Every source of the window layer with its header, and the list of the schemes' texts.
set(translated_sources "${translation_dir}/SchemeTexts.h")
foreach(source IN LISTS UI_SOURCES)
  if(source MATCHES "\\.cpp$")
    list(APPEND translated_sources "${source}")
    string(REGEX REPLACE "\\.cpp$" ".h" header "${source}")
    if(EXISTS "${header}")
      list(APPEND translated_sources "${header}")
    endif()
  endif()
endforeach()
string(REPLACE ";" "\n" translated_list "${translated_sources}")
file(CONFIGURE OUTPUT "${translation_build_dir}/sources.lst" CONTENT "${translated_list}\n")

add_custom_command(OUTPUT "${translation_qm}"
  COMMAND "${MORVANE_LUPDATE}" -silent -locations none -no-obsolete -source-language ru -target-language en
    -I "${CMAKE_CURRENT_SOURCE_DIR}" "@${translation_build_dir}/sources.lst" -ts "${translation_ts}"
  COMMAND "${MORVANE_LRELEASE}" "${translation_ts}" -qm "${translation_qm}"
  DEPENDS ${translated_sources} "${translation_ts}"
  COMMENT "Gathering the interface texts into translations/morvane_en.ts and compiling it"
  VERBATIM)

file(CONFIGURE OUTPUT "${translation_qrc}" CONTENT [[<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/translations">
    <file>morvane_en.qm</file>
  </qresource>
</RCC>
]])
add_custom_command(OUTPUT "${translation_cpp}"
  COMMAND Qt6::rcc --name translations --output "${translation_cpp}" "${translation_qrc}"
  DEPENDS "${translation_qrc}" "${translation_qm}" Qt6::rcc
  VERBATIM)
set_source_files_properties("${translation_cpp}" PROPERTIES SKIP_AUTOGEN ON)
target_sources(morvane_ui PRIVATE "${translation_cpp}")
