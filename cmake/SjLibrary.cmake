# sj_library(name DEPS ... UI_DEPS ...) makes two static libraries from a folder:
#   sj_<name>     every .cpp directly in the folder: Qt-free logic, tested without a window;
#   sj_<name>_ui  every .cpp under ui/: widgets, dialogs and command groups (Qt Widgets).
# Sources are globbed so that adding a file never means editing a shared list.
function(sj_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;UI_DEPS" ${ARGN})
  file(GLOB _core CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _ui CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
  if(_core)
    add_library(sj_${name} STATIC ${_core})
    target_include_directories(sj_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(sj_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(sj_${name} INTERFACE)
    target_include_directories(sj_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(sj_${name} INTERFACE ${ARG_DEPS})
  endif()
  if(_ui)
    add_library(sj_${name}_ui STATIC ${_ui})
    set_target_properties(sj_${name}_ui PROPERTIES AUTOMOC ON)
    target_include_directories(sj_${name}_ui PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(sj_${name}_ui PUBLIC sj_${name} ${ARG_UI_DEPS}
      Qt6::Widgets Qt6::PrintSupport Qt6::Network QScintilla::QScintilla)
  endif()
endfunction()
