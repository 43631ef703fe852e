# Installs the build into a scratch folder and checks what lands there.
set(root ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${root})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${root}/usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  usr/bin/vardel
  usr/share/applications/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  usr/share/doc/vardel/copyright
  usr/share/doc/vardel/changelog.gz
  usr/share/man/man1/vardel.1.gz
  usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
  usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
  usr/share/icons/hicolor/64x64/apps/${APP_ID}.png
  usr/share/icons/hicolor/128x128/apps/${APP_ID}.png
  usr/share/icons/hicolor/256x256/apps/${APP_ID}.png)
foreach(path ${expected})
  if(NOT EXISTS ${root}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(REMOVE_RECURSE ${root})
