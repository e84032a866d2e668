# Run after an executable of the widget-free targets is linked (cmake/WidgetFree.cmake): fails
# when it needs a Qt Widgets library. FILE: the executable; READELF: the readelf tool;
# LIBRARIES: the library names that may not be needed.
execute_process(COMMAND ${READELF} -d ${FILE} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${READELF} could not read ${FILE}")
endif()
foreach(library IN LISTS LIBRARIES)
  if(dynamic MATCHES "NEEDED[^\n]*\\[lib${library}\\.so")
    file(REMOVE ${FILE})
    message(FATAL_ERROR "${FILE} links lib${library}, and it is built without Qt Widgets: a library "
                        "it links uses Qt Widgets (link the widget-free fakes, razudar_platform_fakes, "
                        "and the logic libraries only)")
  endif()
endforeach()
