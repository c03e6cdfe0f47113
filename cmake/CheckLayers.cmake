# Fails when a source file includes a header of a higher layer, or when a
# Qt-free part of the program includes Qt. Run by the lb_layer_check target on
# every build:  cmake -DLB_SOURCE_DIR=<src> -P CheckLayers.cmake
#
cmake_minimum_required(VERSION 3.25)

# Layers, lowest first; a layer may include its own headers and those below.
set(_layers core platform store dialogs mainwindow app)
# lockerbook-cli stands beside them: the core and the POSIX part of platform.
set(_posix_platform file_io.h process_protection.h temporary_files.h)

file(GLOB_RECURSE _files RELATIVE ${LB_SOURCE_DIR} ${LB_SOURCE_DIR}/*.h ${LB_SOURCE_DIR}/*.cpp)
set(_faults)
foreach(_file ${_files})
  string(REGEX MATCH "^[a-z]+" _layer ${_file})
  get_filename_component(_name ${_file} NAME)
  list(FIND _layers ${_layer} _rank)
  set(_qt_free FALSE)
  if(_layer STREQUAL "core" OR _layer STREQUAL "cli")
    set(_qt_free TRUE)
  elseif(_layer STREQUAL "platform")
    string(REGEX REPLACE "\\.cpp$" ".h" _header ${_name})
    if(_header IN_LIST _posix_platform)
      set(_qt_free TRUE)
    endif()
  endif()
  file(STRINGS ${LB_SOURCE_DIR}/${_file} _includes REGEX "^#include [\"<]")
  foreach(_line ${_includes})
    if(_line MATCHES "^#include <(Q[A-Za-z]*)" AND _qt_free)
      list(APPEND _faults "${_file}: ${_line} (this part of the program is plain C++)")
    elseif(_line MATCHES "^#include \"([a-z]+)/([^\"]+)\"")
      set(_target ${CMAKE_MATCH_1})
      set(_header ${CMAKE_MATCH_2})
      list(FIND _layers ${_target} _target_rank)
      if(_layer STREQUAL "cli")
        if(NOT (_target STREQUAL "core" OR _target STREQUAL "cli" OR
                (_target STREQUAL "platform" AND _header IN_LIST _posix_platform)))
          list(APPEND _faults "${_file}: ${_line} (lockerbook-cli uses the core and platform's POSIX files only)")
        endif()
      elseif(_target STREQUAL "cli" OR _target_rank GREATER _rank)
        list(APPEND _faults "${_file}: ${_line} (${_target} is above ${_layer})")
      elseif(_qt_free AND _target STREQUAL "platform" AND NOT _header IN_LIST _posix_platform)
        list(APPEND _faults "${_file}: ${_line} (this part of the program is plain C++)")
      endif()
    endif()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "A lower layer includes a higher one:\n  ${_text}")
endif()
