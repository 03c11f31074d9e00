# Third-party libraries from Debian 12 packages, each wrapped in one imported target.
find_package(PkgConfig REQUIRED)

# zint ships neither a pkg-config nor a CMake file.
find_path(ZINT_INCLUDE_DIR zint.h REQUIRED)
find_library(ZINT_LIBRARY zint REQUIRED)
add_library(Marlune::zint UNKNOWN IMPORTED)
set_target_properties(Marlune::zint PROPERTIES
    IMPORTED_LOCATION "${ZINT_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${ZINT_INCLUDE_DIR}")

find_package(LibXml2 REQUIRED)
pkg_check_modules(FREEXL REQUIRED IMPORTED_TARGET freexl)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
add_library(Marlune::freexl ALIAS PkgConfig::FREEXL)
add_library(Marlune::minizip ALIAS PkgConfig::MINIZIP)

if(MARLUNE_BUILD_TESTS)
    find_package(GTest REQUIRED)
    # The independent decoder the symbol tests read the drawn symbols back with.
    find_package(ZXing QUIET)
endif()
# Tests and benchmarks write their large workbooks with it; without it those are left out.
if(MARLUNE_BUILD_TESTS OR MARLUNE_BUILD_BENCH)
    pkg_check_modules(XLSXWRITER IMPORTED_TARGET xlsxwriter)
endif()
if(MARLUNE_BUILD_BENCH)
    find_package(benchmark REQUIRED)
endif()
