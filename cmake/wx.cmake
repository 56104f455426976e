# wxWidgets for the library: base (strings, translations) and core (print data, printer DCs).
# DAVARAZ_WX_COMPONENTS is the one place to grow it (XRC comes with the GUI helpers).
set(DAVARAZ_WX_COMPONENTS core base CACHE STRING "wxWidgets libraries the library links" FORCE)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${DAVARAZ_WX_COMPONENTS})
set(DAVARAZ_WX_LIBS ${wxWidgets_LIBRARIES})
set(DAVARAZ_WX_INCLUDES ${wxWidgets_INCLUDE_DIRS})
set(DAVARAZ_WX_DEFINITIONS ${wxWidgets_DEFINITIONS})
