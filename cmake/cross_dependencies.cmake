# Header and test libraries for a cross build, taken from the host's Debian packages, which carry
# sources and headers but no libraries for the target.

# GoogleTest from the sources of the `googletest` package, built for the target (it defines the
# GTest:: targets itself). It gets its own warning flags: ours would turn its warnings into errors.
if(LUNDA_BUILD_TESTS)
  get_directory_property(lunda_compile_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${lunda_compile_options}")
  # Listing tests at build time would start Wine for every test binary on every build.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

# nlohmann_json is header-only. Its package points at /usr/include, which must not reach a cross
# compile (the host's C headers would shadow the target's), so expose only its own folder.
set(lunda_json_root ${CMAKE_BINARY_DIR}/cross-include)
file(MAKE_DIRECTORY ${lunda_json_root})
file(CREATE_LINK /usr/include/nlohmann ${lunda_json_root}/nlohmann SYMBOLIC)
file(WRITE ${CMAKE_BINARY_DIR}/cross-packages/nlohmann_jsonConfig.cmake
     "if(NOT TARGET nlohmann_json::nlohmann_json)\n"
     "  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
     "  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES\n"
     "    INTERFACE_INCLUDE_DIRECTORIES ${lunda_json_root})\n"
     "endif()\n")
file(COPY /usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake
     DESTINATION ${CMAKE_BINARY_DIR}/cross-packages)
set(nlohmann_json_DIR ${CMAKE_BINARY_DIR}/cross-packages CACHE PATH "" FORCE)
