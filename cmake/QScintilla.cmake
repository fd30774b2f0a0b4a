# The editor component. It is built from Debian's source of the very version the
# system ships (libqscintilla2-qt6-dev), with Debian's own patches and the
# project's patches in third_party/qscintilla/ applied on top: the system library
# measures every character of a line through Qt's full text layout, which makes a
# line of many megabytes take seconds to lay out on every change (see README).
# Without the source (no network on the first configure, SJ_QSCINTILLA_FROM_SOURCE
# off, or a patch that no longer applies) the system library is used instead, so
# the build never breaks; only long lines are slow then.
option(SJ_QSCINTILLA_FROM_SOURCE "Build the editor component from its patched source" ON)

set(_qsci_version 2.13.3+dfsg)
set(_qsci_pool http://deb.debian.org/debian/pool/main/q/qscintilla2)
set(_qsci_orig qscintilla2_${_qsci_version}.orig.tar.gz)
set(_qsci_orig_sha256 ac0ad6e9fe452b56d8b6fd887a685edde4494b76ce40535a13073bcd45befdf1)
set(_qsci_debian qscintilla2_${_qsci_version}-3.debian.tar.xz)
set(_qsci_debian_sha256 6d5ff194a4db9fa739e5ab9444ed3ffb52b32d8cb775693c7e37ab4c3bc96009)
if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(_sj_cache_root "$ENV{XDG_CACHE_HOME}")
else()
  set(_sj_cache_root "$ENV{HOME}/.cache")
endif()
set(SJ_DOWNLOAD_CACHE "${_sj_cache_root}/superjotleaf" CACHE PATH
    "Where downloaded source archives are kept between build directories")

# Sets ${out} to the path of the archive in the download cache, fetching it when
# it is missing, or to "" when it cannot be had with the expected SHA-256.
function(_sj_fetch_archive name sha256 out)
  set(_file "${SJ_DOWNLOAD_CACHE}/${name}")
  if(EXISTS "${_file}")
    file(SHA256 "${_file}" _have)
    if(_have STREQUAL sha256)
      set(${out} "${_file}" PARENT_SCOPE)
      return()
    endif()
    file(REMOVE "${_file}")
  endif()
  message(STATUS "Downloading ${name}")
  file(DOWNLOAD "${_qsci_pool}/${name}" "${_file}.part" TIMEOUT 300 INACTIVITY_TIMEOUT 30
       STATUS _status)
  list(GET _status 0 _code)
  set(${out} "" PARENT_SCOPE)
  if(NOT _code EQUAL 0)
    file(REMOVE "${_file}.part")
    message(WARNING "Could not download ${name}: ${_status}")
    return()
  endif()
  file(SHA256 "${_file}.part" _have)
  if(NOT _have STREQUAL sha256)
    file(REMOVE "${_file}.part")
    message(WARNING "${name} has SHA-256 ${_have}, expected ${sha256}")
    return()
  endif()
  file(RENAME "${_file}.part" "${_file}")
  set(${out} "${_file}" PARENT_SCOPE)
endfunction()

# Unpacks the source into the build directory and applies the patches; the
# stamp holds the patches' digest, so a changed patch unpacks afresh. Sets
# ${out} to the source root or "" on failure.
function(_sj_prepare_qscintilla out)
  set(${out} "" PARENT_SCOPE)
  _sj_fetch_archive(${_qsci_orig} ${_qsci_orig_sha256} _orig)
  _sj_fetch_archive(${_qsci_debian} ${_qsci_debian_sha256} _debian)
  if(NOT _orig OR NOT _debian)
    return()
  endif()
  file(GLOB _ours "${PROJECT_SOURCE_DIR}/third_party/qscintilla/*.patch")
  list(SORT _ours)
  set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_ours})
  set(_digest "${_qsci_orig_sha256}${_qsci_debian_sha256}")
  foreach(_p ${_ours})
    file(SHA256 "${_p}" _h)
    string(APPEND _digest "${_h}")
  endforeach()
  string(SHA256 _digest "${_digest}")
  set(_root "${CMAKE_BINARY_DIR}/qscintilla")
  set(_src "${_root}/qscintilla2-${_qsci_version}")
  set(_stamp "${_root}/patched.stamp")
  if(EXISTS "${_stamp}")
    file(READ "${_stamp}" _was)
    if(_was STREQUAL _digest)
      set(${out} "${_src}" PARENT_SCOPE)
      return()
    endif()
  endif()
  # Unpacked and patched beside the tree in use, then copied over it file by
  # file where the content differs, so a changed patch rebuilds only what it
  # changes.
  set(_fresh "${_root}/fresh")
  set(_fresh_src "${_fresh}/qscintilla2-${_qsci_version}")
  file(REMOVE_RECURSE "${_fresh}")
  file(ARCHIVE_EXTRACT INPUT "${_orig}" DESTINATION "${_fresh}")
  file(ARCHIVE_EXTRACT INPUT "${_debian}" DESTINATION "${_fresh_src}")
  find_program(SJ_PATCH patch)
  if(NOT SJ_PATCH)
    message(WARNING "The program patch is missing (apt-get install patch)")
    return()
  endif()
  file(STRINGS "${_fresh_src}/debian/patches/series" _series REGEX "^[^#]")
  set(_all)
  foreach(_p ${_series})
    list(APPEND _all "${_fresh_src}/debian/patches/${_p}")
  endforeach()
  list(APPEND _all ${_ours})
  foreach(_p ${_all})
    execute_process(COMMAND "${SJ_PATCH}" -p1 --forward --batch -i "${_p}"
                    WORKING_DIRECTORY "${_fresh_src}" RESULT_VARIABLE _rc OUTPUT_VARIABLE _log ERROR_VARIABLE _log)
    if(NOT _rc EQUAL 0)
      message(WARNING "${_p} does not apply to the editor component's source:\n${_log}")
      return()
    endif()
  endforeach()
  file(GLOB_RECURSE _files RELATIVE "${_fresh_src}" "${_fresh_src}/*")
  foreach(_f ${_files})
    get_filename_component(_dir "${_src}/${_f}" DIRECTORY)
    file(MAKE_DIRECTORY "${_dir}")
    file(COPY_FILE "${_fresh_src}/${_f}" "${_src}/${_f}" ONLY_IF_DIFFERENT)
  endforeach()
  file(REMOVE_RECURSE "${_fresh}")
  file(WRITE "${_stamp}" "${_digest}")
  set(${out} "${_src}" PARENT_SCOPE)
endfunction()

set(_qsci_src "")
if(SJ_QSCINTILLA_FROM_SOURCE)
  _sj_prepare_qscintilla(_qsci_src)
endif()

if(_qsci_src)
  message(STATUS "Editor component: built from ${_qsci_src} with the patches in third_party/qscintilla")
  file(GLOB _qsci_sources
       ${_qsci_src}/src/*.cpp ${_qsci_src}/scintilla/src/*.cpp
       ${_qsci_src}/scintilla/lexlib/*.cpp ${_qsci_src}/scintilla/lexers/*.cpp)
  # The Mac pasteboard is for macOS only; the LPeg lexer needs Lua and is not
  # part of the upstream library either.
  list(FILTER _qsci_sources EXCLUDE REGEX "/(MacPasteboardMime|LexLPeg)\\.cpp$")
  file(GLOB _qsci_headers ${_qsci_src}/src/*.h ${_qsci_src}/src/Qsci/*.h)
  add_library(sj_qscintilla STATIC ${_qsci_sources} ${_qsci_headers})
  set_target_properties(sj_qscintilla PROPERTIES AUTOMOC ON CXX_STANDARD 17)
  target_include_directories(sj_qscintilla SYSTEM PUBLIC ${_qsci_src}/src)
  target_include_directories(sj_qscintilla PRIVATE
    ${_qsci_src}/scintilla/include ${_qsci_src}/scintilla/lexlib ${_qsci_src}/scintilla/src)
  target_compile_definitions(sj_qscintilla PRIVATE SCINTILLA_QT SCI_LEXER INCLUDE_DEPRECATED_FEATURES)
  # Its own code is not held to the project's warning flags.
  target_compile_options(sj_qscintilla PRIVATE -w)
  target_link_libraries(sj_qscintilla PUBLIC Qt6::Widgets Qt6::PrintSupport)
  add_library(QScintilla::QScintilla ALIAS sj_qscintilla)
  set(SJ_QSCINTILLA_PATCHED ON)
else()
  if(SJ_QSCINTILLA_FROM_SOURCE)
    message(WARNING "Editor component: its source could not be prepared, using the system library; "
                    "very long lines will be slow to lay out")
  endif()
  # Debian ships QScintilla for Qt 6 without a CMake package: find it by hand.
  get_target_property(_qt6_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
  find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
    HINTS ${_qt6_core_includes}
    PATHS /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6
    PATH_SUFFIXES .. .)
  find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6)
  if(NOT QSCINTILLA_INCLUDE_DIR OR NOT QSCINTILLA_LIBRARY)
    message(FATAL_ERROR "QScintilla for Qt 6 not found (install libqscintilla2-qt6-dev)")
  endif()
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES
    IMPORTED_LOCATION "${QSCINTILLA_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QSCINTILLA_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS QSCINTILLA_DLL
    INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
  set(SJ_QSCINTILLA_PATCHED OFF)
endif()
