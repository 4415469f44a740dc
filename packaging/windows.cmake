# The Windows installer, made with Debian's makensis from the cross-built program, and
# its test under Wine (silent install and uninstall, for one user and for all).
if(PENDREL_BUILD_TESTS)
  find_program(PENDREL_MAKENSIS makensis REQUIRED)
else()
  find_program(PENDREL_MAKENSIS makensis)
endif()
if(PENDREL_MAKENSIS)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(pendrel_installer_bits 64)
    set(pendrel_installer_defines -DWIN64)
  else()
    set(pendrel_installer_bits 32)
    set(pendrel_installer_defines)
  endif()
  set(pendrel_nsi ${CMAKE_CURRENT_LIST_DIR}/windows/pendrel.nsi)
  set(pendrel_installer
      ${CMAKE_BINARY_DIR}/pendrel-${PROJECT_VERSION}-win${pendrel_installer_bits}-setup.exe)
  add_custom_command(OUTPUT ${pendrel_installer}
    COMMAND ${PENDREL_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
            -DPROGRAM=$<TARGET_FILE:pendrel> -DOUTFILE=${pendrel_installer}
            ${pendrel_installer_defines} ${pendrel_nsi}
    DEPENDS pendrel ${pendrel_nsi}
    COMMENT "Making the installer ${pendrel_installer}"
    VERBATIM)
  add_custom_target(pendrel_installer ALL DEPENDS ${pendrel_installer})

  if(PENDREL_BUILD_TESTS)
    add_test(NAME WindowsInstaller
             COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/windows/installer_test.py
                     ${pendrel_installer} ${pendrel_installer_bits})
    set_tests_properties(WindowsInstaller PROPERTIES TIMEOUT 600)
  endif()
endif()
