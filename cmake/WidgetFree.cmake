# The program's logic is built without Qt Widgets, and the build keeps it so.
#
# razudar_widget_free(<target>...) marks targets that must not use Qt Widgets: the logic
# libraries, and the tests and fuzz targets over them.
# - Compiling: for these targets every header of Qt Widgets, and of the Qt modules built on it
#   (Print Support, OpenGL Widgets), resolves to a header of ours that stops the compile and says
#   why, however it is spelled (<QWidget>, <QtWidgets/QWidget>, <QtWidgets>, "QWidget",
#   <qwidget.h>, <qt6/QtWidgets/QWidget>), whether a source includes it or a header it includes
#   does. The names are those of the installed Qt's header folders.
# - Linking: an executable among them fails its link step when it needs the Qt Widgets library
#   (a library it links brought it in).
# - Configuring: the configure fails when a marked target links Qt Widgets, Print Support or
#   OpenGL Widgets, itself or through the targets it links (their link interfaces, followed to
#   the end). A static library's objects reach an executable only when the executable calls
#   them, so the link check alone would miss a widget call in an object no marked executable
#   uses; its link interface says what every program that links it gets.

set(RAZUDAR_WIDGET_MODULES QtWidgets QtPrintSupport QtOpenGLWidgets)
set(RAZUDAR_WIDGET_LIBRARIES Qt6Widgets Qt6PrintSupport Qt6OpenGLWidgets)
set(RAZUDAR_WIDGET_GUARD_DIR ${CMAKE_BINARY_DIR}/widget-free)

# The folder that holds Qt's module folders (QtCore, QtWidgets, ...).
function(_razudar_qt_header_root out)
  get_target_property(dirs Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
  foreach(dir IN LISTS dirs)
    if(dir MATCHES "^(.*)/QtWidgets$")
      set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "Qt Widgets' header folder not found among: ${dirs}")
endfunction()

function(_razudar_write_guard path spelled module)
  file(CONFIGURE OUTPUT ${path} CONTENT
"// Written by the build (cmake/WidgetFree.cmake): the target being compiled is built without Qt Widgets.
#error \"${spelled} is a ${module} header: this target (the program's logic, or a test or fuzz target over it) is built without Qt Widgets; widgets belong to razudar_app (app/windows/, app/editors/, app/widgets/) or a *_widgets library\"
")
endfunction()

# Two folders of guards: `flat` answers the bare names (<QWidget>, <qwidget.h>, <QtWidgets>),
# `nested` the names under their module folder (<QtWidgets/QWidget>) and under every folder of
# the compiler's own search path that reaches Qt's (<qt6/QtWidgets/QWidget>). They cannot share
# one folder: <QtWidgets> is a file there and <QtWidgets/...> a folder.
function(_razudar_write_widget_guards)
  _razudar_qt_header_root(root)
  set(prefixes "")
  foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
    string(LENGTH "${dir}/" length)
    string(SUBSTRING "${root}" 0 ${length} head)
    if(head STREQUAL "${dir}/")
      string(SUBSTRING "${root}" ${length} -1 rest)
      list(APPEND prefixes "${rest}/")
    endif()
  endforeach()
  file(GLOB other_modules LIST_DIRECTORIES true RELATIVE ${root} ${root}/Qt*)
  list(REMOVE_ITEM other_modules ${RAZUDAR_WIDGET_MODULES})
  foreach(module IN LISTS RAZUDAR_WIDGET_MODULES)
    if(NOT IS_DIRECTORY ${root}/${module})
      continue()
    endif()
    string(REGEX REPLACE "^Qt(.*)$" "Qt \\1" module_name ${module})
    file(GLOB headers LIST_DIRECTORIES false RELATIVE ${root}/${module} ${root}/${module}/*)
    foreach(header IN LISTS headers)
      # A bare name that another module also ships (Qt Gui's qaction.h) stays that module's.
      set(elsewhere FALSE)
      foreach(other IN LISTS other_modules)
        if(EXISTS ${root}/${other}/${header})
          set(elsewhere TRUE)
          break()
        endif()
      endforeach()
      if(NOT elsewhere)
        _razudar_write_guard(${RAZUDAR_WIDGET_GUARD_DIR}/flat/${header} "<${header}>" ${module_name})
      endif()
      foreach(prefix "" ${prefixes})
        _razudar_write_guard(${RAZUDAR_WIDGET_GUARD_DIR}/nested/${prefix}${module}/${header}
                             "<${prefix}${module}/${header}>" ${module_name})
      endforeach()
    endforeach()
  endforeach()
endfunction()
_razudar_write_widget_guards()

function(razudar_widget_free)
  set_property(GLOBAL APPEND PROPERTY RAZUDAR_WIDGET_FREE_TARGETS ${ARGN})
  foreach(target IN LISTS ARGN)
    # Ahead of every other folder, Qt's included (those come as system folders, searched last).
    target_include_directories(${target} BEFORE PRIVATE
      ${RAZUDAR_WIDGET_GUARD_DIR}/flat ${RAZUDAR_WIDGET_GUARD_DIR}/nested)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -DREADELF=${CMAKE_READELF}
                "-DLIBRARIES=${RAZUDAR_WIDGET_LIBRARIES}"
                -P ${PROJECT_SOURCE_DIR}/cmake/check_no_widget_library.cmake
        VERBATIM)
    endif()
  endforeach()
endfunction()

# The widget library an item of a link list names, or nothing: a target (Qt6::Widgets), a bare
# name (Qt6Widgets, -lQt6Widgets) or a file (/usr/lib/libQt6Widgets.so.6).
function(_razudar_widget_library_named item out)
  string(REPLACE "::" "" name "${item}")
  get_filename_component(name "${name}" NAME)
  string(REGEX REPLACE "^(-l|lib)" "" name "${name}")
  string(REGEX REPLACE "\\.(so|a)(\\..*)?$" "" name "${name}")
  if(name IN_LIST RAZUDAR_WIDGET_LIBRARIES)
    set(${out} ${name} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# Fails the configure for a marked target that reaches a widget library through its links. The
# targets are followed breadth first; an item in a generator expression counts as linked, whatever
# its condition (a guard errs on the side of the widgets).
function(_razudar_check_widget_free_links)
  get_property(marked GLOBAL PROPERTY RAZUDAR_WIDGET_FREE_TARGETS)
  list(REMOVE_DUPLICATES marked)
  foreach(target IN LISTS marked)
    set(queue ${target})
    set(seen ${target})
    string(MAKE_C_IDENTIFIER "${target}" id)
    set(road_${id} ${target})
    set(found "")
    while(queue AND NOT found)
      list(POP_FRONT queue current)
      string(MAKE_C_IDENTIFIER "${current}" id)
      set(road "${road_${id}}")
      # The marked target's own links count whole; a linked target's, as it passes them on.
      set(properties INTERFACE_LINK_LIBRARIES INTERFACE_LINK_LIBRARIES_DIRECT)
      if(current STREQUAL target)
        list(APPEND properties LINK_LIBRARIES)
      endif()
      foreach(property IN LISTS properties)
        get_target_property(items ${current} ${property})
        if(NOT items)
          continue()
        endif()
        string(REGEX MATCHALL "[A-Za-z0-9_.+/-]+(::[A-Za-z0-9_.+-]+)*" names "${items}")
        foreach(name IN LISTS names)
          if(TARGET ${name})
            get_target_property(aliased ${name} ALIASED_TARGET)
            if(aliased)
              set(name ${aliased})
            endif()
          endif()
          _razudar_widget_library_named("${name}" widget)
          if(widget)
            set(found "${road} -> ${name}")
            break()
          endif()
          if(TARGET ${name} AND NOT name IN_LIST seen)
            list(APPEND seen ${name})
            list(APPEND queue ${name})
            string(MAKE_C_IDENTIFIER "${name}" id)
            set(road_${id} "${road} -> ${name}")
          endif()
        endforeach()
        if(found)
          break()
        endif()
      endforeach()
    endwhile()
    if(found)
      message(SEND_ERROR "${target} is built without Qt Widgets, and it links a Qt Widgets library: "
                         "${found}. Widgets belong to razudar_app or a *_widgets library; a logic "
                         "library and the tests over it link the logic libraries only.")
    endif()
  endforeach()
endfunction()

# Once every folder has declared its targets and their links.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _razudar_check_widget_free_links)
