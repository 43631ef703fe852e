# The clients that the end-to-end, packaging and browser tests run against.
# A missing client is a configure error that names its Debian package: no
# test is left out in silence. A developer may switch clients off by hand,
#   cmake --preset default -DVARDEL_SKIP_CLIENTS="orca;weston"
# and their tests are left out, each with a message; `make test` (and so CI)
# configures with none switched off.
#
#   x11       Xvfb, xdotool, the X utilities, a session bus and the
#             accessibility bus with its Python binding
#   icewm     the window manager
#   orca      the screen reader and speech-dispatcher
#   weston    the Wayland compositor and Qt's Wayland platform
#   packaging appstreamcli, desktop-file-validate, lintian
#   chromium, firefox, webkit  the browsers of the web panel's tests
set(VARDEL_SKIP_CLIENTS "" CACHE STRING
    "Test clients switched off by hand (x11, icewm, orca, weston, packaging, chromium, firefox, webkit)")

# vardel_client(<client> FOR <tests> [PROGRAMS <program> <package> ...]
#               [PYTHON <import statement> <package> ...] [FILES <path> <package> ...])
# Sets VARDEL_HAS_<client> in the caller's scope: FALSE when the developer
# switched the client off, TRUE when every part of it is installed; stops
# the configuration, naming the packages, when a part is missing. Each
# program found is VARDEL_<PROGRAM>, in capitals, '-' as '_'.
function(vardel_client client)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "FOR" "PROGRAMS;PYTHON;FILES")
  string(REPLACE "-" "_" flag "VARDEL_HAS_${client}")
  if(client IN_LIST VARDEL_SKIP_CLIENTS)
    message(NOTICE "The test client ${client} is switched off (VARDEL_SKIP_CLIENTS): "
                   "${arg_FOR} are left out.")
    set(${flag} FALSE PARENT_SCOPE)
    return()
  endif()
  set(missing "")
  while(arg_PROGRAMS)
    list(POP_FRONT arg_PROGRAMS program package)
    string(TOUPPER "VARDEL_${program}" variable)
    string(REPLACE "-" "_" variable ${variable})
    find_program(${variable} ${program} PATHS /usr/sbin /usr/libexec /usr/lib/at-spi2-core)
    if(${variable})
      set(${variable} ${${variable}} PARENT_SCOPE)
    else()
      list(APPEND missing "${program} (Debian package ${package})")
    endif()
  endwhile()
  while(arg_PYTHON)
    list(POP_FRONT arg_PYTHON statement package)
    execute_process(COMMAND /usr/bin/python3 -c "${statement}"
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(failed)
      list(APPEND missing "the Python module of `${statement}` (Debian package ${package})")
    endif()
  endwhile()
  while(arg_FILES)
    list(POP_FRONT arg_FILES path package)
    if(NOT EXISTS "${path}")
      list(APPEND missing "${path} (Debian package ${package})")
    endif()
  endwhile()
  if(missing)
    list(JOIN missing ", " missing)
    message(FATAL_ERROR "The test client ${client}, for ${arg_FOR}, is not installed: it lacks "
                        "${missing}. Install them with `make setup-test` (scripts/install-deps.sh "
                        "test), or leave those tests out with -DVARDEL_SKIP_CLIENTS=${client}.")
  endif()
  set(${flag} TRUE PARENT_SCOPE)
endfunction()

# vardel_client_version(<client> <version> <at least> <why>)
# Stops the configuration when a client's version is below what its tests
# need, saying why and where a newer one comes from.
function(vardel_client_version client version least why)
  if(version VERSION_LESS least)
    message(FATAL_ERROR "The test client ${client} is version ${version}: ${why}; they need "
                        "version ${least} or later. Debian 12 has it in its security suite: add "
                        "bookworm-security to apt's sources (a standard installation has it, "
                        "beside bookworm and bookworm-updates) and run `make setup-test` again, "
                        "or leave these tests out with -DVARDEL_SKIP_CLIENTS=${client}.")
  endif()
endfunction()
