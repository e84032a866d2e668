# Configures the fixture project and checks that the Widgets guard stopped it with one error per
# marked target that links a widget library, each naming the road to it.
file(REMOVE_RECURSE ${WORK})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${FIXTURE} -B ${WORK} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
          -DQt6_DIR=${QT6_DIR} -DRAZUDAR_SOURCE_DIR=${RAZUDAR_SOURCE_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(output "${out}${err}")
# The messages are wrapped at the console's width: compare them as one line.
string(REGEX REPLACE "[ \n]+" " " flat "${output}")

set(problems "")
if(result EQUAL 0)
  string(APPEND problems "\n  the configure succeeded")
endif()
foreach(road
    "direct -> Qt6::Widgets"
    "through_helper -> helper -> Qt6::PrintSupport"
    "conditional -> Qt::Widgets -> Qt6::Widgets"
    "by_name -> -lQt6OpenGLWidgets"
    "linked_late -> Qt6::Widgets"
    "program -> helper -> Qt6::PrintSupport")
  string(REGEX MATCH "^[^ ]+" target "${road}")
  string(FIND "${flat}" "${target} is built without Qt Widgets, and it links a Qt Widgets library: ${road}." at)
  if(at EQUAL -1)
    string(APPEND problems "\n  no error for ${road}")
  endif()
endforeach()
string(FIND "${flat}" "plain is built without Qt Widgets" at)
if(NOT at EQUAL -1)
  string(APPEND problems "\n  an error for plain, which links no widget library")
endif()
if(problems)
  message(FATAL_ERROR "The Widgets guard did not stop the fixture as expected:${problems}\nIts output:\n${output}")
endif()
