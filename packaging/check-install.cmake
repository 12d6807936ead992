# Installs the package's files into a scratch folder and checks what a desktop needs:
#   cmake -DBUILD_DIR=... -DSTAGE=... -DAPP_ID=... -DICON_SIZES=16;24;...
#         [-DDESKTOP_VALIDATE=...] [-DAPPSTREAMCLI=...] -P check-install.cmake
foreach(required BUILD_DIR STAGE APP_ID ICON_SIZES)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "${required} not given")
  endif()
endforeach()

set(failures "")
macro(fail text)
  list(APPEND failures "${text}")
endmacro()

file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}/usr"
                        --component velmora
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(share "${STAGE}/usr/share")
set(desktop "${share}/applications/${APP_ID}.desktop")
set(metainfo "${share}/metainfo/${APP_ID}.metainfo.xml")
foreach(file "${STAGE}/usr/bin/Velmora" "${desktop}" "${metainfo}"
             "${share}/man/man1/Velmora.1.gz" "${share}/doc/velmora/copyright"
             "${share}/doc/velmora/changelog.gz")
  if(NOT EXISTS "${file}")
    fail("missing ${file}")
  endif()
endforeach()

# Each hicolor folder must hold a PNG of exactly its size: width and height are the
# big-endian words at bytes 16 and 20 of the IHDR chunk.
foreach(size IN LISTS ICON_SIZES)
  set(icon "${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  if(NOT EXISTS "${icon}")
    fail("missing ${icon}")
    continue()
  endif()
  file(READ "${icon}" signature LIMIT 8 HEX)
  file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    fail("${icon} is not a PNG")
  elseif(NOT width EQUAL size OR NOT height EQUAL size)
    fail("${icon} is ${width}x${height}, not ${size}x${size}")
  endif()
endforeach()

# The desktop entry must start the installed executable and name the installed icon.
if(EXISTS "${desktop}")
  file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
  file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
  if(NOT exec_line STREQUAL "Exec=Velmora")
    fail("desktop entry starts '${exec_line}', not the installed Velmora")
  endif()
  if(NOT icon_line STREQUAL "Icon=${APP_ID}")
    fail("desktop entry names '${icon_line}', not the installed icon ${APP_ID}")
  endif()
endif()

if(DESKTOP_VALIDATE AND EXISTS "${desktop}")
  execute_process(COMMAND "${DESKTOP_VALIDATE}" "${desktop}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate: ${out}")
  endif()
endif()
if(APPSTREAMCLI)
  # validate-tree also checks that the metainfo's launchable names an installed entry.
  execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --pedantic "${STAGE}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR NOT out MATCHES "Validation was successful\\.[ \n]*$")
    fail("appstreamcli validate-tree: ${out}")
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Install tree check failed:\n  ${text}")
endif()
message(STATUS "Install tree in ${STAGE} is complete")
