# wxWidgets for the library. Only wxBase (translations, strings) until the GUI and print
# data work needs the core and XRC libraries; DAVARAZ_WX_COMPONENTS is the one place to grow it.
set(DAVARAZ_WX_COMPONENTS base CACHE STRING "wxWidgets libraries the library links")
find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${DAVARAZ_WX_COMPONENTS})
set(DAVARAZ_WX_LIBS ${wxWidgets_LIBRARIES})
set(DAVARAZ_WX_INCLUDES ${wxWidgets_INCLUDE_DIRS})
set(DAVARAZ_WX_DEFINITIONS ${wxWidgets_DEFINITIONS})
