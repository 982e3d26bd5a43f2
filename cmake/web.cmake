# The browser build, configured with emcmake by tools/web-build. SDL2, SDL2_ttf,
# FreeType, HarfBuzz and libjpeg come from the folder HELI_WEB_PREFIX (built there from
# Debian's source packages), OpenAL is emscripten's own on Web Audio. The pictures,
# sounds, level files and the font travel in the page's data file.
set(HELI_WEB_PREFIX "" CACHE PATH "Where tools/web-build installed the browser build's libraries")
set(HELI_WEB_FONTS /usr/share/fonts/truetype/dejavu CACHE PATH "The folder of DejaVuSans.ttf and DejaVuSans-Bold.ttf")
if(NOT EXISTS "${HELI_WEB_PREFIX}/lib/libSDL2.a")
  message(FATAL_ERROR "HELI_WEB_PREFIX must hold the libraries tools/web-build makes")
endif()
foreach(face DejaVuSans DejaVuSans-Bold)
  if(NOT EXISTS "${HELI_WEB_FONTS}/${face}.ttf")
    message(FATAL_ERROR "${HELI_WEB_FONTS}/${face}.ttf is missing (package fonts-dejavu-core)")
  endif()
endforeach()

# The game catches exceptions (a damaged level file, a demo that cannot be read).
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

add_library(heli_web_libraries INTERFACE)
target_include_directories(heli_web_libraries SYSTEM INTERFACE
                           ${HELI_WEB_PREFIX}/include ${HELI_WEB_PREFIX}/include/SDL2)
target_link_libraries(heli_web_libraries INTERFACE
                      ${HELI_WEB_PREFIX}/lib/libSDL2_ttf.a ${HELI_WEB_PREFIX}/lib/libharfbuzz.a
                      ${HELI_WEB_PREFIX}/lib/libfreetype.a
                      ${HELI_WEB_PREFIX}/lib/libSDL2.a ${HELI_WEB_PREFIX}/lib/libjpeg.a openal)
set(HELI_MEDIA_LIBRARIES heli_web_libraries)

# No PNG library in the page: the browser encodes its pictures. The picture-list
# writer is for the native tools.
list(REMOVE_ITEM MEDIA_SOURCES ${CMAKE_SOURCE_DIR}/media/png_writer.cpp
     ${CMAKE_SOURCE_DIR}/media/lta_writer.cpp)
list(APPEND MEDIA_SOURCES ${CMAKE_SOURCE_DIR}/media/web/png_writer.cpp)

# The program as heli-rescue.js, .wasm and .data, beside the page (index.html).
function(heli_web_page target)
  set(packed)
  foreach(f ${HELI_ASSET_FILES})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/assets ${f})
    list(APPEND packed "SHELL:--preload-file ${f}@/assets/${rel}")
  endforeach()
  foreach(f ${LEVEL_FILES} ${LEVEL_FILES_EN})
    file(RELATIVE_PATH n ${CMAKE_SOURCE_DIR}/assets/data ${f})
    list(APPEND packed "SHELL:--preload-file ${f}@/data/${n}")
  endforeach()
  # The program's folder is the root: the catalogue goes where the native one is.
  list(APPEND packed
       "SHELL:--preload-file ${HELI_CATALOGUE}@/locale/en/LC_MESSAGES/heli-rescue.mo")
  foreach(face DejaVuSans DejaVuSans-Bold)
    list(APPEND packed "SHELL:--preload-file ${HELI_WEB_FONTS}/${face}.ttf@/fonts/${face}.ttf")
  endforeach()
  # The C library's file reading for gettext, mended (see the file).
  target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/shell/web/map_file.cpp)
  set(pre_js ${CMAKE_SOURCE_DIR}/shell/web/pre.js)
  target_link_options(${target} PRIVATE
    ${packed} "SHELL:--pre-js ${pre_js}" -lidbfs.js -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
    -sINITIAL_MEMORY=67108864 -sUSE_SDL=0 -sERROR_ON_UNDEFINED_SYMBOLS=1)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
               ${pre_js} ${HELI_ASSET_FILES} ${LEVEL_FILES} ${LEVEL_FILES_EN} ${HELI_CATALOGUE})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/index.html
                     COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/shell/web/index.html
                             ${CMAKE_BINARY_DIR}/index.html
                     DEPENDS ${CMAKE_SOURCE_DIR}/shell/web/index.html VERBATIM)
  add_custom_target(web_page ALL DEPENDS ${CMAKE_BINARY_DIR}/index.html ${target})
endfunction()
