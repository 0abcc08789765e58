# The one place that holds the version numbers: the programs' version resources
# and manifests (generated/zel_version.h, *.manifest) and the installer read them.
set(ZELVANO_VERSION_MAJOR 2)
set(ZELVANO_VERSION_MINOR 1)
set(ZELVANO_VERSION_BUILD 4)
# The registration tool keeps its own, older version.
set(ZELREG_VERSION_MAJOR 1)
set(ZELREG_VERSION_MINOR 0)

# The release: 2.1.4. The viewer's files: 2.1.0.4, shown as "2.01.0004".
set(ZELVANO_VERSION "${ZELVANO_VERSION_MAJOR}.${ZELVANO_VERSION_MINOR}.${ZELVANO_VERSION_BUILD}")
set(ZELVANO_FILE_VERSION "${ZELVANO_VERSION_MAJOR}.${ZELVANO_VERSION_MINOR}.0.${ZELVANO_VERSION_BUILD}")
string(REPLACE "." "," ZELVANO_FILE_VERSION_COMMAS "${ZELVANO_FILE_VERSION}")
math(EXPR _minor "100 + ${ZELVANO_VERSION_MINOR}")
math(EXPR _build "10000 + ${ZELVANO_VERSION_BUILD}")
string(SUBSTRING "${_minor}" 1 2 _minor)
string(SUBSTRING "${_build}" 1 4 _build)
set(ZELVANO_VERSION_TEXT "${ZELVANO_VERSION_MAJOR}.${_minor}.${_build}")
# The tool's files: 1.0.0.0, shown as "1.00".
set(ZELREG_FILE_VERSION "${ZELREG_VERSION_MAJOR}.${ZELREG_VERSION_MINOR}.0.0")
string(REPLACE "." "," ZELREG_FILE_VERSION_COMMAS "${ZELREG_FILE_VERSION}")
math(EXPR _minor "100 + ${ZELREG_VERSION_MINOR}")
string(SUBSTRING "${_minor}" 1 2 _minor)
set(ZELREG_VERSION_TEXT "${ZELREG_VERSION_MAJOR}.${_minor}")

# cmake -DZEL_PRINT_VERSION=ON -P cmake/version.cmake prints the release version.
if(ZEL_PRINT_VERSION)
  message("${ZELVANO_VERSION}")
endif()
