# wxWidgets for the library: base (strings, translations), core (print data, printer DCs, the
# GUI helpers) and XRC with what it needs (html, xml) for the resource loaders.
# DAVARAZ_WX_COMPONENTS is the one place to grow it.
set(DAVARAZ_WX_COMPONENTS xrc html xml core base CACHE STRING "wxWidgets libraries the library links" FORCE)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${DAVARAZ_WX_COMPONENTS})
set(DAVARAZ_WX_LIBS ${wxWidgets_LIBRARIES})
set(DAVARAZ_WX_INCLUDES ${wxWidgets_INCLUDE_DIRS})
set(DAVARAZ_WX_DEFINITIONS ${wxWidgets_DEFINITIONS})
